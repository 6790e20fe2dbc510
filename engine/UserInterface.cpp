#include "engine/UserInterface.h"

#include <utility>

namespace quillon {

namespace {
UserInterfaceHooks& Hooks() {
  static UserInterfaceHooks hooks;
  return hooks;
}
std::vector<std::string>& Headless() {
  static std::vector<std::string> log;
  return log;
}
}  // namespace

UserInterfaceHooks SetUserInterface(UserInterfaceHooks H) { return std::exchange(Hooks(), std::move(H)); }
const UserInterfaceHooks& UserInterface() { return Hooks(); }

void ShowUserMessage(const std::string& Text) {
  if (Hooks().Message)
    Hooks().Message(Text);
  else
    Headless().push_back(Text);
}

std::string ParamCaptionOf(int Type, int Param) {
  return Hooks().ParamCaption ? Hooks().ParamCaption(Type, Param) : std::string();
}

TBusyScope::TBusyScope() {
  if (Hooks().BeginBusy) Hooks().BeginBusy();
}
TBusyScope::~TBusyScope() {
  if (Hooks().EndBusy) Hooks().EndBusy();
}

const std::vector<std::string>& HeadlessMessages() { return Headless(); }
void ClearHeadlessMessages() { Headless().clear(); }

}  // namespace quillon
