// Colour noise: every pixel either gets random channel values or the
// background colour of the running instance.
#pragma once

#include <cstdint>

namespace quillon {

struct TNoiseWork {
  int32_t Space;  // SpaceRGB or SpaceHSL
  int32_t Min1, Max1;
  int32_t Min2, Max2;
  int32_t Min3, Max3;
  int32_t Rate;  // percent
  int32_t Seed;
};
static_assert(sizeof(TNoiseWork) == 9 * sizeof(int32_t));

extern TNoiseWork NoiseWork;

// Seeds RandomSeed from the record; for x outer, y inner: a draw u, and when
// Round(u * 100) <= rate three draws in the channels' ranges, otherwise the
// background colour (colour 1 of the running instance). Writes every pixel
// of the current layer in the record's space and recomputes the other.
void Noise_Compute();

}  // namespace quillon
