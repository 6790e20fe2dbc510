#include "modules/filters/Foil.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TFOILWork FOILWork;

void FOIL_Compute() {
  const TFOILWork work = FOILWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  for (int c = 1; c <= 3; ++c) {
    const TFoilChannel& ch = work.Channel[c - 1];
    // One level would divide by zero and fewer make no sense of a step: the
    // channel is left as it is.
    if (ch.Apply != 1 || ch.Levels < 2) continue;
    const Real step = static_cast<Real>(ChannelTop(SpaceHSL, c)) / (static_cast<Real>(ch.Levels) - 1);
    MapPlane(LayerPlane(ResultLayer, SpaceHSL, c), [step](int32_t v) -> int64_t {
      return Round(static_cast<Real>(Round(v / step)) * step);
    });
  }
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
