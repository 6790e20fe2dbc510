// "P.Tx Pack 1 Tx A": the periodic texture pack's chain on a sine
// pattern.
#pragma once

#include "modules/textures/PeriodicPack.h"

namespace quillon {

inline constexpr int T021_Type = 101;

// p1 .. p18 of the running instance.
extern TPeriodicPackWork T021Work;

void T021_RegisterProcs();
void T021_RegisterNames();
void T021_SetDefaults(int Instance);
void T021_SetRanges(int Instance);
void T021_Execute();
void T021_Compute();

}  // namespace quillon
