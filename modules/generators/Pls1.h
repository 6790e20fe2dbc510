// Soft RGB blobs: per blob and channel a noisy cone, kept where brighter,
// then each channel stretched to 0..255 and optionally box-blurred.
#pragma once

#include <cstdint>

namespace quillon {

struct TPLS1Work {
  int32_t MinRadiusR, MinRadiusG, MinRadiusB;
  int32_t MaxRadiusR, MaxRadiusG, MaxRadiusB;
  int32_t NoiseR, NoiseG, NoiseB;
  int32_t BlurR, BlurG, BlurB;
  int32_t Jitter;  // centre jitter of green and blue
  int32_t Count;   // blobs
  int32_t Seed;
};
static_assert(sizeof(TPLS1Work) == 15 * sizeof(int32_t));

extern TPLS1Work PLS1Work;

// Draws the blobs into the RGB space of the current layer on black, then
// recomputes HSL.
void PLS1_Compute();

}  // namespace quillon
