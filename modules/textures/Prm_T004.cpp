#include "modules/textures/Prm_T004.h"

namespace quillon {

TP_T004* P_T004 = nullptr;

void Prm_T004_CreateForm() { CreateForm(P_T004); }

TP_T004::TP_T004()
    : TTextureForm({"P_T004", "Textures > Nature > Grass", 403, 215, "Grass texture", "Texture d'herbe"}, 3,
                   {10, 1750, 14}) {
  AddSizeRow(Lbl_Size, Img_Size, Ed_Size, Size, 1, 24, "Size", "Taille");
  AddHueRow();
  AddSeedRow();
  AddColorRow(8, Lbl_Color1, "Main Color", Panel_Color1, Color1, 1, "Main color", "Couleur principale");
  AddColorRow(200, Lbl_Color2, "Secondary Color", Panel_Color2, Color2, 2, "Background color", "Couleur de fond");
  AddHelpRow();
}

}  // namespace quillon
