// What the ten chaotic function units share besides the point cloud: their
// catalog names, their common defaults and ranges, and the copy of an
// instance into a work record. Each Fnc_ unit passes its own type, names,
// defaults and map.
#pragma once

#include <cstdint>

#include "engine/Instances.h"
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

}  // namespace quillon
