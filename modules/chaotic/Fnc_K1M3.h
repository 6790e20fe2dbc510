// K1M3: a chaotic function with one modifier, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K1M3_Type = 94;
extern ChaosWork1 K1M3Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K1M3_WorkBound;

void K1M3_RegisterProcs();
void K1M3_RegisterNames();
void K1M3_SetDefaults(int Instance);
void K1M3_SetRanges(int Instance);
void K1M3_Execute();
void K1M3_Run();
void K1M3_Compute();

}  // namespace quillon
