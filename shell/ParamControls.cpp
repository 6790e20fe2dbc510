#include "shell/ParamControls.h"

#include <string>

#include "engine/Color.h"
#include "engine/Instances.h"
#include "shell/widgets/Convert.h"
#include "shell/widgets/Dialogs.h"

namespace quillon {

void LoadScrollParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar) {
  const T_Prm_Module_Synthe& m = ModuleParams[Instance];
  ScrollBar.SetMin(m.ParamMin[Param]);
  ScrollBar.SetMax(m.ParamMax[Param]);
  ScrollBar.SetPosition(m.ParamValue[Param]);
  Edit.Text = std::to_string(ScrollBar.Position());
}

void ScrollParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar) {
  ModuleParams[Instance].ParamValue[Param] = ScrollBar.Position();
  Edit.Text = std::to_string(ScrollBar.Position());
  TextureDirty = 1;
}

void EditExitParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar) {
  // The bar keeps its position within Min..Max: it does the clamping.
  ScrollBar.SetPosition(TextToInt(Edit.Text));
  Edit.Text = std::to_string(ScrollBar.Position());
  ModuleParams[Instance].ParamValue[Param] = ScrollBar.Position();
  TextureDirty = 1;
}

void LoadControlParam(int Instance, int Param, TComboBox& Control) {
  Control.SetItemIndex(ModuleParams[Instance].ParamValue[Param]);
}

void LoadControlParam(int Instance, int Param, TListBox& Control) {
  const int32_t v = ModuleParams[Instance].ParamValue[Param];
  Control.ItemIndex = (v < 0 || static_cast<size_t>(v) >= Control.Items.size()) ? -1 : v;
}

void ControlParam(int Instance, int Param, TComboBox& Control) {
  ModuleParams[Instance].ParamValue[Param] = Control.ItemIndex();
  TextureDirty = 1;
}

void ControlParam(int Instance, int Param, TListBox& Control) {
  ModuleParams[Instance].ParamValue[Param] = Control.ItemIndex;
  TextureDirty = 1;
}

std::string ColorHint(int32_t Color) {
  int32_t r, g, b;
  SplitRGB(Color, r, g, b);
  return "R:" + std::to_string(r) + " G:" + std::to_string(g) + " B:" + std::to_string(b);
}

void ShowColorParam(int Instance, int Slot, TPanel& Panel) {
  Panel.Color = ModuleParams[Instance].ParamColor[Slot];
  Panel.Hint = ColorHint(Panel.Color);
}

void PickColorParam(int Instance, int Slot, TPanel& Panel) {
  TColorDialog dialog;
  dialog.Color = Panel.Color;
  if (dialog.Execute()) {
    Panel.Color = dialog.Color;
    ModuleParams[Instance].ParamColor[Slot] = dialog.Color;
    Panel.Hint = ColorHint(dialog.Color);
  }
  // Opening the picker marks the texture changed whether or not a colour is
  // chosen, as the module-preset loader does for a cancelled dialog.
  TextureDirty = 1;
}

}  // namespace quillon
