// "Bark": green twigs in random directions, waved by two sines and smoothed
// where their luminosity is noisy; yellow twigs in the chosen orientation
// composed into them so that the luminosity follows the second twigs and is
// black elsewhere; the luminosity softened; hue and saturation replaced by a
// noise within the chosen ranges and softened in their turn.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T013_Type = 50;

// Plain copies of the parameters the chain uses, in this order.
struct TT013Work {
  int32_t HueMin;       // p1
  int32_t HueMax;       // p2
  int32_t SatMin;       // p3
  int32_t SatMax;       // p4
  int32_t Variant;      // p6, the number of second twigs: Round((p6 / 10 + 1) x (W + H))
  int32_t Orientation;  // p7, of the second twigs: 0 vertical, 1 horizontal, 2 and 3 diagonal
  int32_t Seed1;        // p9, seed of the first twigs and of the noise
  int32_t Seed2;        // p10, seed of the second twigs
};
static_assert(sizeof(TT013Work) == 8 * sizeof(int32_t));
extern TT013Work T013Work;

// The number of second twigs on a picture of Side = W + H, computed in
// extended precision and rounded half to even as the count always was:
// Round((Variant / 10 + 1) x Side), kept within the 32-bit range.
int32_t T013_SecondTwigCount(int32_t Variant, int32_t Side);

void T013_RegisterProcs();
void T013_RegisterNames();
void T013_SetDefaults(int Instance);
void T013_SetRanges(int Instance);
void T013_Execute();
void T013_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T013_WorkBound;

}  // namespace quillon
