// The colour replacer: pixels whose channels all lie within given ranges get
// one replacement colour.
#pragma once

#include <cstdint>

#include "modules/filters/Invert.h"

namespace quillon {

struct TCRPCWork {
  int32_t Space;  // SpaceRGB, or HSL for any other value
  TChannelRange Range[3];
  int32_t Color;  // replacement colour, packed
};
extern TCRPCWork CRPCWork;

// Reads CRPCWork. The replacement colour is split into R, G, B (RGB) or
// converted to H, S, L (HSL); every pixel of the result layer whose three
// channels lie within their ranges, bounds included (ranges used as given,
// unordered and unclipped), gets it; then the other space is recomputed.
void ColorReplace_Run();

}  // namespace quillon
