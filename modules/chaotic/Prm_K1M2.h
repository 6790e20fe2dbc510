// The parameter form of "Chaotic Fx 1 B", on the one-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K1M2 : public TP_Chaos1Form {
 public:
  TP_K1M2() : TP_Chaos1Form("P_K1M2", "Fx > Chaotic Fx > 1 modifier > Fx 1 B") {}
};

extern TP_K1M2* P_K1M2;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K1M2_CreateForm();

}  // namespace quillon
