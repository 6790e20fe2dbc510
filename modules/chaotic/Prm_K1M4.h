// The parameter form of "Chaotic Fx 1 D", on the one-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K1M4 : public TP_Chaos1Form {
 public:
  TP_K1M4() : TP_Chaos1Form("P_K1M4", "Fx > Chaotic Fx > 1 modifier > Fx 1 D") {}
};

extern TP_K1M4* P_K1M4;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K1M4_CreateForm();

}  // namespace quillon
