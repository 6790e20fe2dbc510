// The parameter form of "Red Swimming Pool": three hue sliders, one
// saturation and two luminosity sliders, the seed's two-bar slider and the
// help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T001 : public TForm {
 public:
  TP_T001();

  TLabel Lbl_HueGroup, Lbl_SatGroup, Lbl_LumGroup;
  // "Hue Variants": parameters 1, 2, 3.
  TLabel Lbl_V1, Lbl_V2, Lbl_V3;
  TImage Img_V1{380, 10}, Img_V2{380, 10}, Img_V3{380, 10};
  TEdit Ed_V1, Ed_V2, Ed_V3;
  // "Saturation Variant": parameter 5.
  TLabel Lbl_V4;
  TImage Img_V4{276, 10};
  TEdit Ed_V4;
  // "Luminosity Variants": parameters 7, 8.
  TLabel Lbl_V5, Lbl_V6;
  TImage Img_V5{276, 10}, Img_V6{276, 10};
  TEdit Ed_V5, Ed_V6;
  // "Random Seed": parameter 10, units and hundreds.
  TLabel Lbl_Rnd;
  TImage Img_Rnd1{120, 10}, Img_Rnd2{260, 10};
  TEdit Ed_Rnd;

  TLabel Aide1;

  TParamSlider Sliders[6];
  TParamSplitSlider Seed;
};

extern TP_T001* P_T001;

// "Red Swimming Pool texture !?!" in Aide1 (French when LanguageFlag is not 1).
void T001_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T001_CreateForm();

}  // namespace quillon
