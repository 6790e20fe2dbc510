// "Roughcast": a sparse HSL noise on black whose empty pixels are filled from
// their nearest coloured neighbours along row and column, with luminosity
// outliers averaged away; every pixel is then swapped with a neighbour at a
// distance and in a direction read from a field of dark twigs on green (kept
// in buffer 1), and the luminosity is stretched to the full range.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T012_Type = 45;

// Plain copies of the parameters the chain uses, in this order (the pairs
// are not ordered here; the form keeps each minimum at or below its maximum).
struct TT012Work {
  int32_t HueMin;    // p1
  int32_t HueMax;    // p2
  int32_t SatMin;    // p3
  int32_t SatMax;    // p4
  int32_t LumMin;    // p5
  int32_t LumMax;    // p6
  int32_t Variant1;  // p8, swap reach: distances 1..Variant1 + 10
  int32_t Variant2;  // p9, colour space of the twig field that steers the swaps: 1 RGB, 2 HSL
  int32_t Variant3;  // p10, noise density: rate 2 x Variant3 + 2
  int32_t Seed1;     // p11, seed of the twig field and of the noise
  int32_t Seed2;     // p12, random state of the null-colour fill
};
static_assert(sizeof(TT012Work) == 11 * sizeof(int32_t));
extern TT012Work T012Work;

void T012_RegisterProcs();
void T012_RegisterNames();
void T012_SetDefaults(int Instance);
void T012_SetRanges(int Instance);
void T012_Execute();
void T012_Compute();

}  // namespace quillon
