// Round grains on a background: bright and pale at the centre, dark and
// saturated at the rim, with saturation and luminosity noise.
#pragma once

#include <cstdint>

namespace quillon {

struct TBLOBWork {
  int32_t Unused;  // not read by the grains
  int32_t RadiusMin, RadiusMax;  // pixels
  int32_t Count;  // grains
  int32_t HueMin, HueMax;
  int32_t SatNoise;  // amplitude
  int32_t LumNoise;  // amplitude
  int32_t BackColor;  // packed
  int32_t Seed;
};
static_assert(sizeof(TBLOBWork) == 10 * sizeof(int32_t));

extern TBLOBWork BLOBWork;

// Background fill, then each grain around a free background pixel; RGB is
// recomputed from HSL at the end.
void BLOB_Compute();

// Grain radii beyond this are taken as this: a grain then already covers the
// largest picture more than once, and its work stays bounded.
inline constexpr int32_t MaxGrainRadius = 1024;

}  // namespace quillon
