// "Microbes": small rectangles of every hue on a purple background, softened,
// darkened between two filter passes (unless "Variant" is 1), folded and
// stretched twice in luminosity, squeezed into a hue window and hue-shifted.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T003_Type = 33;

// Plain copies of the parameters the chain uses, in this order.
struct TT003Work {
  int32_t WidthFactor;    // p1, largest rectangle width of phase 1
  int32_t HeightFactor;   // p2, largest rectangle height of phase 1
  int32_t Density;        // p3, rectangle count of phase 1
  int32_t LumVariant1;    // p9, luminosity threshold of phase 5
  int32_t LumVariant2;    // p10, luminosity threshold of phase 6
  int32_t HueMin;         // p5, low end of the hue stretch of phase 7
  int32_t HueMax;         // p6, high end of the hue stretch of phase 7
  int32_t Variant;        // p11, 0: phase 3 darkens; otherwise phase 3 does nothing
  int32_t HueVariant;     // p7, hue shift of phase 8
  int32_t Seed;           // p13, random state of phases 1 and 3
};
extern TT003Work T003Work;

void T003_RegisterProcs();
void T003_RegisterNames();
void T003_SetDefaults(int Instance);
void T003_SetRanges(int Instance);
void T003_Execute();
void T003_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T003_WorkBound;

}  // namespace quillon
