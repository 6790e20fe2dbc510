// Periodic maps: a sine, triangle or sawtooth wave across the width and one
// across the height, combined, stretched to a range and written into one
// HSL channel of the current layer.
#pragma once

#include <cstdint>

namespace quillon {

// Luminosity map.
struct TSIN1Work {
  int32_t WidthPeriod, WidthPhase, WidthCoef;
  int32_t HeightPeriod, HeightPhase, HeightCoef;
  int32_t HueValue, SatValue;  // written into every pixel
  int32_t Minimum, Maximum;    // of the luminosity
  int32_t WaveType;            // 0 sine, 1 triangle, 2 sawtooth, 3 square
  int32_t Variant;             // 1 sum, 2 difference, 3 product
};
static_assert(sizeof(TSIN1Work) == 12 * sizeof(int32_t));

// Hue map.
struct TSIN3Work {
  int32_t WidthPeriod, WidthPhase, WidthCoef;
  int32_t HeightPeriod, HeightPhase, HeightCoef;
  int32_t Saturation, Luminosity;  // written into every pixel
  int32_t Minimum, Maximum;        // of the hue
  int32_t Wave;                    // 0 sine, 1 triangle, 2 sawtooth, 3 square
  int32_t Combination;             // 1 sum, 2 difference, 3 product
};
static_assert(sizeof(TSIN3Work) == 12 * sizeof(int32_t));

extern TSIN1Work SIN1Work;
extern TSIN3Work SIN3Work;

// The map of SIN1Work into the luminosity: (hue value, saturation value,
// Round(map)) in every pixel of the current layer's HSL space; RGB is
// recomputed. A wave whose period does not fit the picture is refused with
// "Width frequency is too high" or "Height frequency is too high" and
// leaves the current layer black.
void SinX_ComputeLum();

// The map of SIN3Work into the hue: (Round(map), saturation, luminosity);
// otherwise as SinX_ComputeLum.
void SinX_ComputeHue();

}  // namespace quillon
