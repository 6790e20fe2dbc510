// "Rough Paper": two layers of twigs, the second laid over the first, softened
// and hue-shifted.
#pragma once

#include <cstdint>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int T009_Type = 42;

// Plain copies of the parameters the chain uses, in this order.
struct TT009Work {
  int32_t HueShift;  // p1, hue shift of phase 4
  int32_t Seed;      // p3, seed of the first twigs; the second use Seed + 123
  int32_t Color;     // colour 1, start of both twig layers' colour walk
};
extern TT009Work T009Work;

void T009_RegisterProcs();
void T009_RegisterNames();
void T009_SetDefaults(int Instance);
void T009_SetRanges(int Instance);
void T009_Execute();
void T009_Compute();
// The chain of T009_Compute over T009Work and the picture size.
std::vector<Phase> T009_Phases();

}  // namespace quillon
