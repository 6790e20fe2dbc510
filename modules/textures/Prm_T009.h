// The parameter form of "Rough Paper": the "Hue Variant" slider, the seed's
// two-bar slider (0..1050 on the form), the colour panel and the help label.
#pragma once

#include "modules/textures/TextureForm.h"

namespace quillon {

class TP_T009 : public TTextureForm {
 public:
  TP_T009();

  // "Color": colour 1.
  TLabel Lbl_Color1;
  TPanel Panel_Color1;
  TParamColorPanel Color1;
};

extern TP_T009* P_T009;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T009_CreateForm();

}  // namespace quillon
