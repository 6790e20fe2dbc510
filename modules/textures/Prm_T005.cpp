#include "modules/textures/Prm_T005.h"

namespace quillon {

TP_T005* P_T005 = nullptr;

void Prm_T005_CreateForm() { CreateForm(P_T005); }

TP_T005::TP_T005()
    : TTextureForm({"P_T005", "Textures > Skin > Snake Skin", 405, 213, "Could be a kind of snake skin ???",
                    "Pourrait être une espèce de peau de serpent ???"},
                   3, {10, 1750, 14}) {
  AddSizeRow(Lbl_Size, Img_Size, Ed_Size, Size, 1, 24, "Scale size", "Taille des écailles");
  AddHueRow();
  HelpOnClick(Lbl_Hue, Aide1, "Makes a circular shift of the final hue channel",
              "Effectue un décalage circulaire du canal teinte final");
  AddSeedRow();
  AddColorRow(8, Lbl_Color1, "Base color", Panel_Color1, Color1, 1, "Base color", "Couleur de base");
  AddHelpRow();
}

}  // namespace quillon
