// K2M4: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M4_Type = 70;
extern ChaosWork2 K2M4Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M4_WorkBound;

void K2M4_RegisterProcs();
void K2M4_RegisterNames();
void K2M4_SetDefaults(int Instance);
void K2M4_SetRanges(int Instance);
void K2M4_Execute();
void K2M4_Run();
void K2M4_Compute();

}  // namespace quillon
