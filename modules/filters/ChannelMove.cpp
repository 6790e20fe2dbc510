#include "modules/filters/ChannelMove.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TMVLHWork MVLHWork;

void MVLH_Compute() {
  const TMVLHWork work = MVLHWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  const int32_t from = work.Source, to = work.Destination;
  if (from != to && from >= 1 && from <= 3 && to >= 1 && to <= 3) {
    const Plane& src = LayerPlane(ResultLayer, SpaceHSL, from);
    Plane& dst = LayerPlane(ResultLayer, SpaceHSL, to);
    CopyPlane(src, dst);
    if (from == 1) MapPlane(dst, [](int32_t h) -> int64_t { return Round(static_cast<Real>(h) / MaxHue * MaxSatLum); });
    if (to == 1) MapPlane(dst, [](int32_t v) -> int64_t { return Round(static_cast<Real>(v) / MaxSatLum * MaxHue); });
  }
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
