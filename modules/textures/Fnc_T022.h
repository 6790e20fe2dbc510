// "P.Tx Pack 1 Tx B": the periodic texture pack's chain on a triangle
// pattern.
#pragma once

#include "modules/textures/PeriodicPack.h"

namespace quillon {

inline constexpr int T022_Type = 102;

// p1 .. p18 of the running instance.
extern TPeriodicPackWork T022Work;

void T022_RegisterProcs();
void T022_RegisterNames();
void T022_SetDefaults(int Instance);
void T022_SetRanges(int Instance);
void T022_Execute();
void T022_Compute();

}  // namespace quillon
