#include "modules/textures/Prm_T001.h"

#include "shell/Help.h"

namespace quillon {

TP_T001* P_T001 = nullptr;

void Prm_T001_CreateForm() { CreateForm(P_T001); }

void T001_ShowHelp() {
  ShowHelpText(P_T001->Aide1, "Red Swimming Pool texture !?!", "Texture de la piscine rouge !?!");
}

TP_T001::TP_T001() {
  Name = "P_T001";
  Caption = "Textures > Misc > Red Swimming Pool";
  Width = 398;
  Height = 504;
  StayOnTop = true;

  struct Row {
    TLabel& Label;
    const char* Caption;
    TImage& Image;
    TEdit& Edit;
    int Param;
    void (*Help)(TLabel&);
  };
  Row rows[6] = {{Lbl_V1, "Variant 1", Img_V1, Ed_V1, 1, Aide_HueVariant},
                 {Lbl_V2, "Variant 2", Img_V2, Ed_V2, 2, Aide_HueVariant},
                 {Lbl_V3, "Variant 3", Img_V3, Ed_V3, 3, Aide_HueVariant},
                 {Lbl_V4, "Variant", Img_V4, Ed_V4, 5, Aide_SatVariant},
                 {Lbl_V5, "Variant 1", Img_V5, Ed_V5, 7, Aide_LumVariant},
                 {Lbl_V6, "Variant 2", Img_V6, Ed_V6, 8, Aide_LumVariant}};
  Lbl_HueGroup.Caption = "Hue Variants";
  Lbl_SatGroup.Caption = "Saturation Variant";
  Lbl_LumGroup.Caption = "Luminosity Variants";
  Place(Lbl_HueGroup, 8, 4, 380, 16);
  Place(Lbl_SatGroup, 8, 172, 380, 16);
  Place(Lbl_LumGroup, 8, 232, 380, 16);
  const int tops[6] = {24, 74, 124, 192, 252, 302};
  for (int r = 0; r < 6; ++r) {
    Row& row = rows[r];
    row.Label.Caption = row.Caption;
    Place(row.Label, 8, tops[r], 100, 14);
    Place(row.Edit, r < 3 ? 8 : 300, tops[r] + (r < 3 ? 16 : 14), 35, 21);
    Place(row.Image, 8, tops[r] + (r < 3 ? 38 : 16), row.Image.Width, 10);
    HelpOnClick(row.Label, Aide1, row.Help);
    const TLabel& group = r < 3 ? Lbl_HueGroup : (r == 3 ? Lbl_SatGroup : Lbl_LumGroup);
    ParamCaptions[row.Param] = group.Caption + " > " + row.Caption;
    Sliders[r].Param = row.Param;
    Sliders[r].Image = &row.Image;
    Sliders[r].Edit = &row.Edit;
    Sliders[r].Wire();
  }

  Lbl_Rnd.Caption = "Random Seed";
  Place(Lbl_Rnd, 8, 360, 100, 14);
  Place(Ed_Rnd, 300, 374, 40, 21);
  Place(Img_Rnd1, 8, 380, 120, 10);
  Place(Img_Rnd2, 8, 400, 260, 10);
  HelpOnClick(Lbl_Rnd, Aide1, Aide_RandomSeed);
  ParamCaptions[10] = Lbl_Rnd.Caption;
  // The form's own limits, 0..2050 (wider than the stored range 0..1000):
  // 20 hundreds at 12 pixels each.
  Seed.Param = 10;
  Seed.Units = &Img_Rnd1;
  Seed.Hundreds = &Img_Rnd2;
  Seed.Edit = &Ed_Rnd;
  Seed.MaxHundreds = 20;
  Seed.Step = 12;
  Seed.FormLimits = true;
  Seed.FormMin = 0;
  Seed.FormMax = 2050;
  Seed.Wire();

  Place(Aide1, 8, 440, 380, 40);

  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T001_ShowHelp();
    for (TParamSlider& s : Sliders) s.Load();
    Seed.Load();
  };
}

}  // namespace quillon
