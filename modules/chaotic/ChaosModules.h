// What the ten chaotic function units share besides the point cloud: their
// catalog names, their common defaults and ranges, and the copy of an
// instance into a work record. Each Fnc_ unit passes its own type, names,
// defaults and map.
#pragma once

#include <cstdint>

#include "engine/Instances.h"
#include "engine/WorkBound.h"
#include "modules/chaotic/ChaosCloud.h"

namespace quillon {

// The catalog names of a chaotic function (its procedures go in through
// StoreTypeProcs): a generator with its parameter form, drawn with the red
// glyphs.
void RegisterChaosNames(int32_t Type, const char* Name, const char* Code, TForm* Form);

// One modifier: the member's effects, phase step and luminosity; every
// member has "Details" 1000, seed 0 and the window -52, 52, -52, 52.
void SetChaos1Defaults(int Instance, int32_t WidthEffect, int32_t HeightEffect, int32_t Variant, int32_t Luminosity);
void SetChaos1Ranges(int Instance);
ChaosWork1 ReadChaosWork1(int Instance);

// Two modifiers: the effects in parameter order (1, 2, 4, 5).
void SetChaos2Defaults(int Instance, int32_t WidthEffect1, int32_t HeightEffect1, int32_t WidthEffect2,
                       int32_t HeightEffect2, int32_t Luminosity);
void SetChaos2Ranges(int Instance);
ChaosWork2 ReadChaosWork2(int Instance);

// The count of work of a render (see engine/WorkBound.h), the same for every
// member of a family: one unit a pixel for the passes over the picture
// (clearing it and turning the counts to grey take together about as long
// as one step), one unit an orbit step, and for a one-modifier member
// ChaosCarefulStepCost units more for each step whose phase may have grown
// into the sine's careful range. No other argument gets there: the orbit's
// reals lie in [-1, 1] and an effect is at most 2^31 / 50. Far beyond the
// ranges an effect sends more lanes out of the fast path (their quadrant
// estimate misses more often), but that never makes a step more than about
// 1.7 times as long: the count leaves it to the room WorkBoundFactor keeps.
double Chaos1WorkCount(const ParamValues& Values, int Width, int Height);
double Chaos2WorkCount(const ParamValues& Values, int Width, int Height);

// A step whose two phase arguments take the careful path of the sine from
// 2^29 on, each a call of the extended-precision library function, took 13
// to 14 times as long as a step on the fast path (1024 x 1024, every step
// careful against none); counted as 16: its own unit and these 15 more.
inline constexpr double ChaosCarefulStepCost = 15;

// How many of the first Iterations steps may take the careful path for their
// phase: the phase starts at 1 and grows by ChaosScale(Variant) a step, and
// each phase argument adds an orbit real of magnitude at most 1 to it.
double ChaosCarefulPhaseSteps(int32_t Variant, int64_t Iterations);

}  // namespace quillon
