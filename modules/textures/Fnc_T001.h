// "Red Swimming Pool": a sparse colour noise whose empty pixels are filled
// from their neighbours, softened, cut and stretched by saturation,
// luminosity and hue thresholds, and finally hue-shifted.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T001_Type = 29;

// Plain copies of the parameters the chain uses, in this order.
struct TT001Work {
  int32_t SatThreshold;    // p5, saturation threshold of phase 4
  int32_t LumThreshold1;   // p7, luminosity threshold of phase 4
  int32_t HueThreshold1;   // p1, hue threshold of phase 5
  int32_t LumThreshold2;   // p8, luminosity threshold of phase 5
  int32_t HueThreshold2;   // p2, hue threshold of phase 6
  int32_t HueShift;        // p3, hue shift of phase 7
  int32_t Seed;            // p10, seed of phases 1 and 2
};
extern TT001Work T001Work;

void T001_RegisterProcs();
void T001_RegisterNames();
void T001_SetDefaults(int Instance);
void T001_SetRanges(int Instance);
void T001_Execute();
void T001_Compute();

}  // namespace quillon
