// The parameter form of "Corn": grain size and its variation, grain hue over
// the hue picture and its variation, saturation and luminosity noise, the
// seed's two-bar slider and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T018 : public TForm {
 public:
  TP_T018();

  // "Size": parameter 1, one pixel per unit.
  TLabel Label11;
  TImage Img_Size{392, 10};
  TEdit Ed_Size;
  // "Size Variation": parameter 2, 36 pixels per unit.
  TLabel Label9;
  TImage Img_Size_Var{382, 10};
  TEdit Ed_Size_Var;
  TPanel Separator1;
  // "Hue": parameter 4 over the hue picture.
  TLabel Label6;
  TImage Hue_Image{380, 12};
  TImage Img_Hue{380, 10};
  TEdit Ed_Hue;
  // "Hue Variation": parameter 5, 12 pixels per unit.
  TLabel Label10;
  TImage Img_Hue_Var{382, 10};
  TEdit Ed_Hue_Var;
  TPanel Separator2;
  // "Saturation Noise" and "Luminosity Noise": parameters 7 and 8, 8 pixels per unit.
  TLabel Label1, Label2;
  TImage Img_SN{182, 10}, Img_LN{182, 10};
  TEdit Ed_SN, Ed_LN;
  // "Random Seed": parameter 10, units 0..99 and hundreds 0..10 at 24 pixels.
  TLabel Label17;
  TImage Img_RndA1{120, 10}, Img_RndA2{262, 10};
  TEdit Ed_RndA;

  TLabel Aide1;

  TParamSlider Size, Hue;
  TParamScaledSlider SizeVariation, HueVariation, SatNoise, LumNoise;
  TParamSplitSlider Seed;
};

extern TP_T018* P_T018;

// The form's general help in Aide1 (French when LanguageFlag is not 1).
void T018_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T018_CreateForm();

}  // namespace quillon
