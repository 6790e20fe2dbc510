#include "modules/textures/Prm_T016.h"

#include "shell/Help.h"
#include "shell/Sliders.h"

namespace quillon {

TP_T016* P_T016 = nullptr;

void Prm_T016_CreateForm() { CreateForm(P_T016); }

void T016_ShowHelp() { ShowHelpText(P_T016->Aide1, "Coral texture", "Texture de corail"); }

TP_T016::TP_T016() {
  Name = "P_T016";
  Caption = "Textures > Nature > Coral";
  Width = 399;
  Height = 292;
  StayOnTop = true;

  int top = 8;
  PlaceRangePanel(top, Lbl_Hue_Min, "Hue Min", Ed_Hue_Min, Lbl_Hue_Max, "Hue Max", Ed_Hue_Max, Hue_Image,
                  Scroll_Bar_Hue);
  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  Hue = {1, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max};
  Hue.Wire();

  // "Width Effect" and "Height Effect" side by side.
  int rowTop = top;
  PlaceSliderPanel(rowTop, 8, Lbl_Width, "Width Effect", Ed_Width, Img_Width);
  PlaceSliderPanel(top, 200, Lbl_Height, "Height Effect", Ed_Height, Img_Height);
  HelpOnClick(Lbl_Width, Aide1, "Width effect", "Variation en largeur");
  HelpOnClick(Lbl_Height, Aide1, "Height effect", "Variation en hauteur");
  // Mouse up puts the marker back on the value's own position.
  Effects[0] = {6, &Img_Width, &Ed_Width, 8, true};
  Effects[1] = {7, &Img_Height, &Ed_Height, 8, true};
  for (TParamScaledSlider& s : Effects) s.Wire();

  PlaceSliderPanel(top, 8, Lbl_V1, "Variant 1", Ed_V1, Img_V1);
  HelpOnClick(Lbl_V1, Aide1, Aide_SlightModify);
  Variant = {4, &Img_V1, &Ed_V1};
  Variant.Wire();

  PlaceSplitPanel(top, 8, Lbl_RndA, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  // The form's own limits, 0..1050, wider than the stored range 0..1000.
  Seed = {10, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 23, 1, true, 0, 1050};
  Seed.Wire();

  // The command line lists the values under these captions.
  ParamCaptions = {{1, Lbl_Hue_Min.Caption}, {2, Lbl_Hue_Max.Caption},  {4, Lbl_V1.Caption},
                   {6, Lbl_Width.Caption},   {7, Lbl_Height.Caption}, {10, Lbl_RndA.Caption}};

  Place(Aide1, 8, top, 380, 30);

  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T016_ShowHelp();
    DrawHueBar(Hue_Image, 0);
    Hue.Load();
    for (TParamScaledSlider& s : Effects) s.Load();
    Variant.Load();
    Seed.Load();
  };
}

}  // namespace quillon
