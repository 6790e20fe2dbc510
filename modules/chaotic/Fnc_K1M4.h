// K1M4: a chaotic function with one modifier, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K1M4_Type = 95;
extern ChaosWork1 K1M4Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K1M4_WorkBound;

void K1M4_RegisterProcs();
void K1M4_RegisterNames();
void K1M4_SetDefaults(int Instance);
void K1M4_SetRanges(int Instance);
void K1M4_Execute();
void K1M4_Run();
void K1M4_Compute();

}  // namespace quillon
