// "Lozenge Distortion": fills the picture with regions grown pixel by pixel
// from free pixels, coloured by a bouncing hue / saturation / luminosity walk
// and optionally softened by a blur against the painted surroundings.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T017_Type = 56;

// The work record, 13 signed 32-bit fields in this order.
struct TT017Work {
  int32_t MinSize = 0;     // smallest region size, in tens of pixels
  int32_t MaxSize = 0;     // largest region size, in tens of pixels
  int32_t BlurRadius = 0;  // 0 = no blur
  int32_t HueMin = 0;
  int32_t HueMax = 0;
  int32_t HueStep = 0;
  int32_t SatMin = 0;
  int32_t SatMax = 0;
  int32_t SatStep = 0;
  int32_t LumMin = 0;
  int32_t LumMax = 0;
  int32_t LumStep = 0;
  int32_t Seed = 0;
};
extern TT017Work T017Work;

void T017_RegisterProcs();
void T017_RegisterNames();
void T017_SetDefaults(int Instance);
void T017_SetRanges(int Instance);
void T017_Execute();
// Reads only T017Work; writes the HSL space of the current layer,
// ColorWalker, NeighbourList and RandomSeed.
void T017_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T017_WorkBound;

}  // namespace quillon
