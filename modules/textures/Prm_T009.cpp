#include "modules/textures/Prm_T009.h"

namespace quillon {

TP_T009* P_T009 = nullptr;

void Prm_T009_CreateForm() { CreateForm(P_T009); }

TP_T009::TP_T009()
    : TTextureForm({"P_T009", "Textures > Materials > Rough Paper", 405, 167, "Rough paper texture",
                    "Texture de papier froissé"},
                   1, {3, 1050, 10}) {
  AddHueRow();
  AddSeedRow();
  AddColorRow(8, Lbl_Color1, "Color", Panel_Color1, Color1, 1, "Rough paper color", "Couleur du papier");
  AddHelpRow();
}

}  // namespace quillon
