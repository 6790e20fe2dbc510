// The parameter form of "Lozenge Distortion": range bars over the hue,
// saturation and luminosity pictures, scaled sliders for the three walk
// steps, two-bar sliders for the region sizes and the seed, three boxes for
// the blur radius, and the help label.
#pragma once

#include <cstdint>

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T017 : public TForm {
 public:
  TP_T017();

  // Hue range (parameters 1, 2) over the hue picture, hue step (3).
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Hue_Image{380, 12};
  TImage Scroll_Bar_Hue{380, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;
  TLabel Lbl_Hue_V;
  TImage Img_Hue_V{370, 10};
  TEdit Ed_Hue_V;

  // Saturation range (4, 5) and step (6).
  TLabel Lbl_Sat_Min, Lbl_Sat_Max;
  TImage Sat_Image{380, 12};
  TImage Scroll_Bar_Sat{380, 10};
  TEdit Ed_Sat_Min, Ed_Sat_Max;
  TLabel Lbl_Sat_V;
  TImage Img_Sat_V{370, 10};
  TEdit Ed_Sat_V;

  // Luminosity range (7, 8) and step (9).
  TLabel Lbl_Lum_Min, Lbl_Lum_Max;
  TImage Lum_Image{380, 12};
  TImage Scroll_Bar_Lum{380, 10};
  TEdit Ed_Lum_Min, Ed_Lum_Max;
  TLabel Lbl_Lum_V;
  TImage Img_Lum_V{370, 10};
  TEdit Ed_Lum_V;

  // Region sizes (11, 12): units 0..99 and hundreds 0..50, 4 pixels each.
  TLabel Lbl_Min_S;
  TImage Img_Min_S1{120, 10}, Img_Min_S2{220, 10};
  TEdit Ed_Min_S;
  TLabel Lbl_Max_S;
  TImage Img_Max_S1{120, 10}, Img_Max_S2{220, 10};
  TEdit Ed_Max_S;

  // Random seed (14): units 0..99 and hundreds 0..10, 14 pixels each.
  TLabel Lbl_RndA;
  TImage Img_RndA1{120, 10}, Img_RndA2{160, 10};
  TEdit Ed_RndA;

  // Blur radius (13): boxes for 0, 1, 2.
  TLabel Lbl_Algo;
  TImage Img_Algo{50, 10};

  TLabel Aide1;

 private:
  TParamRangeBar ranges_[3];
  TParamScaledSlider steps_[3];
  TParamSplitSlider splits_[3];  // min size, max size, seed
  int32_t blur_ = 0;

  void LoadControls();
  void Layout();
};

extern TP_T017* P_T017;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T017_CreateForm();

}  // namespace quillon
