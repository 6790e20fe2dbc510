// "Cloth": a sparse HSL noise filled from its nearest neighbours along rows
// and columns, a conditional luminosity average, then a hue shift.
#pragma once

#include <cstdint>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int T008_Type = 41;

// Plain copies of the parameters the chain uses, in this order.
struct TT008Work {
  int32_t HueShift;  // p1, hue shift of phase 4
  int32_t Seed;      // p3, seed of the noise and random state of the fill
};
extern TT008Work T008Work;

void T008_RegisterProcs();
void T008_RegisterNames();
void T008_SetDefaults(int Instance);
void T008_SetRanges(int Instance);
void T008_Execute();
void T008_Compute();
// The chain of T008_Compute over T008Work.
std::vector<Phase> T008_Phases();

}  // namespace quillon
