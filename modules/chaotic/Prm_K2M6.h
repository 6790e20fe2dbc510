// The parameter form of "Chaotic Fx 2 F", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M6 : public TP_Chaos2Form {
 public:
  TP_K2M6() : TP_Chaos2Form("P_K2M6", "Fx > Chaotic Fx > 2 modifiers > Fx 2 F") {}
};

extern TP_K2M6* P_K2M6;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M6_CreateForm();

}  // namespace quillon
