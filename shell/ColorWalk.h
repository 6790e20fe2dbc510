// Driving the colour walk (ColorWalker) and small pair helpers.
#pragma once

#include <cstdint>

namespace quillon {

// Mode 0: each channel's value := its minimum, direction +1; any other Mode:
// value := maximum, direction -1.
void BounceReset(int Mode);

// Each channel's value += step * direction; then a value above the maximum
// becomes the maximum with direction -1, and after that a value below the
// minimum becomes the minimum with direction +1.
void BounceStep();

// Swaps the two integers when A > B.
void OrderPair(int32_t& A, int32_t& B);

}  // namespace quillon
