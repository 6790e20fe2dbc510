#include "modules/textures/Prm_T006.h"

#include "engine/Instances.h"
#include "modules/textures/Fnc_T006.h"
#include "shell/Help.h"
#include "shell/ParamControls.h"

namespace quillon {

TP_T006* P_T006 = nullptr;

void Prm_T006_CreateForm() { CreateForm(P_T006); }

void T006_ShowHelp() {
  ShowHelpText(P_T006->Aide1, "Could be a kind of aliens skin ???",
               "Pourrait \u00eatre une esp\u00e8ce de peau d'alien ???");
}

TP_T006::TP_T006()
    : Colors{{1, &Panel_Color1}, {2, &Panel_Color2}},
      Variants{{3, &Img_V1, &Ed_V1}, {4, &Img_V2, &Ed_V2}, {5, &Img_V3, &Ed_V3},
               {6, &Img_V4, &Ed_V4}, {7, &Img_V5, &Ed_V5}, {8, &Img_V6, &Ed_V6}},
      // Both seeds keep to 0..1050, wider than their stored range 0..1000:
      // 10 hundreds at 8 pixels each.
      Seeds{{9, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 8, 1, true, 0, 1050},
            {10, &Img_RndB1, &Img_RndB2, &Ed_RndB, 10, 8, 1, true, 0, 1050}} {
  Name = "P_T006";
  Caption = "Textures > Skin > Alien Skins";

  // Top row: the planet list at the left, the colour swatches at the right.
  PlaceLabel(Lbl_Planet, "Planet", 8, 8);
  Place(ComboBox1, 8, 24, 140, 21);
  for (const TPlanet& p : Planets) ComboBox1.Items.push_back(p.Name);
  ComboBox1.OnChange = [this] { ControlParam(CurrentInstance, 1, ComboBox1); };
  PlaceLabel(Lbl_Colors, "Modifier colors", 250, 8);
  Place(Panel_Color1, 250, 24, 40, 21);
  Place(Panel_Color2, 300, 24, 40, 21);

  // Two columns, Variant 1..3 for the first skin and Variant 4..6 for the
  // second; then Random Seed 1 and Random Seed 2 side by side.
  TLabel* labels[6] = {&Lbl_V1, &Lbl_V2, &Lbl_V3, &Lbl_V4, &Lbl_V5, &Lbl_V6};
  static const char* const captions[6] = {"Variant 1", "Variant 2", "Variant 3",
                                          "Variant 4", "Variant 5", "Variant 6"};
  int y = 56;
  for (int k = 0; k < 6; ++k) {
    if (k == 3) y = 56;
    PlaceSliderPanel(y, k < 3 ? 8 : 250, *labels[k], captions[k], *Variants[k].Edit, *Variants[k].Image);
  }
  const int seedsTop = y;
  PlaceSplitPanel(y, 8, Lbl_RndA, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  y = seedsTop;
  PlaceSplitPanel(y, 250, Lbl_RndB, "Random Seed 2", Ed_RndB, Img_RndB1, Img_RndB2);
  ParamCaptions = {{1, Lbl_Planet.Caption}, {3, Lbl_V1.Caption},   {4, Lbl_V2.Caption},    {5, Lbl_V3.Caption},
                   {6, Lbl_V4.Caption},     {7, Lbl_V5.Caption},   {8, Lbl_V6.Caption},    {9, Lbl_RndA.Caption},
                   {10, Lbl_RndB.Caption}};
  ColorCaptions = {{1, Lbl_Colors.Caption + " 1"}, {2, Lbl_Colors.Caption + " 2"}};
  ParamLimits = {{1, {0, static_cast<int32_t>(ComboBox1.Items.size()) - 1}}, {9, {0, 1050}}, {10, {0, 1050}}};
  Place(Aide1, 8, y, 470, 30);
  Width = 490;
  Height = y + 30 + 40;  // the help label and the window frame

  for (TParamColorPanel& c : Colors) c.Wire();
  for (TParamSlider& v : Variants) v.Wire();
  for (TParamSplitSlider& s : Seeds) s.Wire();

  HelpOnClick(Lbl_Planet, Aide1, "Alien's home ...", "La plan\u00e8te de l'extra-terrestre ...");
  HelpOnClick(Lbl_Colors, Aide1, "\"Modifier colors\" 1 and 2 are the base colors, not the final colors ...",
              "\"Modifier colors\" sont les couleurs de base , pas les couleurs finales ...");
  for (TLabel* l : labels)
    HelpOnClick(*l, Aide1, "Variant 1 to Variant 6 are color modifiers",
                "Variant 1 \u00e0 Variant 6 effectuent des variations de couleurs");
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  HelpOnClick(Lbl_RndB, Aide1, Aide_RandomSeed);

  OnCreate = [this] {
    CentreOverMainWindow(*this);
    MoveLeftOfModuleWindow(*this);
  };
  OnActivate = [this] {
    T006_ShowHelp();
    LoadControlParam(CurrentInstance, 1, ComboBox1);
    for (TParamColorPanel& c : Colors) c.Load();
    for (TParamSlider& v : Variants) v.Load();
    for (TParamSplitSlider& s : Seeds) s.Load();
  };
}

}  // namespace quillon
