// "Neurone": two passes of shaded rectangles whose sizes and counts are
// parameters, combined, softened, folded in luminosity, squeezed into a hue
// window and combined with an offset, inverted copy of itself. Its menu item
// ("Fx > Textures > Neurones") is in the hidden menu; instances still load
// and compute from texture files.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T002_Type = 30;

// Plain copies of the parameters the chain uses, in this order.
struct TT002Work {
  int32_t XFactor1;     // p1, largest rectangle width of phase 1
  int32_t YFactor1;     // p2, largest rectangle height of phase 1
  int32_t XFactor2;     // p3, largest rectangle width of phase 3
  int32_t YFactor2;     // p4, largest rectangle height of phase 3
  int32_t Density1;     // p5, rectangle count of phase 1
  int32_t Density2;     // p6, rectangle count of phase 3
  int32_t XEffect;      // p7, horizontal offset of phase 9
  int32_t YEffect;      // p8, vertical offset of phase 9
  int32_t HueVariant1;  // p10, start of hue window 1
  int32_t HueVariant2;  // p11, start of hue window 2
  int32_t HueRange;     // p9, width of both hue windows
  int32_t LumVariant1;  // p12, luminosity threshold of phase 5
  int32_t LumVariant2;  // p13, luminosity threshold of phase 6
  int32_t Seed;         // p14, random state before phase 1
};
extern TT002Work T002Work;

void T002_RegisterProcs();
void T002_RegisterNames();
void T002_SetDefaults(int Instance);
void T002_SetRanges(int Instance);
void T002_Execute();
void T002_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T002_WorkBound;

}  // namespace quillon
