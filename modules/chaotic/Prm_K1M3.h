// The parameter form of "Chaotic Fx 1 C", on the one-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K1M3 : public TP_Chaos1Form {
 public:
  TP_K1M3() : TP_Chaos1Form("P_K1M3", "Fx > Chaotic Fx > 1 modifier > Fx 1 C") {}
};

extern TP_K1M3* P_K1M3;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K1M3_CreateForm();

}  // namespace quillon
