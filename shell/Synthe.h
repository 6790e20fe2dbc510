// The module window ("Texture Modules"): its status bar shows the progress
// of the chain, and its add-module menus append instances to the chain.
#pragma once

#include <string>
#include <vector>

#include "shell/widgets/Form.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/StatusBar.h"

namespace quillon {

// One add-module menu item: its path from the menu bar, captions separated
// by " > ", and the module type it adds.
struct ModuleMenuEntry {
  const char* Path;
  int Type;
};

// Every add-module item of the module window, in menu order. A module type
// joins the menus by its line here; until its type is registered the item is
// left out of the menus.
const std::vector<ModuleMenuEntry>& ModuleMenuTable();

// The top menu of the module window hidden in this build.
inline constexpr const char* HiddenModuleMenu = "Fx";

class TF_Synthe : public TForm {
 public:
  TF_Synthe();

  TStatusBar StatusBar1{2};
  TMainMenu MainMenu1;

  // The parameter form shown last by an add-module item (null: none).
  TForm* ShownForm = nullptr;

  // Builds the add-module menus from ModuleMenuTable, leaving out the items
  // of types not registered (and submenus left empty); the "Fx" menu is hidden.
  void BuildModuleMenus();

  // The work of an add-module item: appends an instance of Type to the chain
  // (CreateInstance); when it was added, closes the parameter form shown
  // before and shows the form of Type (none when the type has no form).
  void AddModule(int Type);
};

// The module window; set before start-up to a window of the start-up
// geometry, so module code run by tests without a start-up finds it too.
extern TF_Synthe* F_Synthe;

}  // namespace quillon
