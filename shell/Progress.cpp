#include "shell/Progress.h"

#include "engine/Instances.h"
#include "shell/Synthe.h"

namespace quillon {

void ShowProgressText(int Instance, const std::string& Text) {
  TStatusBar& bar = F_Synthe->StatusBar1;
  std::string text = "(";
  text += std::to_string(Instance);
  text += Text;
  SetPanelText(StatusPanelsItem(bar.Panels, 1), text);
  ControlRefresh(bar);
}

void ShowProgress(int Instance, int Type) {
  ShowProgressText(Instance, ") " + (ValidModuleType(Type) ? TypeName[Type] : std::string()));
}

void ShowProgressPhase(int Instance, int Type, int Phase) {
  ShowProgressText(Instance,
                   ") " + (ValidModuleType(Type) ? TypeName[Type] : std::string()) + " [phase " + std::to_string(Phase) + "]");
}

}  // namespace quillon
