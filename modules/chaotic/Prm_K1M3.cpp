#include "modules/chaotic/Prm_K1M3.h"

namespace quillon {

TP_K1M3* P_K1M3 = nullptr;

void Prm_K1M3_CreateForm() { CreateForm(P_K1M3); }

}  // namespace quillon
