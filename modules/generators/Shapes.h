// Filled rectangles in random sizes and colours, optionally with a
// saturation and a luminosity gradient each.
#pragma once

#include <cstdint>

namespace quillon {

struct TSH01Work {
  int32_t Space;  // written as SpaceHSL; the rectangles are always drawn in HSL
  int32_t WidthMin, WidthMax;
  int32_t HeightMin, HeightMax;
  int32_t HueMin, HueMax;
  int32_t SatMin, SatMax;
  int32_t LumMin, LumMax;
  int32_t Count;
  // The "Saturation Gradient" combo's mode acts on the luminosity and the
  // "Luminosity Gradient" combo's mode on the saturation. 0 none, 1 one of
  // 2..5 drawn per rectangle, 2 (3) up (down) by one per pixel down each
  // column, 4 (5) up (down) by one per column.
  int32_t SatGradient;
  int32_t LumGradient;
  int32_t Seed;  // not read: the rectangles continue from RandomSeed
  int32_t BackColor;  // packed
};
static_assert(sizeof(TSH01Work) == 16 * sizeof(int32_t));

extern TSH01Work SH01Work;

// InitRandom(RandomSeed) from the state the caller left, background fill,
// then Count rectangles wrapped around the picture; RGB recomputed at the end.
void SH01_Compute();

// The work of SH01_Compute with these values on a W x H picture, in writes
// of a pixel: the fill, and each rectangle its draws, a column's start and
// a write for each pixel of its size held inside the picture.
double SH01_WorkCount(const TSH01Work& Work, int W, int H);

}  // namespace quillon
