// The quillon command: the program's Process and Image > Save from a shell.
//
//   quillon list
//   quillon params MODULE
//   quillon render [--size WxH] [-o FILE.bmp] MODULE [k=v ...] [+ MODULE [k=v ...] ...]
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quillon {

// Exit statuses of the command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;    // an error raised while computing or writing
inline constexpr int ExitBadInput = 2;  // refused input; nothing written

// Runs the command with its arguments (without the program name); normal
// output goes to Out, progress and messages to Err. Returns the exit status.
int RunQuillon(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

// The registered type a module argument names: a type number, a code or a
// display name (codes and names compared without regard to case); 0 if none.
int FindModuleType(const std::string& Name);

// Up to three registered display names closest to Name, best first.
std::vector<std::string> ClosestModuleNames(const std::string& Name);

}  // namespace quillon
