// "Snake Skin": twigs kept in buffer 1, softened and thresholded, the twigs
// subtracted from the softened image, then a hue shift.
#pragma once

#include <cstdint>
#include <vector>

#include "modules/textures/PhaseChain.h"

namespace quillon {

inline constexpr int T005_Type = 36;

// Plain copies of the parameters the chain uses, in this order.
struct TT005Work {
  int32_t Size;       // p1, the twigs' luminosity variation is Size + 4
  int32_t HueShift;   // p3, hue shift of phase 6
  int32_t Seed;       // p10, seed of the twigs
  int32_t BaseColor;  // colour 1, start of the twigs' colour walk
};
extern TT005Work T005Work;

void T005_RegisterProcs();
void T005_RegisterNames();
void T005_SetDefaults(int Instance);
void T005_SetRanges(int Instance);
void T005_Execute();
void T005_Compute();
// The chain of T005_Compute over T005Work and the picture size.
std::vector<Phase> T005_Phases();

}  // namespace quillon
