// The module window ("Texture Modules"): its status bar shows the progress
// of the chain, and its menus add module instances.
#pragma once

#include "shell/widgets/Form.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/StatusBar.h"

namespace quillon {

class TF_Synthe : public TForm {
 public:
  TF_Synthe();

  TStatusBar StatusBar1{2};
  TMainMenu MainMenu1;
};

// The module window; set before start-up to a window of the start-up
// geometry, so module code run by tests without a start-up finds it too.
extern TF_Synthe* F_Synthe;

}  // namespace quillon
