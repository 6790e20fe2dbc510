#include "shell/Synthe.h"

namespace quillon {

// The module window's start-up geometry: at the right of the main window.
TF_Synthe::TF_Synthe() {
  Name = "F_Synthe";
  Caption = "Texture Modules";
  Left = 700;
  Top = 60;
  Width = 310;
  Height = 560;
}

namespace {
TF_Synthe DefaultModuleWindow;
}
TF_Synthe* F_Synthe = &DefaultModuleWindow;

}  // namespace quillon
