// "Corn": round grains covering the picture on black, their number following
// from the picture area and the mean grain size, with hues, sizes and noise
// of the module's own parameters.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T018_Type = 57;

// The values the chain uses, in this order.
struct TT018Work {
  int32_t SizeLow;   // smallest grain radius, from p1 and p2
  int32_t SizeHigh;  // largest grain radius, from p1 and p2
  int32_t Hue;       // p4
  int32_t HueSpread; // p5, on either side of the hue
  int32_t SatNoise;  // p7
  int32_t LumNoise;  // p8
  int32_t Seed;      // p10
};
extern TT018Work T018Work;

void T018_RegisterProcs();
void T018_RegisterNames();
void T018_SetDefaults(int Instance);
void T018_SetRanges(int Instance);
void T018_Execute();
void T018_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T018_WorkBound;

// The number of grains on a picture of Area pixels for grain radii Low..High:
// Round(Area / (m * m)) with m = Round((Low + High) / 2). A mean size of 0
// counts as 1, so the count never exceeds what the picture holds, one grain
// per pixel.
int32_t T018_GrainCount(int64_t Area, int32_t Low, int32_t High);

}  // namespace quillon
