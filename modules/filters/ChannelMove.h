// The HSL channel move: one channel takes the values of another, rescaled
// between the hue's and the other channels' ranges.
#pragma once

#include <cstdint>

namespace quillon {

struct TMVLHWork {
  int32_t Source;       // 1 hue, 2 saturation, 3 luminosity
  int32_t Destination;  // 1 hue, 2 saturation, 3 luminosity
};
extern TMVLHWork MVLHWork;

// Reads MVLHWork. When the channels differ, every pixel's destination channel
// in the result layer's HSL space gets the source value: Round(h / 359 x 255)
// from the hue, Round(v / 255 x 359) into the hue, unchanged otherwise; the
// source keeps its values. RGB is then recomputed from HSL (also when the
// channels are equal). A channel outside 1..3 moves nothing.
void MVLH_Compute();

}  // namespace quillon
