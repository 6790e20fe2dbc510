#include "shell/Synthe.h"

#include "engine/Instances.h"

namespace quillon {

const std::vector<ModuleMenuEntry>& ModuleMenuTable() {
  static const std::vector<ModuleMenuEntry> table = {
      // Composite textures, by group.
      {"Textures > Misc > Red Swimming Pool", 29},
      {"Textures > Misc > Microbes", 33},
      {"Textures > Misc > Neurons", 38},
      {"Textures > Nature > Grass", 35},
      {"Textures > Nature > Inside The Body", 105},
      {"Textures > Nature > Corn", 57},
      {"Textures > Nature > Coral", 55},
      {"Textures > Skin > Snake Skin", 36},
      {"Textures > Skin > Alien Skins", 37},
      {"Textures > Materials > Cloth", 41},
      {"Textures > Materials > Rough Paper", 42},
      {"Textures > Materials > Roughcast", 45},
      {"Textures > Periodic > Pack 1 > Tx A", 101},
      {"Textures > Periodic > Pack 1 > Tx B", 102},
      {"Textures > Periodic > Pack 1 > Tx C", 54},
      {"Textures > Periodic > Pack 2 > Rainbow Bananas", 43},
      {"Textures > Periodic > Pack 2 > Blue Gold Rings", 44},
      {"Textures > Wood > Bark", 50},
      {"Textures > Wood > Plank", 53},
      {"Textures > Geometric > Lozenge Distortion", 56},
      // Chaotic functions.
      {"Functions > Chaotic functions > 1 Modifier > Fx 1 A", 92},
      {"Functions > Chaotic functions > 1 Modifier > Fx 1 B", 93},
      {"Functions > Chaotic functions > 1 Modifier > Fx 1 C", 94},
      {"Functions > Chaotic functions > 1 Modifier > Fx 1 D", 95},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 A", 67},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 B", 68},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 C", 69},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 D", 70},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 E", 71},
      {"Functions > Chaotic functions > 2 Modifiers > Fx 2 F", 72},
      // The hidden menu.
      {"Fx > Textures > Neurones", 30},
  };
  return table;
}

// The module window's start-up geometry: at the right of the main window.
TF_Synthe::TF_Synthe() {
  Name = "F_Synthe";
  Caption = "Texture Modules";
  Left = 700;
  Top = 60;
  Width = 310;
  Height = 560;
}

void TF_Synthe::BuildModuleMenus() {
  MainMenu1.Clear();
  for (const ModuleMenuEntry& e : ModuleMenuTable()) {
    if (!RegisteredType(e.Type)) continue;
    // The submenus are made on the way to the item: a submenu exists only
    // when at least one of its items does.
    TMenuItem& item = FindOrAddMenuItem(MainMenu1, e.Path);
    const int type = e.Type;
    item.Tag = type;
    item.OnClick = [this, type] { AddModule(type); };
  }
  if (TMenuItem* fx = MainMenu1.Find(HiddenModuleMenu)) fx->Visible = false;
}

void TF_Synthe::AddModule(int Type) {
  // A refused instance ("Too much modules ...") leaves the shown form as it
  // is: the new type's form would otherwise edit the selected instance of
  // another type.
  if (CreateInstance(Type) == 0) return;
  if (ShownForm) ShownForm->Close();
  ShownForm = TypeForm[Type];
  if (ShownForm) ShownForm->Show();
}

namespace {
TF_Synthe DefaultModuleWindow;
}
TF_Synthe* F_Synthe = &DefaultModuleWindow;

}  // namespace quillon
