// The parameter form of "Cloth": the "Hue Variant" slider, the seed's two-bar
// slider (0..1050 on the form) and the help label.
#pragma once

#include "modules/textures/TextureForm.h"

namespace quillon {

class TP_T008 : public TTextureForm {
 public:
  TP_T008();
};

extern TP_T008* P_T008;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T008_CreateForm();

}  // namespace quillon
