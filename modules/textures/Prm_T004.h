// The parameter form of "Grass": the "Size" scaled slider, the "Hue Variant"
// slider, the seed's two-bar slider (0..1750 on the form), the main and
// secondary colour panels and the help label.
#pragma once

#include "modules/textures/TextureForm.h"

namespace quillon {

class TP_T004 : public TTextureForm {
 public:
  TP_T004();

  // "Size": parameter 1, 24 pixels per unit.
  TLabel Lbl_Size;
  TImage Img_Size{240, 10};
  TEdit Ed_Size;
  TParamScaledSlider Size;
  // "Main Color" (colour 1) and "Secondary Color" (colour 2).
  TLabel Lbl_Color1, Lbl_Color2;
  TPanel Panel_Color1, Panel_Color2;
  TParamColorPanel Color1, Color2;
};

extern TP_T004* P_T004;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T004_CreateForm();

}  // namespace quillon
