// The matrix filter: average, minimum, maximum and their combinations with
// the pixel's own value over a wrapped square window, per channel.
#pragma once

#include <cstdint>

namespace quillon {

struct TMatrixChannel {
  int32_t Radius;  // 1..5: the window is (2 x radius + 1)^2 pixels
  int32_t Filter;  // below 1 untouched; 1 average, 2 minimum, 3 maximum, 4 max(average, value),
                   // 5 min(average, value), 6 max(minimum, value), 7 min(minimum, value),
                   // 8 max(maximum, value), 9 min(maximum, value); above 9 untouched
};

struct TFMTCWork {
  int32_t Space;  // SpaceRGB, or HSL for any other value
  TMatrixChannel Channel[3];
};
extern TFMTCWork FMTCWork;

// Reads FMTCWork; filters each channel of the given space of the result layer
// into the float planes (every window read from the unfiltered layer), writes
// the planes back rounded and recomputes the other space.
void MatrixFilter_Run();

}  // namespace quillon
