#include "modules/textures/Prm_T013.h"

#include "engine/Instances.h"
#include "shell/Help.h"
#include "shell/ParamControls.h"
#include "shell/Sliders.h"
#include "shell/widgets/Canvas.h"

namespace quillon {

TP_T013* P_T013 = nullptr;

void Prm_T013_CreateForm() { CreateForm(P_T013); }

void T013_ShowHelp() { ShowHelpText(P_T013->Aide1, "Bark texture", "Texture d'\u00e9corce"); }

TP_T013::TP_T013()
    : ranges_{{1, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max}, {3, &Scroll_Bar_Sat, &Ed_Sat_Min, &Ed_Sat_Max}},
      variant_{6, &Img_Variant, &Ed_Variant, 18, false},
      // Both seeds keep to 0..1050, wider than their stored range 0..1000.
      seeds_{{9, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 8, 1, true, 0, 1050},
             {10, &Img_RndB1, &Img_RndB2, &Ed_RndB, 10, 8, 1, true, 0, 1050}} {
  Name = "P_T013";
  Caption = "Textures > Wood > Bark";
  StayOnTop = true;
  ComboBox1.Items = {"Vertical", "Horizontal", "Top/Left Bottom/Right", "Top/Rigth Bottom/Left"};

  // Panels from top to bottom: hue range; saturation range; orientation with
  // the variant to its right; seed 1 and seed 2; the help label.
  int y = 8;
  PlaceRangePanel(y, Lbl_Hue_Min, "Hue Min", Ed_Hue_Min, Lbl_Hue_Max, "Hue Max", Ed_Hue_Max, Hue_Image,
                  Scroll_Bar_Hue);
  Place(Panel_Sat, 300, y, 96, 24 + Sat_Image.Height + Scroll_Bar_Sat.Height);
  PlaceRangePanel(y, Lbl_Sat_Min, "Saturation Min", Ed_Sat_Min, Lbl_Sat_Max, "Saturation Max", Ed_Sat_Max, Sat_Image,
                  Scroll_Bar_Sat);
  PlaceLabel(Lbl_Orientation, "Orientation", 8, y + 3);
  Place(ComboBox1, 8, y + 24, 170, 21);
  PlaceSliderPanel(y, 200, Lbl_Variant, "Variant", Ed_Variant, Img_Variant);
  y += 14;  // the combo box stands taller than the slider
  Place(Panel_Seeds, 250, y, 146, 2 * (24 + Img_RndA1.Height) + 10);
  PlaceSplitPanel(y, 8, Lbl_RndA, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  PlaceSplitPanel(y, 8, Lbl_RndB, "Random Seed 2", Ed_RndB, Img_RndB1, Img_RndB2);
  ParamCaptions = {{1, Lbl_Hue_Min.Caption}, {2, Lbl_Hue_Max.Caption},     {3, Lbl_Sat_Min.Caption},
                   {4, Lbl_Sat_Max.Caption}, {6, Lbl_Variant.Caption},     {7, Lbl_Orientation.Caption},
                   {9, Lbl_RndA.Caption},    {10, Lbl_RndB.Caption}};
  Panel_Help.Color = clNavy;
  Place(Panel_Help, 8, y, 388, 34);
  Place(Aide1, 10, y + 2, 384, 30);
  Width = 404;
  Height = y + 34 + 40;  // the help panel and the window frame

  for (TParamRangeBar& r : ranges_) r.Wire();
  variant_.Wire();
  for (TParamSplitSlider& s : seeds_) s.Wire();
  // The combo box stores its item index (-1 for a typed text that matches no
  // item) and marks the texture changed.
  ComboBox1.OnChange = [this] { ControlParam(CurrentInstance, 7, ComboBox1); };
  ParamLimits[7] = {0, static_cast<int32_t>(ComboBox1.Items.size()) - 1};

  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  // The form's own sentences, with a lower-case "saturation".
  HelpOnClick(Lbl_Sat_Min, Aide1, "Minimum saturation channel value", "Valeur minimale du canal saturation");
  HelpOnClick(Lbl_Sat_Max, Aide1, "Maximum saturation channel value", "Valeur maximale du canal saturation");
  HelpOnClick(Lbl_Orientation, Aide1, "Bark orientation", "Orientation de l'\u00e9corce");
  HelpOnClick(Lbl_Variant, Aide1, Aide_SlightModify);
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  HelpOnClick(Lbl_RndB, Aide1, Aide_RandomSeed);

  // Centred over the main window, with no shift away from the module window.
  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T013_ShowHelp();
    LoadControlParam(CurrentInstance, 7, ComboBox1);
    DrawHueBar(Hue_Image, 0);
    ranges_[0].Load();
    DrawSatBar(Sat_Image, 128);
    ranges_[1].Load();
    for (TParamSplitSlider& s : seeds_) s.Load();
    variant_.Load();
  };
}

}  // namespace quillon
