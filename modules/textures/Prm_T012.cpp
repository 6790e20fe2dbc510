#include "modules/textures/Prm_T012.h"

#include "shell/Help.h"
#include "shell/Sliders.h"

namespace quillon {

TP_T012* P_T012 = nullptr;

void Prm_T012_CreateForm() { CreateForm(P_T012); }

void T012_ShowHelp() { ShowHelpText(P_T012->Aide1, "Roughcast texture", "Texture de cr\u00e9pis"); }

TP_T012::TP_T012()
    : ranges_{{1, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max},
              {3, &Scroll_Bar_Sat, &Ed_Sat_Min, &Ed_Sat_Max},
              {5, &Scroll_Bar_Lum, &Ed_Lum_Min, &Ed_Lum_Max}},
      // The markers snap to the value's position when the button is released.
      variants_{{8, &Img_V1, &Ed_V1, 11, true}, {9, &Img_V2, &Ed_V2, 100, true}, {10, &Img_V3, &Ed_V3, 5, true}},
      // Both seeds keep to 0..1050, wider than their stored range 0..1000.
      seeds_{{11, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 23, 1, true, 0, 1050},
             {12, &Img_RndB1, &Img_RndB2, &Ed_RndB, 10, 23, 1, true, 0, 1050}} {
  Name = "P_T012";
  Caption = "Textures > Materials > Roughcast";
  StayOnTop = true;

  // Panels from top to bottom: hue range, saturation range, luminosity
  // range, the three variants side by side, seed 1, seed 2, the help label.
  int y = 8;
  PlaceRangePanel(y, Lbl_Hue_Min, "Hue Min", Ed_Hue_Min, Lbl_Hue_Max, "Hue Max", Ed_Hue_Max, Hue_Image,
                  Scroll_Bar_Hue);
  PlaceRangePanel(y, Lbl_Sat_Min, "Saturation Min", Ed_Sat_Min, Lbl_Sat_Max, "Saturation Max", Ed_Sat_Max, Sat_Image,
                  Scroll_Bar_Sat);
  PlaceRangePanel(y, Lbl_Lum_Min, "Luminosity Min", Ed_Lum_Min, Lbl_Lum_Max, "Luminosity Max", Ed_Lum_Max, Lum_Image,
                  Scroll_Bar_Lum);
  const int variantsTop = y;
  for (int v = 0; v < 3; ++v) {
    static const char* const captions[3] = {"Variant 1", "Variant 2", "Variant 3"};
    TLabel* labels[3] = {&Lbl_V1, &Lbl_V2, &Lbl_V3};
    y = variantsTop;
    PlaceSliderPanel(y, 8 + 160 * v, *labels[v], captions[v], *variants_[v].Edit, *variants_[v].Bar);
    HelpOnClick(*labels[v], Aide1, Aide_SlightModify);
  }
  PlaceSplitPanel(y, 8, Lbl_RndA, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  PlaceSplitPanel(y, 8, Lbl_RndB, "Random Seed 2", Ed_RndB, Img_RndB1, Img_RndB2);
  ParamCaptions = {{1, Lbl_Hue_Min.Caption}, {2, Lbl_Hue_Max.Caption}, {3, Lbl_Sat_Min.Caption},
                   {4, Lbl_Sat_Max.Caption}, {5, Lbl_Lum_Min.Caption}, {6, Lbl_Lum_Max.Caption},
                   {8, Lbl_V1.Caption},      {9, Lbl_V2.Caption},      {10, Lbl_V3.Caption},
                   {11, Lbl_RndA.Caption},   {12, Lbl_RndB.Caption}};
  Place(Aide1, 8, y, 464, 30);
  Width = 484;
  Height = y + 30 + 40;  // the help label and the window frame

  for (TParamRangeBar& r : ranges_) r.Wire();
  for (TParamScaledSlider& s : variants_) s.Wire();
  for (TParamSplitSlider& s : seeds_) s.Wire();

  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  // The form's own sentences, with a lower-case "saturation".
  HelpOnClick(Lbl_Sat_Min, Aide1, "Minimum saturation channel value", "Valeur minimale du canal saturation");
  HelpOnClick(Lbl_Sat_Max, Aide1, "Maximum saturation channel value", "Valeur maximale du canal saturation");
  HelpOnClick(Lbl_Lum_Min, Aide1, Aide_LumMin);
  HelpOnClick(Lbl_Lum_Max, Aide1, Aide_LumMax);
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  HelpOnClick(Lbl_RndB, Aide1, Aide_RandomSeed);

  // Centred over the main window, with no shift away from the module window.
  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T012_ShowHelp();
    DrawHueBar(Hue_Image, 0);
    DrawSatBar(Sat_Image, 128);
    DrawLumBar(Lum_Image, 128);
    for (TParamRangeBar& r : ranges_) r.Load();
    for (TParamScaledSlider& s : variants_) s.Load();
    for (TParamSplitSlider& s : seeds_) s.Load();
  };
}

}  // namespace quillon
