// K2M6: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M6_Type = 72;
extern ChaosWork2 K2M6Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M6_WorkBound;

void K2M6_RegisterProcs();
void K2M6_RegisterNames();
void K2M6_SetDefaults(int Instance);
void K2M6_SetRanges(int Instance);
void K2M6_Execute();
void K2M6_Run();
void K2M6_Compute();

}  // namespace quillon
