// K2M5: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M5_Type = 71;
extern ChaosWork2 K2M5Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M5_WorkBound;

void K2M5_RegisterProcs();
void K2M5_RegisterNames();
void K2M5_SetDefaults(int Instance);
void K2M5_SetRanges(int Instance);
void K2M5_Execute();
void K2M5_Run();
void K2M5_Compute();

}  // namespace quillon
