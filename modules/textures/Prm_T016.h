// The parameter form of "Coral": the hue range bar over the hue picture, the
// "Width Effect" and "Height Effect" sliders, "Variant 1", the seed's two-bar
// slider and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T016 : public TForm {
 public:
  TP_T016();

  // Hue range (parameters 1, 2) over the hue picture.
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TEdit Ed_Hue_Min, Ed_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  // "Width Effect" (6) and "Height Effect" (7): 8 pixels per unit.
  TLabel Lbl_Width, Lbl_Height;
  TImage Img_Width{180, 10}, Img_Height{180, 10};
  TEdit Ed_Width, Ed_Height;
  // "Variant 1" (4).
  TLabel Lbl_V1;
  TImage Img_V1{380, 10};
  TEdit Ed_V1;
  // "Random Seed 1" (10): units 0..99, hundreds 0..10 at 23 pixels each.
  TLabel Lbl_RndA;
  TImage Img_RndA1{120, 10}, Img_RndA2{250, 10};
  TEdit Ed_RndA;

  TLabel Aide1;

  TParamRangeBar Hue;
  TParamScaledSlider Effects[2];
  TParamSlider Variant;
  TParamSplitSlider Seed;
};

extern TP_T016* P_T016;

// "Coral texture" in Aide1 (French when LanguageFlag is not 1).
void T016_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T016_CreateForm();

}  // namespace quillon
