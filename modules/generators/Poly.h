// Straight-line networks: a frame of broken lines across the picture, then
// lines grown from it until they meet a drawn pixel.
#pragma once

#include <cstdint>

namespace quillon {

struct TPOLYWork {
  int32_t Occurences;  // lines grown after the frame
  int32_t HueRange, HueStep;
  int32_t SatRange, SatStep;
  int32_t LumRange, LumStep;
  int32_t MinLength;
  int32_t BackColor;  // packed
  int32_t ForeColor;  // packed
  int32_t Seed;
};
static_assert(sizeof(TPOLYWork) == 11 * sizeof(int32_t));

extern TPOLYWork POLYWork;

// Draws the line network into the HSL space of the current layer (every
// pixel no line reaches gets the background colour), then recomputes RGB.
void POLY_Run();

// The line drawing: the coordinate of step I of Steps (Steps > 0) along a
// line that moves by Delta from From, that is From + I * Delta / Steps with
// halves rounded down.
int64_t LineCoordinate(int64_t From, int64_t Delta, int64_t I, int64_t Steps);

}  // namespace quillon
