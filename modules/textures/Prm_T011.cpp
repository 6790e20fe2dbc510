#include "modules/textures/Prm_T011.h"

namespace quillon {

TP_T011* P_T011 = nullptr;

void Prm_T011_CreateForm() { CreateForm(P_T011); }

TP_T011::TP_T011() : THuePatternForm("P_T011", "Textures > Misc > Blue Gold Rings") {}

}  // namespace quillon
