#include "shell/Application.h"

#include "engine/Startup.h"
#include "shell/Main.h"
#include "shell/Synthe.h"

namespace quillon {

void StartApplication() {
  CreateForm(Form1);
  CreateForm(F_Synthe);
  for (const ModuleUnit& u : ModuleUnits())
    if (u.CreateForm) u.CreateForm();
  // ResetEngine is StartEngine on a cleared catalog, chain and image store:
  // the program's start-up the first time, a clean restart after.
  ResetEngine();
  F_Synthe->BuildModuleMenus();
  Form1->Show();
}

}  // namespace quillon
