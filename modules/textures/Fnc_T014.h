// "Plank": a network of straight lines around cyan on black, the black cells
// filled with gradients in the chosen orientation, softened and composed
// with itself shifted by five pixels into a relief kept in buffer 1; a grain
// grown from sparse coloured seeds over black, its luminosity outliers
// averaged away, the relief added to it in RGB; finally the hue stretched
// into the chosen range and the contrast raised.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T014_Type = 53;

// Plain copies of the parameters the chain uses, in this order (the second
// seed before the first).
struct TT014Work {
  int32_t HueMin;       // p1, lower bound of the final hue stretch
  int32_t HueMax;       // p2, upper bound of the final hue stretch
  int32_t Orientation;  // p4, of the gradient fill: 0 vertical, 1 horizontal
  int32_t Seed2;        // p7, seed of the grain and of its spreading
  int32_t Seed1;        // p6, seed of the line network
};
static_assert(sizeof(TT014Work) == 5 * sizeof(int32_t));
extern TT014Work T014Work;

// The line network on a picture of Pixels = W x H pixels, computed in
// extended precision and rounded half to even as it always was: the number
// of lines grown from the frame, Round(Pixels / 12000), and their minimum
// length, Round(Pixels / 6000).
int32_t T014_LineCount(int64_t Pixels);
int32_t T014_MinLineLength(int64_t Pixels);

void T014_RegisterProcs();
void T014_RegisterNames();
void T014_SetDefaults(int Instance);
void T014_SetRanges(int Instance);
void T014_Execute();
void T014_Compute();

}  // namespace quillon
