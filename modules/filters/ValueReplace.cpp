#include "modules/filters/ValueReplace.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Pixels.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TVRGHWork VRGHWork;
TVRLHWork VRLHWork;

namespace {

void StretchFlagged(const int32_t stretch[3]) {
  for (int c = 1; c <= 3; ++c)
    if (stretch[c - 1] == 1) StretchChannel(ResultLayer, SpaceHSL, c, 0, ChannelTop(SpaceHSL, c));
}

}  // namespace

void VRGH_Compute() {
  const TVRGHWork work = VRGHWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  // The filter ends by recomputing RGB from HSL; worked in the RGB space, its
  // changes would all be overwritten by that step, so the picture is the one
  // the recomputation alone gives.
  if (SpaceOf(work.Space) == SpaceHSL) {
    for (int c = 1; c <= 3; ++c) {
      const int64_t t = work.Threshold[c - 1];
      const bool cut = work.Mode[c - 1] == 0;
      MapPlane(LayerPlane(ResultLayer, SpaceHSL, c), [t, cut](int32_t v) -> int64_t {
        if (v <= t) return v;
        if (cut) return t;
        const int64_t m = 2 * t - v;
        return m < 0 ? -m : m;
      });
    }
    StretchFlagged(work.Stretch);
  }
  SyncColorSpace(SpaceHSL);
}

void VRLH_Compute() {
  const TVRLHWork work = VRLHWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  for (int c = 1; c <= 3; ++c) {
    const int64_t t = work.Threshold[c - 1], top = ChannelTop(SpaceHSL, c);
    const bool cut = work.Mode[c - 1] == 0;
    MapPlane(LayerPlane(ResultLayer, SpaceHSL, c), [t, top, cut](int32_t v) -> int64_t {
      if (v >= t) return v;
      if (cut) return t;
      const int64_t m = 2 * t - v;
      return m > top ? 2 * top - m : m;
    });
  }
  StretchFlagged(work.Stretch);
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
