// The parameter form of "Roughcast": range bars over the hue, saturation and
// luminosity pictures for the bounds of the noise, three scaled sliders for
// the variants, two seed sliders and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T012 : public TForm {
 public:
  TP_T012();

  // Hue range (parameters 1, 2) over the hue picture.
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;
  // Saturation range (3, 4).
  TLabel Lbl_Sat_Min, Lbl_Sat_Max;
  TImage Sat_Image{280, 12};
  TImage Scroll_Bar_Sat{280, 10};
  TEdit Ed_Sat_Min, Ed_Sat_Max;
  // Luminosity range (5, 6).
  TLabel Lbl_Lum_Min, Lbl_Lum_Max;
  TImage Lum_Image{280, 12};
  TImage Scroll_Bar_Lum{280, 10};
  TEdit Ed_Lum_Min, Ed_Lum_Max;

  // Variants 1, 2, 3 (8, 9, 10): 11, 100 and 5 pixels per unit.
  TLabel Lbl_V1, Lbl_V2, Lbl_V3;
  TImage Img_V1{130, 10}, Img_V2{130, 10}, Img_V3{130, 10};
  TEdit Ed_V1, Ed_V2, Ed_V3;

  // Random seeds 1 and 2 (11, 12): units 0..99 and hundreds 0..10, 23 pixels each.
  TLabel Lbl_RndA, Lbl_RndB;
  TImage Img_RndA1{120, 10}, Img_RndA2{250, 10};
  TImage Img_RndB1{120, 10}, Img_RndB2{250, 10};
  TEdit Ed_RndA, Ed_RndB;

  TLabel Aide1;

 private:
  TParamRangeBar ranges_[3];
  TParamScaledSlider variants_[3];
  TParamSplitSlider seeds_[2];
};

extern TP_T012* P_T012;

// "Roughcast texture" in Aide1 (French when LanguageFlag is not 1).
void T012_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T012_CreateForm();

}  // namespace quillon
