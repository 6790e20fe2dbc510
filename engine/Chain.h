// The chain computation and the blend of a generator's layer into the texture.
#pragma once

#include <cstdint>

namespace quillon {

// The blend record read by BlendCurrentIntoResult, fields in this order.
struct TBlendParams {
  int32_t BlendSpace = 0;       // 0 RGB, 1 HSL
  double ResultWeight = 1.0;    // a fraction, 1.0 = 100 %
  double CurrentWeight = 1.0;
  int32_t TransparencyColor = 0;  // packed colour
  uint8_t ApplyTransparency = 0;  // 1 = on
  int32_t Function[3] = {2, 2, 2};  // blend function of channel 1, 2, 3 (0..23)
};
extern TBlendParams BlendParams;

// The generator flag of the instance being computed.
extern uint8_t BlendFlag;

inline constexpr int BlendFunctionCount = 24;
// The display names of the blend functions 0..23, from "Result Layer" to "Complex 12".
extern const char* const BlendFunctionNames[BlendFunctionCount];

// Blends the current layer into the result layer in the space and with the
// functions, weights and transparency of BlendParams, then recomputes the
// result layer's other space. The current layer is not changed. A function
// number outside 0..23 keeps the result layer's weighted value.
void BlendCurrentIntoResult();

// For each active instance from 1 to CurrentInstance: runs its execute
// procedure, then copies (position 1) or blends (later positions) a
// generator's current layer into the result layer. Instances whose type is
// not registered are left out. Runs under the wait cursor.
void ComputeChain();

}  // namespace quillon
