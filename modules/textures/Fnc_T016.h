// "Coral": a sparse colour noise filled from its neighbours, softened,
// thresholded and hue-shifted; that image is saved in buffer 1, posterised in
// saturation and luminosity, shifted by a few pixels and blended back with
// the saved one by their difference; a hue stretch into the user's range, a
// luminosity mirror and a last softening of hue and saturation finish it.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T016_Type = 55;

// Plain copies of the parameters the chain uses, in this order; no pair is
// ordered.
struct TT016Work {
  int32_t HueMin;        // p1, low end of the hue stretch of phase 12
  int32_t HueMax;        // p2, high end of the hue stretch of phase 12
  int32_t LumThreshold;  // p4, luminosity threshold of phase 4
  int32_t XOffset;       // p6, horizontal shift of phase 10
  int32_t YOffset;       // p7, vertical shift of phase 10
  int32_t Seed;          // p10, random state of phase 2
};
extern TT016Work T016Work;

// The noise of phase 1 always starts from this seed.
inline constexpr int32_t CoralNoiseSeed = 3456;

void T016_RegisterProcs();
void T016_RegisterNames();
void T016_SetDefaults(int Instance);
void T016_SetRanges(int Instance);
void T016_Execute();
void T016_Compute();

}  // namespace quillon
