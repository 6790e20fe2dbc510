#include "modules/filters/ColorBalance.h"

#include <cmath>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TBLCLWork BLCLWork;

void BLCL_Run() {
  const TBLCLWork work = BLCLWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  for (int c = 1; c <= 3; ++c) {
    const int32_t p = work.Balance[c - 1];
    if (p == 0) continue;  // adds 0 to every value
    MapPlane(LayerPlane(ResultLayer, SpaceRGB, c), [p](int32_t value) -> int64_t {
      const Real v = value;
      Real t;
      if (p >= 0)
        t = v < 63.75L ? 2 * v : (v - 63.75L) * 127.5L / 191.25L + 127.5L;
      else
        t = v < 191.25L ? v * 2 / 3 : (v - 191.25L) * 2 + 127.5L;
      return Round(v + std::sin(t / 81.21L) * p / 100 * 63.75L);
    });
  }
  SyncColorSpace(SpaceRGB);
}

}  // namespace quillon
