// K1M1: a chaotic function with one modifier, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K1M1_Type = 92;
extern ChaosWork1 K1M1Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K1M1_WorkBound;

void K1M1_RegisterProcs();
void K1M1_RegisterNames();
void K1M1_SetDefaults(int Instance);
void K1M1_SetRanges(int Instance);
void K1M1_Execute();
void K1M1_Run();
void K1M1_Compute();

}  // namespace quillon
