// K2M2: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M2_Type = 68;
extern ChaosWork2 K2M2Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M2_WorkBound;

void K2M2_RegisterProcs();
void K2M2_RegisterNames();
void K2M2_SetDefaults(int Instance);
void K2M2_SetRanges(int Instance);
void K2M2_Execute();
void K2M2_Run();
void K2M2_Compute();

}  // namespace quillon
