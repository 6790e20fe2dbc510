// The parameter form of "Aliens Skins": the planet list, the two modifier
// colour swatches, six colour-balance sliders, two seeds and the help label.
#pragma once

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T006 : public TForm {
 public:
  TP_T006();

  // "Planet": parameter 1, the item index of the list.
  TLabel Lbl_Planet;
  TComboBox ComboBox1;
  // "Modifier colors": colour parameters 1 and 2.
  TLabel Lbl_Colors;
  TPanel Panel_Color1, Panel_Color2;
  // "Variant 1" .. "Variant 6": parameters 3..8.
  TLabel Lbl_V1, Lbl_V2, Lbl_V3, Lbl_V4, Lbl_V5, Lbl_V6;
  TImage Img_V1{222, 10}, Img_V2{222, 10}, Img_V3{222, 10}, Img_V4{222, 10}, Img_V5{222, 10}, Img_V6{222, 10};
  TEdit Ed_V1, Ed_V2, Ed_V3, Ed_V4, Ed_V5, Ed_V6;
  // "Random Seed 1" and "Random Seed 2": parameters 9 and 10, units 0..99
  // and hundreds 0..10 at 8 pixels.
  TLabel Lbl_RndA, Lbl_RndB;
  TImage Img_RndA1{120, 10}, Img_RndA2{102, 10}, Img_RndB1{120, 10}, Img_RndB2{102, 10};
  TEdit Ed_RndA, Ed_RndB;

  TLabel Aide1;

  TParamColorPanel Colors[2];
  TParamSlider Variants[6];
  TParamSplitSlider Seeds[2];
};

extern TP_T006* P_T006;

// "Could be a kind of aliens skin ???" in Aide1 (French when LanguageFlag is not 1).
void T006_ShowHelp();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T006_CreateForm();

}  // namespace quillon
