// The parameter form of "Plank": the range bar over the hue picture for the
// final hue stretch, the orientation of the gradients, two seed sliders and
// the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T014 : public TForm {
 public:
  TP_T014();

  // Hue range (parameters 1, 2) over the hue picture.
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;

  // Orientation of the gradients (4): "Vertical", "Horizontal".
  TLabel Lbl_Orientation;
  TComboBox ComboBox1;

  // Random seeds 1 and 2 (6, 7): units 0..99 and hundreds 0..10, 8 pixels
  // each; an empty panel to the right of them and of the orientation.
  TLabel Lbl_RndA, Lbl_RndB;
  TImage Img_RndA1{120, 10}, Img_RndA2{100, 10};
  TImage Img_RndB1{120, 10}, Img_RndB2{100, 10};
  TEdit Ed_RndA, Ed_RndB;
  TPanel Panel_Right;

  // The help label in its navy frame.
  TPanel Panel_Help;
  TLabel Aide1;

 private:
  TParamRangeBar hue_;
  TParamSplitSlider seeds_[2];
};

extern TP_T014* P_T014;

// "Plank texture" in Aide1 (French when LanguageFlag is not 1).
void T014_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T014_CreateForm();

}  // namespace quillon
