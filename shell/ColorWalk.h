// Driving the colour walk (ColorWalker) and small pair helpers.
#pragma once

#include <cstdint>

#include "engine/Pixels.h"

namespace quillon {

// Mode 0: each channel's value := its minimum, direction +1; any other Mode:
// value := maximum, direction -1.
void BounceReset(int Mode);

// Each channel's value += step * direction; then a value above the maximum
// becomes the maximum with direction -1, and after that a value below the
// minimum becomes the minimum with direction +1.
void BounceStep();

// The same step on a walk of the caller's own (a copy of ColorWalker that a
// hot loop keeps at hand).
inline void BounceStep(ColorWalkRecord& Walker) {
  for (ColorWalkChannel& w : Walker.Channel) {
    // 64-bit sum: a step from a preset may be any 32-bit value.
    int64_t v = static_cast<int64_t>(w.Value) + static_cast<int64_t>(w.Step) * w.Direction;
    if (v > w.Max) {
      v = w.Max;
      w.Direction = -1;
    }
    if (v < w.Min) {
      v = w.Min;
      w.Direction = 1;
    }
    w.Value = static_cast<int32_t>(v);
  }
}

// Swaps the two integers when A > B.
void OrderPair(int32_t& A, int32_t& B);

}  // namespace quillon
