// The hue shift: a circular shift of every hue of the texture.
#pragma once

#include <cstdint>

namespace quillon {

struct THSHFWork {
  int32_t Shift;  // 0..359
};
extern THSHFWork HSHFWork;

// Reads HSHFWork. Every hue of the result layer := hue + shift, minus 360 when
// above 359; then RGB is recomputed from HSL.
void HSHF_Compute();

}  // namespace quillon
