#include "modules/filters/HueShift.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

THSHFWork HSHFWork;

// A shift outside 0..359 is first brought into it (mod 360): it turns the hue
// circle by the same angle, and a single subtraction of 360 then keeps every
// hue of 0..359 inside 0..359, which a shift of 400 or -10 taken as it is would
// not. Within 0..359 nothing changes.
void HSHF_Compute() {
  const THSHFWork work = HSHFWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  const int32_t shift = static_cast<int32_t>(WrapIndex(work.Shift, 360));
  MapPlane(LayerPlane(ResultLayer, SpaceHSL, 1), [shift](int32_t h) -> int64_t {
    const int64_t v = static_cast<int64_t>(h) + shift;
    return v > MaxHue ? v - 360 : v;
  });
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
