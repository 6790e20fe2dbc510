// The parameter form of "P.Tx Pack 1 Tx A" with its 12 built-in presets.
#pragma once

#include <array>

#include "modules/textures/PeriodicPackForm.h"

namespace quillon {

// "Preset 1" .. "Preset 12" of the list, p1 .. p18 each, optimized for 512 x 512
// pictures.
extern const std::array<TPackValues, 12> T021_Presets;

class TP_T021 : public TP_PeriodicPack {
 public:
  TP_T021();
};

extern TP_T021* P_T021;

// The random preset of "Random Preset": the draws continue the module random
// state where the last seeded module or random preset left it
// (RandomPresetFromState of the form).
void T021_RandomPreset();

// Makes the form (ModuleUnit::CreateForm).
void Prm_T021_CreateForm();

}  // namespace quillon
