// The parameter form of "Microbes": rectangle size and density, the hue
// window over the hue picture, hue and luminosity variants, the darkening
// switch, the seed and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T003 : public TForm {
 public:
  TP_T003();

  // Largest rectangle width and height (parameters 1, 2), 10 pixels per unit.
  TLabel Lbl_WF, Lbl_HF;
  TImage Img_WF{120, 10}, Img_HF{120, 10};
  TEdit Ed_WF, Ed_HF;
  // "Density" (3): units 0..99 and hundreds, 1 pixel per hundred.
  TLabel Lbl_Dnst;
  TImage Img_Dnst1{120, 10}, Img_Dnst2{250, 10};
  TEdit Ed_Dnst;
  // Hue window (5, 6) over the hue picture.
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;
  // "Hue Variant" (7), "Luminosity Variant 1" (9) and "2" (10).
  TLabel Lbl_HV, Lbl_LV1, Lbl_LV2;
  TImage Img_HV{380, 10}, Img_LV1{276, 10}, Img_LV2{276, 10};
  TEdit Ed_HV, Ed_LV1, Ed_LV2;
  // "Variant" (11), 75 pixels per unit.
  TLabel Lbl_Variant;
  TImage Img_Variant{100, 10};
  TEdit Ed_Variant;
  // "Random Seed" (13): units 0..99 and hundreds, 22 pixels per hundred.
  TLabel Lbl_Rnd;
  TImage Img_Rnd1{120, 10}, Img_Rnd2{240, 10};
  TEdit Ed_Rnd;

  TLabel Aide1;

  TParamScaledSlider WF, HF, Variant;
  TParamSplitSlider Density, Seed;
  TParamRangeBar HueRange;
  TParamSlider HV, LV1, LV2;
};

extern TP_T003* P_T003;

// "Microbes texture ?!?" in Aide1 (French when LanguageFlag is not 1).
void T003_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T003_CreateForm();

}  // namespace quillon
