// The parameter form of "P.Tx Pack 1 Tx B" with its 11 built-in presets.
#pragma once

#include <array>

#include "modules/textures/PeriodicPackForm.h"

namespace quillon {

// "Preset 1" .. "Preset 11" of the list, p1 .. p18 each, optimized for 512 x 512
// pictures.
extern const std::array<TPackValues, 11> T022_Presets;

class TP_T022 : public TP_PeriodicPack {
 public:
  TP_T022();
};

extern TP_T022* P_T022;

// The random preset of "Random Preset": the draws continue the module random
// state where the last seeded module or random preset left it
// (RandomPresetFromState of the form).
void T022_RandomPreset();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T022_CreateForm();

}  // namespace quillon
