#include "modules/chaotic/Prm_K2M4.h"

namespace quillon {

TP_K2M4* P_K2M4 = nullptr;

void Prm_K2M4_CreateForm() { CreateForm(P_K2M4); }

}  // namespace quillon
