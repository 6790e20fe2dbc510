// The gradient fill: runs of one colour between two other pixels along a
// direction become a linear morph between those two pixels' colours.
#pragma once

#include <cstdint>

namespace quillon {

struct TGFLLWork {
  int32_t Algorithm;    // 0 "Linear Morphing", the only one; not read
  int32_t Orientation;  // 0 step (0, +1); 1 (+1, 0); 2 (+1, +1); 3 (-1, +1)
  int32_t Color;        // the colour to replace, packed
};
extern TGFLLWork GFLLWork;

// Reads GFLLWork; works on the result layer's HSL space. For every pixel
// (x outer, y inner) whose colour is not the target (the colour to replace in
// H, S, L), the walk from it by the step, wrapping, stops at the first pixel
// that is not the target (or back at the start); the n target pixels passed
// get the colours of the morph from the start colour towards the end colour
// in n + 1 steps (GradientSpan). Then RGB is recomputed from HSL. An
// orientation outside 0..3 changes nothing.
void GFLL_Compute();

}  // namespace quillon
