// The contrast: spreads (positive variation) or narrows (negative) the R, G
// and B values around the middle of their range.
#pragma once

#include <cstdint>

namespace quillon {

struct TCNTRWork {
  int32_t Variation;  // -99..99
};
extern TCNTRWork CNTRWork;

// Reads CNTRWork; changes R, G and B of the result layer, then recomputes
// HSL. For v > 0, with lo = 1.28 v and hi = 256 - lo: a value below lo becomes
// 0, then a value above hi becomes 255, then a value from lo to hi becomes
// value + Round(value x f - 128 x f), f = 2.56 v / (256 - 2.56 v); for v < 0
// every value becomes value + Round(value x 0.01 x v - 1.28 x v); v = 0
// changes nothing; results are clamped to 0..255.
void CNTR_Compute();

}  // namespace quillon
