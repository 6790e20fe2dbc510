// The colour balance: a sine-shaped push of each RGB channel towards or away
// from its complementary colour.
#pragma once

#include <cstdint>

namespace quillon {

struct TBLCLWork {
  int32_t Balance[3];  // red ("Cyan / Red"), green ("Magenta / Green"), blue ("Yellow / Blue"), -100..100
};
extern TBLCLWork BLCLWork;

// Reads BLCLWork. Each RGB value v of the result layer with the channel's
// balance p: t := 2v (p >= 0, v < 63.75), (v - 63.75) x 127.5 / 191.25 + 127.5
// (p >= 0), v x 2 / 3 (p < 0, v < 191.25), (v - 191.25) x 2 + 127.5 (p < 0);
// v := Round(v + sin(t / 81.21) x p / 100 x 63.75), not clamped. Then HSL is
// recomputed from RGB.
void BLCL_Run();

}  // namespace quillon
