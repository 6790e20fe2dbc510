// The parameter form of "Chaotic Fx 1 A", on the one-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K1M1 : public TP_Chaos1Form {
 public:
  TP_K1M1() : TP_Chaos1Form("P_K1M1", "Fx > Chaotic Fx > 1 modifier > Fx 1 A") {}
};

extern TP_K1M1* P_K1M1;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K1M1_CreateForm();

}  // namespace quillon
