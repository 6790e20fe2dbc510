// The parameter form of "Chaotic Fx 2 B", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M2 : public TP_Chaos2Form {
 public:
  TP_K2M2() : TP_Chaos2Form("P_K2M2", "Fx > Chaotic Fx > 2 modifiers > Fx 2 B") {}
};

extern TP_K2M2* P_K2M2;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M2_CreateForm();

}  // namespace quillon
