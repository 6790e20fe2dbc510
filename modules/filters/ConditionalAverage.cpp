#include "modules/filters/ConditionalAverage.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TCAV1Work CAV1Work;

void CAV1_Compute() {
  const TCAV1Work work = CAV1Work;
  const int H = ImageHeight;
  if (ImageWidth < 1 || H < 1) return;
  FloatPlane* const planes = ImageStore().FloatPlanes;
  PrepareToWrite({&planes[0], &planes[1], &planes[2]});
  for (int c = 1; c <= 3; ++c) {
    const TCAV1Channel& ch = work.Channel[c - 1];
    const Plane& p = LayerPlane(ResultLayer, SpaceHSL, c);
    FloatPlane& out = planes[c - 1];
    if (ch.Apply != 1) {
      CopyToFloat(p, out);
      continue;
    }
    // The sizes are read as the window filters read their radius: a negative
    // size as 0, where the window is the pixel alone and A is 0.
    const int32_t size = WindowRadius(ch.Size);
    const int64_t side = 2 * static_cast<int64_t>(size) + 1, threshold = ch.Threshold;
    const double cells = static_cast<double>(side * side);
    ForEachWindowSum(p, size, [&](int x, const double* sums) {
      const Sample* v = p.column(x);
      float* o = out.column(x);
      for (int y = 0; y < H; ++y) {
        const int64_t a = RoundSumQuotient(sums[y] - v[y], cells), d = v[y] - a;
        o[y] = static_cast<float>(threshold > (d < 0 ? -d : d) ? v[y] : a);
      }
    });
  }
  for (int c = 1; c <= 3; ++c)
    if (work.Channel[c - 1].Apply == 1) WriteBackRounded(planes[c - 1], LayerPlane(ResultLayer, SpaceHSL, c));
  SyncColorSpace(SpaceHSL);
}

}  // namespace quillon
