#include "modules/textures/Prm_T003.h"

#include "shell/Help.h"
#include "shell/Sliders.h"

namespace quillon {

TP_T003* P_T003 = nullptr;

void Prm_T003_CreateForm() { CreateForm(P_T003); }

void T003_ShowHelp() { ShowHelpText(P_T003->Aide1, "Microbes texture ?!?", "Texture de microbes ?!?"); }

TP_T003::TP_T003()
    // The scaled sliders reach one pixel past their maximum and snap to the
    // value when the mouse is released.
    : WF{1, &Img_WF, &Ed_WF, 10, true, 1},
      HF{2, &Img_HF, &Ed_HF, 10, true, 1},
      Variant{11, &Img_Variant, &Ed_Variant, 75, true, 1},
      // Both two-bar sliders stay within their parameter's range; their
      // hundreds bars reach the hundreds of its maximum.
      Density{3, &Img_Dnst1, &Img_Dnst2, &Ed_Dnst, 0, 1},
      Seed{13, &Img_Rnd1, &Img_Rnd2, &Ed_Rnd, 0, 22},
      HueRange{5, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max},
      HV{7, &Img_HV, &Ed_HV},
      LV1{9, &Img_LV1, &Ed_LV1},
      LV2{10, &Img_LV2, &Ed_LV2} {
  Name = "P_T003";
  Caption = "Textures > Misc > Microbes";
  Width = 397;
  Height = 462;
  StayOnTop = true;
  Density.HundredsFromRange = Seed.HundredsFromRange = true;

  // Rows from top to bottom; each label has its edit at the right and its
  // bar(s) below it.
  PlaceLabel(Lbl_WF, "Width Factor", 8, 8, 130);
  Place(Ed_WF, 140, 4, 35, 21);
  Place(Img_WF, 8, 28, Img_WF.Width, 10);
  PlaceLabel(Lbl_HF, "Height Factor", 200, 8, 130);
  Place(Ed_HF, 332, 4, 35, 21);
  Place(Img_HF, 200, 28, Img_HF.Width, 10);

  PlaceLabel(Lbl_Dnst, "Density", 8, 48, 130);
  Place(Ed_Dnst, 140, 44, 50, 21);
  Place(Img_Dnst1, 8, 68, Img_Dnst1.Width, 10);
  Place(Img_Dnst2, 138, 68, Img_Dnst2.Width, 10);

  PlaceLabel(Lbl_Hue_Min, "Hue Min", 8, 90, 130);
  Place(Ed_Hue_Min, 140, 86, 35, 21);
  PlaceLabel(Lbl_Hue_Max, "Hue Max", 200, 90, 130);
  Place(Ed_Hue_Max, 332, 86, 35, 21);
  Place(Hue_Image, 8, 110, Hue_Image.Width, Hue_Image.Height);
  Place(Scroll_Bar_Hue, 8, 122, Scroll_Bar_Hue.Width, 10);

  PlaceLabel(Lbl_HV, "Hue Variant", 8, 142, 130);
  Place(Ed_HV, 140, 138, 35, 21);
  Place(Img_HV, 8, 162, Img_HV.Width, 10);

  PlaceLabel(Lbl_LV1, "Luminosity Variant 1", 8, 182, 130);
  Place(Ed_LV1, 300, 178, 35, 21);
  Place(Img_LV1, 8, 202, Img_LV1.Width, 10);
  PlaceLabel(Lbl_LV2, "Luminosity Variant 2", 8, 222, 130);
  Place(Ed_LV2, 300, 218, 35, 21);
  Place(Img_LV2, 8, 242, Img_LV2.Width, 10);

  PlaceLabel(Lbl_Variant, "Variant", 8, 262, 130);
  Place(Ed_Variant, 140, 258, 35, 21);
  Place(Img_Variant, 8, 282, Img_Variant.Width, 10);

  PlaceLabel(Lbl_Rnd, "Random Seed", 8, 302, 130);
  Place(Ed_Rnd, 140, 298, 50, 21);
  Place(Img_Rnd1, 8, 322, Img_Rnd1.Width, 10);
  Place(Img_Rnd2, 138, 322, Img_Rnd2.Width, 10);

  Place(Aide1, 8, 350, 380, 60);
  ParamCaptions = {{1, Lbl_WF.Caption},       {2, Lbl_HF.Caption},  {3, Lbl_Dnst.Caption},  {5, Lbl_Hue_Min.Caption},
                   {6, Lbl_Hue_Max.Caption},  {7, Lbl_HV.Caption},  {9, Lbl_LV1.Caption},   {10, Lbl_LV2.Caption},
                   {11, Lbl_Variant.Caption}, {13, Lbl_Rnd.Caption}};

  for (TParamScaledSlider* s : {&WF, &HF, &Variant}) s->Wire();
  Density.Wire();
  Seed.Wire();
  HueRange.Wire();
  for (TParamSlider* s : {&HV, &LV1, &LV2}) s->Wire();

  HelpOnClick(Lbl_WF, Aide1, "Microbe Width", "Largeur des microbes");
  HelpOnClick(Lbl_HF, Aide1, "Microbe Height", "Hauteur des microbes");
  HelpOnClick(Lbl_Dnst, Aide1, "Microbes density", "Densité de microbes");
  HelpOnClick(Lbl_Variant, Aide1, Aide_SlightModify);
  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  HelpOnClick(Lbl_HV, Aide1, Aide_HueVariant);
  HelpOnClick(Lbl_LV1, Aide1, Aide_LumVariant);
  HelpOnClick(Lbl_LV2, Aide1, Aide_LumVariant);
  HelpOnClick(Lbl_Rnd, Aide1, Aide_RandomSeed);

  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T003_ShowHelp();
    for (TParamScaledSlider* s : {&WF, &HF, &Variant}) s->Load();
    Density.Load();
    DrawHueBar(Hue_Image, 0);
    HueRange.Load();
    for (TParamSlider* s : {&HV, &LV1, &LV2}) s->Load();
    Seed.Load();
  };
}

}  // namespace quillon
