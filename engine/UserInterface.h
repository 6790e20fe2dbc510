// What the engine asks of the user interface: to tell the user something, and
// to show that a long work is under way. The engine knows no window: the
// program that runs it fills in these hooks at start-up (the desktop shell
// with its message boxes and wait cursor, the command with lines on its error
// stream). A hook left empty keeps the engine working headless: a message is
// recorded in HeadlessMessages, the busy signs are not shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillon {

struct UserInterfaceHooks {
  // Tells the user Text.
  std::function<void(const std::string& Text)> Message;
  // A long work starts and ends. The calls come in pairs, also when the work
  // raises an error, and may nest.
  std::function<void()> BeginBusy;
  std::function<void()> EndBusy;
  // The caption the parameter form of module type Type shows for its
  // parameter Param ("" when none).
  std::function<std::string(int Type, int Param)> ParamCaption;
};

// Puts Hooks in force and gives back the ones they replace.
UserInterfaceHooks SetUserInterface(UserInterfaceHooks Hooks);
const UserInterfaceHooks& UserInterface();

// Tells the user Text through the Message hook (or records it).
void ShowUserMessage(const std::string& Text);

// The caption of parameter Param of module type Type ("" without a hook).
std::string ParamCaptionOf(int Type, int Param);

// Shows that the engine is busy for its lifetime.
class TBusyScope {
 public:
  TBusyScope();
  ~TBusyScope();
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;
};

// The messages told while no Message hook was in force, oldest first, since
// the last clear (ResetEngine clears them too).
const std::vector<std::string>& HeadlessMessages();
void ClearHeadlessMessages();

}  // namespace quillon
