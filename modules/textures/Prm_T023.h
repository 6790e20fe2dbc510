// The parameter form of "Inside The Body": the "Variant" slider of extra
// blobs, the seed's two-bar slider and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T023 : public TForm {
 public:
  TP_T023();

  // "Variant": parameter 1, 4 pixels per unit.
  TLabel Label6;
  TImage Img_Density{424, 10};
  TEdit Ed_Density;
  // "Random Seed": parameter 2, units 0..99 and hundreds 0..15 at 18 pixels.
  TLabel Title9;
  TImage Img_Rnd1{120, 10}, Img_Rnd2{292, 10};
  TEdit Ed_Rnd;

  TLabel Aide1;

  TParamScaledSlider Density;
  TParamSplitSlider Seed;
};

extern TP_T023* P_T023;

// Empties Aide1.
void T023_ClearHelp();
// Aide1 shows "\"Inside the body\"" (the same text in both languages).
void T023_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T023_CreateForm();

}  // namespace quillon
