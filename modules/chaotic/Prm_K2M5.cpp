#include "modules/chaotic/Prm_K2M5.h"

namespace quillon {

TP_K2M5* P_K2M5 = nullptr;

void Prm_K2M5_CreateForm() { CreateForm(P_K2M5); }

}  // namespace quillon
