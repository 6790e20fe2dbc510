// The rotational sampling filter: each pixel combines four samples at a
// distance turned by quarter turns around it.
#pragma once

#include <cstdint>

namespace quillon {

struct TFXC1Channel {
  int32_t Apply;        // 1 = the channel is processed
  int32_t DX;           // X distance
  int32_t DY;           // Y distance
  int32_t Combination;  // 1..5
};

struct TFXC1Work {
  int32_t Space;  // 1 = HSL, any other value = RGB
  TFXC1Channel Channel[3];
};
extern TFXC1Work FXC1Work;

// Reads FXC1Work. For each channel whose flag is 1, every pixel (x, y) of the
// result layer gets, in the float planes, a combination of the samples a at
// (x + dx, y + dy), b at (x - dx, y - dy), c at (x - dy, y + dx) and d at
// (x + dy, y - dx), wrapped modulo the picture's sides: 1 minimum, 2 maximum,
// 3 sum (then rescaled linearly over the picture to 0..359 for the hue,
// 0..255 otherwise; a constant sum becomes 0), 4 min(max(a, b), max(c, d)),
// 5 max(min(a, b), min(c, d)). The processed planes are written back rounded
// and the other space is recomputed. A combination outside 1..5 leaves its
// channel unchanged.
void FXC1_Compute();

}  // namespace quillon
