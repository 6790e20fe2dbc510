// The colour walk shared by the twig and line generators: each channel of
// the pen walks, bouncing, inside a band around the start colour.
#pragma once

#include <cstdint>

#include "engine/Numeric.h"
#include "engine/Pixels.h"

namespace quillon {

// Channel c (1 hue, 2 saturation, 3 luminosity) walks between Value - Range
// and Value + Range by Step. A band that crosses 0 is shifted up to
// 0 .. 2 * Range; otherwise a band that crosses Top is shifted down to
// Top - 2 * Range .. Top. Only the first shift that applies is made, so a
// band wider than the whole scale still sticks out on its other side. Sums
// are formed in 64 bits so that any range from a preset gives a defined band.
inline void SetWalkBand(int Channel, int32_t Value, int32_t Range, int32_t Step, int32_t Top) {
  int64_t lo = static_cast<int64_t>(Value) - Range;
  int64_t hi = static_cast<int64_t>(Value) + Range;
  if (lo < 0) {
    lo = 0;
    hi = 2 * static_cast<int64_t>(Range);
  } else if (hi > Top) {
    hi = Top;
    lo = Top - 2 * static_cast<int64_t>(Range);
  }
  ColorWalkChannel& w = ColorWalker[Channel];
  w.Min = ClampToInt32(lo);
  w.Max = ClampToInt32(hi);
  w.Step = Step;
}

// Puts the pen back at the start colour, going up on every channel.
inline void RestartWalk(const int32_t Start[3]) {
  for (int c = 1; c <= 3; ++c) {
    ColorWalker[c].Value = Start[c - 1];
    ColorWalker[c].Direction = 1;
  }
}

}  // namespace quillon
