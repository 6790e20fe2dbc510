// The parameter form of "Neurons": the offsets, the hue range and the three
// hue variants, the two luminosity variants, the seed and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T007 : public TForm {
 public:
  TP_T007();

  // "Width Effect" (1), "Height Effect" (2).
  TLabel Lbl_WE, Lbl_HE;
  TImage Img_WE{120, 10}, Img_HE{120, 10};
  TEdit Ed_WE, Ed_HE;
  // "Hue Range" (4), 7 pixels per unit.
  TLabel Lbl_Hue_Rng;
  TImage Img_Hue_Rng{370, 10};
  TEdit Ed_Hue_Rng;
  // "Hue Variant 1" .. "3" (5, 6, 7).
  TLabel Lbl_HV1, Lbl_HV2, Lbl_HV3;
  TImage Img_HV1{380, 10}, Img_HV2{380, 10}, Img_HV3{380, 10};
  TEdit Ed_HV1, Ed_HV2, Ed_HV3;
  // "Variant 1" (9), "Variant 2" (10).
  TLabel Lbl_V1, Lbl_V2;
  TImage Img_V1{140, 10}, Img_V2{140, 10};
  TEdit Ed_V1, Ed_V2;
  // "Random Seed" (11): units 0..99 and hundreds, 23 pixels per hundred.
  TLabel Lbl_Rnd;
  TImage Img_Rnd1{120, 10}, Img_Rnd2{250, 10};
  TEdit Ed_Rnd;

  TLabel Aide1;

  TParamSlider WE, HE, HV1, HV2, HV3, V1, V2;
  TParamScaledSlider HueRange;
  TParamSplitSlider Seed;
};

extern TP_T007* P_T007;

// "Neurons texture ?!?" in Aide1 (French when LanguageFlag is not 1).
void T007_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T007_CreateForm();

}  // namespace quillon
