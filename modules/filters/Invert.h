// The conditional inversion: pixels whose channels lie within given ranges
// have chosen channels inverted.
#pragma once

#include <cstdint>

namespace quillon {

struct TChannelRange {
  int32_t Min;
  int32_t Max;
};

struct TINVCWork {
  int32_t Space;  // SpaceRGB, or HSL for any other value
  TChannelRange Range[3];
  int32_t Condition;  // 0: at least one channel in its range; any other value: all three
  int32_t Flag[3];    // 0 = invert that channel, any other value = leave it
};
extern TINVCWork INVCWork;

// Reads INVCWork. Every pixel of the result layer that meets the condition
// (bounds included) gets maximum - value in each channel whose flag is 0, the
// maximum being 359 for the hue and 255 otherwise; then the other space is
// recomputed.
void Invert_Run();

}  // namespace quillon
