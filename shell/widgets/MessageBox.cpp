#include "shell/widgets/MessageBox.h"

namespace quillon {

namespace {
std::vector<MessageBoxRecord>& Log() {
  static std::vector<MessageBoxRecord> log;
  return log;
}
std::function<void(const MessageBoxRecord&)>& Sink() {
  static std::function<void(const MessageBoxRecord&)> sink;
  return sink;
}
}  // namespace

void ShowMessageBox(const std::string& Title, const std::string& Text, MessageIcon Icon) {
  MessageBoxRecord r{Title, Text, Icon};
  Log().push_back(r);
  if (Sink()) Sink()(r);
}

void ShowMessage(const std::string& Text) { ShowMessageBox(ApplicationTitle, Text, MessageIcon::None); }

const std::vector<MessageBoxRecord>& MessageLog() { return Log(); }
void ClearMessageLog() { Log().clear(); }
void SetMessageSink(std::function<void(const MessageBoxRecord&)> S) { Sink() = std::move(S); }

}  // namespace quillon
