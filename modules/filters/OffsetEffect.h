// The offset effect: each pixel's R, G, B combined with those of the pixel at a
// fixed offset, each result plane rescaled to 0..255.
#pragma once

#include <cstdint>

namespace quillon {

struct TCOL1Work {
  int32_t DX;         // width offset
  int32_t DY;         // height offset
  int32_t Algorithm;  // 1..5
};
extern TCOL1Work COL1Work;

// Reads COL1Work. With A the R, G, B of (x, y) and B those of the wrapped
// (x + DX, y + DY) in the result layer: 1 |255 - B_c - A_c|; 2 (255 - B_c) A_c;
// 3 (A1 + B2)(A2 - B3), (A2 + B3)(A3 - B1), (A3 + B1)(A1 - B2); 4 A1 B2 + A3,
// A2 B3 + A1, A3 B1 + A2; 5 |255 - B1 - A2|, |255 - B2 - A3|, |255 - B3 - A1|.
// The three result planes are rescaled linearly over the picture to 0..255 (a
// constant plane becomes 0) and written into the RGB space; HSL is then
// recomputed. Any other algorithm changes nothing but the recomputation.
void COL1_Compute();

}  // namespace quillon
