// The tile shuffle: every pixel is exchanged with a partner at a direction and
// distance read from two channels of a buffer.
#pragma once

#include <cstdint>

namespace quillon {

struct TTB01Work {
  int32_t Buffer;       // 1..3
  int32_t BufferSpace;  // 1 RGB, 2 HSL (any value other than 1 reads HSL)
  int32_t Combination;  // 1..6: (direction, distance) channels (1,2) (1,3) (2,3) (2,1) (3,1) (3,2)
  int32_t DistanceMin;
  int32_t DistanceMax;
  int32_t Space;    // space of the result layer whose pixels are exchanged: 1 RGB, 2 HSL
  int32_t Channel;  // 1..3, below 1 all three
};
extern TTB01Work TB01Work;

// Reads TB01Work. The buffer's three planes in the buffer space go into the
// float planes; the direction plane is rescaled over the picture to 1..8 and
// the distance plane to DistanceMin..DistanceMax (a constant plane takes the
// lower bound). Then for x = 1..ImageWidth (outer), y = 1..ImageHeight
// (inner): d := Round(direction), r := Round(distance); the chosen channels of
// (x, y) and of its partner, (x + r, y) for d = 1, (x + r, y - r) for 2,
// (x, y - r) for 3, (x - r, y - r) for 4, (x - r, y) for 5, (x - r, y + r)
// for 6, (x, y + r) for 7, (x + r, y + r) for 8, wrapped, are exchanged in the
// result layer, each exchange seeing the results of the earlier ones; then the
// other space is recomputed. A buffer number, combination or channel outside
// its range changes nothing.
void TB01_Compute();

}  // namespace quillon
