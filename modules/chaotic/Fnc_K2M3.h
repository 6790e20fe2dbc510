// K2M3: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M3_Type = 69;
extern ChaosWork2 K2M3Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M3_WorkBound;

void K2M3_RegisterProcs();
void K2M3_RegisterNames();
void K2M3_SetDefaults(int Instance);
void K2M3_SetRanges(int Instance);
void K2M3_Execute();
void K2M3_Run();
void K2M3_Compute();

}  // namespace quillon
