// K1M2: a chaotic function with one modifier, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K1M2_Type = 93;
extern ChaosWork1 K1M2Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K1M2_WorkBound;

void K1M2_RegisterProcs();
void K1M2_RegisterNames();
void K1M2_SetDefaults(int Instance);
void K1M2_SetRanges(int Instance);
void K1M2_Execute();
void K1M2_Run();
void K1M2_Compute();

}  // namespace quillon
