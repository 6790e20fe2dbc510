#include "modules/chaotic/Prm_K2M3.h"

namespace quillon {

TP_K2M3* P_K2M3 = nullptr;

void Prm_K2M3_CreateForm() { CreateForm(P_K2M3); }

}  // namespace quillon
