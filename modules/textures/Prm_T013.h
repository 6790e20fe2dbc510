// The parameter form of "Bark": range bars over the hue and saturation
// pictures for the noise, the orientation of the second twigs, the variant
// that sets their number, two seed sliders and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T013 : public TForm {
 public:
  TP_T013();

  // Hue range (parameters 1, 2) over the hue picture.
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;
  // Saturation range (3, 4), an empty panel to its right.
  TLabel Lbl_Sat_Min, Lbl_Sat_Max;
  TImage Sat_Image{280, 12};
  TImage Scroll_Bar_Sat{280, 10};
  TEdit Ed_Sat_Min, Ed_Sat_Max;
  TPanel Panel_Sat;

  // Orientation of the second twigs (7): "Vertical", "Horizontal",
  // "Top/Left Bottom/Right", "Top/Rigth Bottom/Left".
  TLabel Lbl_Orientation;
  TComboBox ComboBox1;
  // Variant (6): 18 pixels per unit.
  TLabel Lbl_Variant;
  TImage Img_Variant{190, 10};
  TEdit Ed_Variant;

  // Random seeds 1 and 2 (9, 10): units 0..99 and hundreds 0..10, 8 pixels
  // each; an empty panel to their right.
  TLabel Lbl_RndA, Lbl_RndB;
  TImage Img_RndA1{120, 10}, Img_RndA2{100, 10};
  TImage Img_RndB1{120, 10}, Img_RndB2{100, 10};
  TEdit Ed_RndA, Ed_RndB;
  TPanel Panel_Seeds;

  // The help label in its navy frame.
  TPanel Panel_Help;
  TLabel Aide1;

 private:
  TParamRangeBar ranges_[2];
  TParamScaledSlider variant_;
  TParamSplitSlider seeds_[2];
};

extern TP_T013* P_T013;

// "Bark texture" in Aide1 (French when LanguageFlag is not 1).
void T013_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T013_CreateForm();

}  // namespace quillon
