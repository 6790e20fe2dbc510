#include "modules/textures/Prm_T007.h"

#include "shell/Help.h"

namespace quillon {

TP_T007* P_T007 = nullptr;

void Prm_T007_CreateForm() { CreateForm(P_T007); }

void T007_ShowHelp() { ShowHelpText(P_T007->Aide1, "Neurons texture ?!?", "Texture de neurones ?!?"); }

TP_T007::TP_T007()
    : WE{1, &Img_WE, &Ed_WE},
      HE{2, &Img_HE, &Ed_HE},
      HV1{5, &Img_HV1, &Ed_HV1},
      HV2{6, &Img_HV2, &Ed_HV2},
      HV3{7, &Img_HV3, &Ed_HV3},
      V1{9, &Img_V1, &Ed_V1},
      V2{10, &Img_V2, &Ed_V2},
      // One pixel past the maximum while dragging; snaps on release.
      HueRange{4, &Img_Hue_Rng, &Ed_Hue_Rng, 7, true, 1},
      // Within the parameter's range; hundreds up to those of its maximum.
      Seed{11, &Img_Rnd1, &Img_Rnd2, &Ed_Rnd, 0, 23} {
  Name = "P_T007";
  Caption = "Textures > Misc > Neurons";
  Width = 398;
  Height = 430;
  StayOnTop = true;
  Seed.HundredsFromRange = true;

  struct Row {
    TLabel& Label;
    const char* Caption;
    TEdit& Edit;
    TImage& Image;
    int Left, Top;
  };
  const Row rows[] = {{Lbl_WE, "Width Effect", Ed_WE, Img_WE, 8, 8},
                      {Lbl_HE, "Height Effect", Ed_HE, Img_HE, 200, 8},
                      {Lbl_Hue_Rng, "Hue Range", Ed_Hue_Rng, Img_Hue_Rng, 8, 50},
                      {Lbl_HV1, "Hue Variant 1", Ed_HV1, Img_HV1, 8, 92},
                      {Lbl_HV2, "Hue Variant 2", Ed_HV2, Img_HV2, 8, 134},
                      {Lbl_HV3, "Hue Variant 3", Ed_HV3, Img_HV3, 8, 176},
                      {Lbl_V1, "Variant 1", Ed_V1, Img_V1, 8, 218},
                      {Lbl_V2, "Variant 2", Ed_V2, Img_V2, 200, 218},
                      {Lbl_Rnd, "Random Seed", Ed_Rnd, Img_Rnd1, 8, 260}};
  for (const Row& r : rows) {
    r.Label.Caption = r.Caption;
    Place(r.Label, r.Left, r.Top + 4, 120, 14);
    Place(r.Edit, r.Left + 130, r.Top, 40, 21);
    Place(r.Image, r.Left, r.Top + 24, r.Image.Width, 10);
  }
  Place(Img_Rnd2, 138, 284, Img_Rnd2.Width, 10);
  Place(Aide1, 8, 310, 380, 80);
  ParamCaptions = {{1, Lbl_WE.Caption},  {2, Lbl_HE.Caption},  {4, Lbl_Hue_Rng.Caption},
                   {5, Lbl_HV1.Caption}, {6, Lbl_HV2.Caption}, {7, Lbl_HV3.Caption},
                   {9, Lbl_V1.Caption},  {10, Lbl_V2.Caption}, {11, Lbl_Rnd.Caption}};

  for (TParamSlider* s : {&WE, &HE, &HV1, &HV2, &HV3, &V1, &V2}) s->Wire();
  HueRange.Wire();
  Seed.Wire();

  HelpOnClick(Lbl_WE, Aide1, Aide_Unforeseeable);
  HelpOnClick(Lbl_HE, Aide1, Aide_Unforeseeable);
  HelpOnClick(Lbl_Hue_Rng, Aide1, "Hue range (depends on variant 1,2 and 3)",
              "Fourchette de teintes (dépend des variantes 1,2 et 3)");
  for (TLabel* l : {&Lbl_HV1, &Lbl_HV2, &Lbl_HV3}) HelpOnClick(*l, Aide1, Aide_HueVariant);
  for (TLabel* l : {&Lbl_V1, &Lbl_V2}) HelpOnClick(*l, Aide1, Aide_SlightModify);
  HelpOnClick(Lbl_Rnd, Aide1, Aide_RandomSeed);

  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T007_ShowHelp();
    for (TParamSlider* s : {&WE, &HE, &HV1, &HV2, &HV3, &V1, &V2}) s->Load();
    HueRange.Load();
    Seed.Load();
  };
}

}  // namespace quillon
