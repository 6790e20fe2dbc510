// The parameter form of "Snake Skin": the "Size" scaled slider, the "Hue
// Variant" slider, the seed's two-bar slider (0..1750 on the form), the base
// colour panel and the help label.
#pragma once

#include "modules/textures/TextureForm.h"

namespace quillon {

class TP_T005 : public TTextureForm {
 public:
  TP_T005();

  // "Size": parameter 1, 24 pixels per unit.
  TLabel Lbl_Size;
  TImage Img_Size{240, 10};
  TEdit Ed_Size;
  TParamScaledSlider Size;
  // "Base color": colour 1.
  TLabel Lbl_Color1;
  TPanel Panel_Color1;
  TParamColorPanel Color1;
};

extern TP_T005* P_T005;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T005_CreateForm();

}  // namespace quillon
