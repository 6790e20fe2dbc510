// The parameter form of "Chaotic Fx 2 D", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M4 : public TP_Chaos2Form {
 public:
  TP_K2M4() : TP_Chaos2Form("P_K2M4", "Fx > Chaotic Fx > 2 modifiers > Fx 2 D") {}
};

extern TP_K2M4* P_K2M4;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M4_CreateForm();

}  // namespace quillon
