// K2M1: a chaotic function with two modifiers, drawn as a point cloud.
#pragma once

#include <cstdint>

#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

inline constexpr int32_t K2M1_Type = 67;
extern ChaosWork2 K2M1Work;

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound K2M1_WorkBound;

void K2M1_RegisterProcs();
void K2M1_RegisterNames();
void K2M1_SetDefaults(int Instance);
void K2M1_SetRanges(int Instance);
void K2M1_Execute();
void K2M1_Run();
void K2M1_Compute();

}  // namespace quillon
