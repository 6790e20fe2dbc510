#include "modules/textures/Prm_T008.h"

namespace quillon {

TP_T008* P_T008 = nullptr;

void Prm_T008_CreateForm() { CreateForm(P_T008); }

TP_T008::TP_T008()
    : TTextureForm({"P_T008", "Textures > Materials > Cloth", 404, 167, "Cloth texture", "Texture de tissu"}, 1,
                   {3, 1050, 23}) {
  AddHueRow();
  AddSeedRow();
  AddHelpRow();
}

}  // namespace quillon
