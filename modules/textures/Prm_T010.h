// The parameter form of "Rainbow Bananas", shared in layout, controls,
// handlers and help texts with the one of "Blue Gold Rings": four variant
// sliders, the period sliders "Width" and "Height", the seed's two-bar
// slider, the "Shape" boxes and two help labels.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class THuePatternForm : public TForm {
 public:
  explicit THuePatternForm(const char* FormName, const char* FormCaption);

  // "Variant 1" .. "Variant 4": parameters 1 to 4.
  TLabel Label11, Label12, Label13, Label14;
  TImage Img_V1{220, 10}, Img_V2{220, 10}, Img_V3{220, 10}, Img_V4{220, 10};
  TEdit Ed_V1, Ed_V2, Ed_V3, Ed_V4;
  TPanel Separator;
  // "Width" (8) and "Height" (9): 4 pixels per period.
  TLabel Label4, Label1;
  TImage Img_Width{100, 10}, Img_Height{100, 10};
  TEdit Ed_Width, Ed_Height;
  // "Random Seed 1" (10): units 0..99, hundreds 0..10 at 8 pixels each.
  TLabel Label17;
  TImage Img_RndA1{120, 10}, Img_RndA2{100, 10};
  TEdit Ed_RndA;
  // "Shape" (6): boxes for 1..4, beside an empty panel.
  TLabel Label6;
  TImage Img_Shape{70, 10};
  TPanel EmptyPanel;

  TLabel Aide1, Aide2;

  TParamSlider Variants[4];
  TParamScaledSlider Periods[2];
  TParamSplitSlider Seed;
  TParamBoxes Shape;

  // Both help labels emptied, then the form's general help.
  void ShowHelp();
};

class TP_T010 : public THuePatternForm {
 public:
  TP_T010();
};

extern TP_T010* P_T010;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T010_CreateForm();

}  // namespace quillon
