// "Neurons": the chain of "Neurone" with rectangle sizes and counts set by
// the picture size, luminosity thresholds raised by 135, and a final hue
// shift.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T007_Type = 38;

// Plain copies of the parameters the chain uses, in this order.
struct TT007Work {
  int32_t WidthEffect;   // p1, horizontal offset of phase 9
  int32_t HeightEffect;  // p2, vertical offset of phase 9
  int32_t HueVariant1;   // p5, start of hue window 1
  int32_t HueVariant2;   // p6, start of hue window 2
  int32_t HueRange;      // p4, width of both hue windows
  int32_t HueVariant3;   // p7, hue shift of phase 13
  int32_t Variant1;      // p9, luminosity threshold of phase 5, less 135
  int32_t Variant2;      // p10, luminosity threshold of phase 6, less 135
  int32_t Seed;          // p11, random state before phase 1
};
extern TT007Work T007Work;

// The rectangle count of both passes on a W x H picture:
// 4 * Round((W + H) / 2), the half to even (W + H = 513 gives 1024).
int32_t T007_RectangleCount(int32_t W, int32_t H);

void T007_RegisterProcs();
void T007_RegisterNames();
void T007_SetDefaults(int Instance);
void T007_SetRanges(int Instance);
void T007_Execute();
void T007_Compute();

}  // namespace quillon
