// "Blue Gold Rings": the four phases of "Rainbow Bananas" (with the sum in
// its second hue pattern), then the texture saved in buffer 1, mirrored left
// to right, the saved texture blended back with subtracting functions, a
// local minimum of the saturation, the stronger saturations inverted, and two
// pixel shuffles by displacements read from buffer 1.
#pragma once

#include <cstdint>

#include "modules/textures/Fnc_T010.h"

namespace quillon {

inline constexpr int T011_Type = 44;

// The module's own record, laid out as the one of "Rainbow Bananas".
using TT011Work = TT010Work;
extern TT011Work T011Work;

void T011_RegisterProcs();
void T011_RegisterNames();
void T011_SetDefaults(int Instance);
void T011_SetRanges(int Instance);
void T011_Execute();
void T011_Compute();

}  // namespace quillon
