#include "modules/chaotic/Prm_K2M2.h"

namespace quillon {

TP_K2M2* P_K2M2 = nullptr;

void Prm_K2M2_CreateForm() { CreateForm(P_K2M2); }

}  // namespace quillon
