// The random colour fill: every pixel of the key colour is filled from the
// pixels around it that are not, with a random deviation per channel.
#pragma once

#include <cstdint>

namespace quillon {

// The deviation of one channel lies between -Minus and +Plus.
struct TFillDeviation {
  int32_t Minus;
  int32_t Plus;
};

struct TRNCCWork {
  int32_t Space;  // SpaceRGB, or HSL for any other value
  int32_t Mode;   // 1 average of the wrapped 3 x 3 neighbourhood, 2 nearest along row and column; others act as 1
  TFillDeviation Deviation[3];  // channels 1, 2, 3
  int32_t Key[3];               // the key colour's channel values
};
extern TRNCCWork RNCCWork;

// Reads RNCCWork; starts with InitRandom(RandomSeed) (the caller sets
// RandomSeed), fills the key pixels of the result layer by rounds of random
// probes and then by full sweeps, and recomputes the other colour space.
void RandomColorFill();

}  // namespace quillon
