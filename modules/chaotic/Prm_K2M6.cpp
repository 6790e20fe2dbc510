#include "modules/chaotic/Prm_K2M6.h"

namespace quillon {

TP_K2M6* P_K2M6 = nullptr;

void Prm_K2M6_CreateForm() { CreateForm(P_K2M6); }

}  // namespace quillon
