// The parameter form of "Chaotic Fx 2 C", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M3 : public TP_Chaos2Form {
 public:
  TP_K2M3() : TP_Chaos2Form("P_K2M3", "Fx > Chaotic Fx > 2 modifiers > Fx 2 C") {}
};

extern TP_K2M3* P_K2M3;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M3_CreateForm();

}  // namespace quillon
