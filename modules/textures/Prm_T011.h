// The parameter form of "Blue Gold Rings": the form of "Rainbow Bananas"
// under its own caption.
#pragma once

#include "modules/textures/Prm_T010.h"

namespace quillon {

class TP_T011 : public THuePatternForm {
 public:
  TP_T011();
};

extern TP_T011* P_T011;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T011_CreateForm();

}  // namespace quillon
