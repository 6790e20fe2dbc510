#include "shell/Application.h"

#include "engine/Instances.h"
#include "engine/Startup.h"
#include "engine/UserInterface.h"
#include "shell/Main.h"
#include "shell/Synthe.h"
#include "shell/widgets/Cursor.h"
#include "shell/widgets/Form.h"
#include "shell/widgets/MessageBox.h"

namespace quillon {

void StartApplication() {
  // The engine tells the user through a message box with the program's
  // title and shows its long work with the wait cursor.
  // Its parameters go by the captions of their forms.
  SetUserInterface({ShowMessage, BeginWaitCursor, EndWaitCursor, [](int Type, int Param) {
                      const TForm* form = ValidModuleType(Type) ? TypeForm[Type] : nullptr;
                      if (form == nullptr) return std::string();
                      const auto it = form->ParamCaptions.find(Param);
                      return it == form->ParamCaptions.end() ? std::string() : it->second;
                    }});
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
