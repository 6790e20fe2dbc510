// "P.Tx Pack 1 Tx C": the periodic texture pack's chain on a sawtooth
// pattern.
#pragma once

#include "modules/textures/PeriodicPack.h"

namespace quillon {

inline constexpr int T015_Type = 54;

// p1 .. p18 of the running instance.
extern TPeriodicPackWork T015Work;

void T015_RegisterProcs();
void T015_RegisterNames();
void T015_SetDefaults(int Instance);
void T015_SetRanges(int Instance);
void T015_Execute();
void T015_Compute();

// The random preset of the "Random Preset" button: RandomSeed := the clock
// (RandomPresetClock), without refilling the shuffle table, then p1 .. p18
// drawn in order with RandomInt straight into the instance: p1 in 1 ..
// Round(ImageWidth / 70), p4 in 1 .. Round(ImageHeight / 70), the others
// within their ranges. p16 and p17 are drawn independently, so the low hue
// bound may exceed the high one (phase 10 then reverses the hue mapping).
void T015_RandomPreset(int Instance);

}  // namespace quillon
