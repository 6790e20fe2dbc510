// Message boxes of the widget kit: recorded, never blocking. The command-line
// program installs a sink that prints each box as it is shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillon {

inline constexpr const char* ApplicationTitle = "Fendri Digital Toolkits";

enum class MessageIcon { None, Information, Warning, Stop, Question };

struct MessageBoxRecord {
  std::string Title;
  std::string Text;
  MessageIcon Icon = MessageIcon::None;
};

// Shows a box with the application title and no icon.
void ShowMessage(const std::string& Text);
// Shows a box with the given title, text and icon.
void ShowMessageBox(const std::string& Title, const std::string& Text, MessageIcon Icon);

// Every box shown since the last ClearMessageLog.
const std::vector<MessageBoxRecord>& MessageLog();
void ClearMessageLog();

// Called for every box as it is shown (null = none).
void SetMessageSink(std::function<void(const MessageBoxRecord&)> Sink);

}  // namespace quillon
