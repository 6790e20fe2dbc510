#include "modules/filters/Contrast.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TCNTRWork CNTRWork;

void CNTR_Compute() {
  int32_t v = CNTRWork.Variation;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  // At 100 the factor's divisor 256 - 2.56 v is zero: the variation takes the
  // nearest value of its range, 99.
  if (v == 100) v = 99;
  if (v != 0) {
    const Real lo = v * 1.28L, hi = 256 - lo, f = 2.56L * v / (256 - 2.56L * v);
    for (int c = 1; c <= 3; ++c)
      MapPlane(LayerPlane(ResultLayer, SpaceRGB, c), [&](int32_t value) -> int64_t {
        if (v < 0) return Clamp(value + Round(value * 0.01L * v - 1.28L * v), 0, MaxSatLum);
        int64_t r = value;
        if (r < lo) r = 0;
        if (r > hi) r = 255;
        if (r >= lo && r <= hi) r += Round(r * f - 128 * f);
        return Clamp(r, 0, MaxSatLum);
      });
  }
  SyncColorSpace(SpaceRGB);
}

}  // namespace quillon
