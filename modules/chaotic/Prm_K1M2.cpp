#include "modules/chaotic/Prm_K1M2.h"

namespace quillon {

TP_K1M2* P_K1M2 = nullptr;

void Prm_K1M2_CreateForm() { CreateForm(P_K1M2); }

}  // namespace quillon
