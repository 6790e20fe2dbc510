// The parameter form of "Chaotic Fx 2 A", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M1 : public TP_Chaos2Form {
 public:
  TP_K2M1() : TP_Chaos2Form("P_K2M1", "Fx > Chaotic Fx > 2 modifiers > Fx 2 A") {}
};

extern TP_K2M1* P_K2M1;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M1_CreateForm();

}  // namespace quillon
