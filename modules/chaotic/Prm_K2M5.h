// The parameter form of "Chaotic Fx 2 E", on the two-modifier template.
#pragma once

#include "modules/chaotic/ChaosForms.h"

namespace quillon {

class TP_K2M5 : public TP_Chaos2Form {
 public:
  TP_K2M5() : TP_Chaos2Form("P_K2M5", "Fx > Chaotic Fx > 2 modifiers > Fx 2 E") {}
};

extern TP_K2M5* P_K2M5;

// Makes the form (ModuleUnit::CreateForm).
void Prm_K2M5_CreateForm();

}  // namespace quillon
