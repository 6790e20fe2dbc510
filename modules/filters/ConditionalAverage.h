// The conditional average: a value far from the average of its wrapped window
// is replaced by that average.
#pragma once

#include <cstdint>

namespace quillon {

struct TCAV1Channel {
  int32_t Apply;      // 1 = the channel is averaged, otherwise copied unchanged
  int32_t Threshold;  // a value is kept while it differs from the average by less
  int32_t Size;       // 1..5: the window is (2 x size + 1)^2 pixels
};

struct TCAV1Work {
  TCAV1Channel Channel[3];  // hue, saturation, luminosity
};
extern TCAV1Work CAV1Work;

// Reads CAV1Work. For each applied HSL channel of the result layer, with
// A := Round((window sum - centre) / (2s + 1)^2), a value v stays when
// threshold > |v - A| and becomes A otherwise; all new values are computed
// from the unchanged layer into the float planes and written back afterwards;
// RGB is recomputed from HSL.
void CAV1_Compute();

}  // namespace quillon
