// The foil: posterises chosen HSL channels to a number of evenly spaced levels.
#pragma once

#include <cstdint>

namespace quillon {

struct TFoilChannel {
  int32_t Apply;   // 1 = the channel is posterised
  int32_t Levels;  // number of levels, 2 or more
};

struct TFOILWork {
  TFoilChannel Channel[3];  // hue, saturation, luminosity
};
extern TFOILWork FOILWork;

// Reads FOILWork. For each channel whose flag is 1, with the step
// s = 359 / (n - 1) for the hue and 255 / (n - 1) otherwise, every value of the
// result layer's HSL space becomes Round(Round(value / s) x s); then RGB is
// recomputed. Fewer than two levels leave the channel unchanged.
void FOIL_Compute();

}  // namespace quillon
