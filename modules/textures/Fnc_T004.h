// "Grass": twigs walking from the main colour over the secondary colour, then
// a hue shift.
#pragma once

#include <cstdint>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int T004_Type = 35;

// Plain copies of the parameters the chain uses, in this order.
struct TT004Work {
  int32_t Size;            // p1, the twigs' luminosity variation is Size + 9
  int32_t HueShift;        // p3, hue shift of phase 2
  int32_t Seed;            // p10, seed of the twigs
  int32_t MainColor;       // colour 1, start of the twigs' colour walk
  int32_t SecondaryColor;  // colour 2, background of the twigs
};
extern TT004Work T004Work;

void T004_RegisterProcs();
void T004_RegisterNames();
void T004_SetDefaults(int Instance);
void T004_SetRanges(int Instance);
void T004_Execute();
void T004_Compute();
// The chain of T004_Compute over T004Work and the picture size: the twigs,
// which become the work image, then the hue shift.
std::vector<Phase> T004_Phases();

}  // namespace quillon
