// Twigs: random walks of pixels whose colour bounces inside a band around
// the foreground colour, on a background fill.
#pragma once

#include <cstdint>

namespace quillon {

struct TTWIGWork {
  int32_t MinLength;
  int32_t MaxLength;
  int32_t Occurences;  // number of twigs
  int32_t HueRange;
  int32_t HueVariation;
  int32_t SatRange;
  int32_t SatVariation;
  int32_t LumRange;
  int32_t LumVariation;
  int32_t Orientation;  // 0 vertical, 1 horizontal, 2 top/left to bottom/right,
                        // 3 top/right to bottom/left, 4 random per twig
  int32_t BackColor;    // packed
  int32_t ForeColor;    // packed
  int32_t Seed;
};
static_assert(sizeof(TTWIGWork) == 13 * sizeof(int32_t));

extern TTWIGWork TWIGWork;

// Fills the current layer (HSL) with the background colour and draws the
// twigs into it; then recomputes RGB from HSL.
void TWIG_Compute();

// The work of TWIG_Compute with these values, in steps of a twig: each twig
// its draws, about 2 steps, and its length. The fill over the picture is
// not counted.
double TWIG_WorkCount(const TTWIGWork& Work);

}  // namespace quillon
