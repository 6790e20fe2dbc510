#include "modules/chaotic/Prm_K2M1.h"

namespace quillon {

TP_K2M1* P_K2M1 = nullptr;

void Prm_K2M1_CreateForm() { CreateForm(P_K2M1); }

}  // namespace quillon
