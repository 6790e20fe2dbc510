#include "modules/filters/Levels.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Pixels.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TLevelsWork LevelsWork;
TLevellingWork LevellingWork;

// Bounds beyond the 16-bit sample range are read as its ends, so that every
// stretched value fits its sample; within that range they are used as given,
// unordered (a minimum above the maximum turns the channel over).
void NRMC_Run() {
  const TLevelsWork work = LevelsWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  const int space = SpaceOf(work.Space);
  for (int c = 1; c <= 3; ++c) {
    const TLevelsChannel& ch = work.Channel[c - 1];
    if (ch.Apply == 1) StretchChannel(ResultLayer, space, c, Saturate16(ch.Min), Saturate16(ch.Max));
  }
  SyncColorSpace(space);
}

void LVLH_Run() {
  const TLevellingWork work = LevellingWork;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  // The levelling ends by recomputing RGB from HSL; worked in the RGB space,
  // all its changes would be overwritten by that step, so the picture is the
  // one the recomputation alone gives.
  if (SpaceOf(work.Space) == SpaceHSL) {
    for (int c = 1; c <= 3; ++c) {
      const int64_t mx = work.Max[c - 1], mn = work.Min[c - 1];
      MapPlane(LayerPlane(ResultLayer, SpaceHSL, c), [mx, mn](int32_t v) -> int64_t {
        int64_t r = v > mx ? mx : v;
        return r < mn ? mn : r;
      });
    }
    for (int c = 1; c <= 3; ++c)
      if (work.Flag[c - 1] == 0) StretchChannel(ResultLayer, SpaceHSL, c, 0, ChannelTop(SpaceHSL, c));
  }
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
