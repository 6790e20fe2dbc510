#include "modules/chaotic/Prm_K1M4.h"

namespace quillon {

TP_K1M4* P_K1M4 = nullptr;

void Prm_K1M4_CreateForm() { CreateForm(P_K1M4); }

}  // namespace quillon
