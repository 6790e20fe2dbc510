// The parameter form of "P.Tx Pack 1 Tx C" with its 10 built-in presets.
#pragma once

#include <array>

#include "modules/textures/PeriodicPackForm.h"

namespace quillon {

// "Preset 1" .. "Preset 10" of the list, p1 .. p18 each, optimized for 512 x 512
// pictures.
extern const std::array<TPackValues, 10> T015_Presets;

class TP_T015 : public TP_PeriodicPack {
 public:
  TP_T015();
};

extern TP_T015* P_T015;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T015_CreateForm();

}  // namespace quillon
