#include "modules/chaotic/Prm_K1M1.h"

namespace quillon {

TP_K1M1* P_K1M1 = nullptr;

void Prm_K1M1_CreateForm() { CreateForm(P_K1M1); }

}  // namespace quillon
