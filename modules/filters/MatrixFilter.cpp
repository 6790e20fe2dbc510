#include "modules/filters/MatrixFilter.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TFMTCWork FMTCWork;

namespace {

// Filters whose value differs from the pixel's own. The window always holds
// its centre, so max(minimum, value) (6) and min(maximum, value) (9) are the
// value itself and leave the channel as it is, like the codes outside 1..9.
bool ChangesChannel(int32_t filter) { return filter >= 1 && filter <= 9 && filter != 6 && filter != 9; }

void FilterChannel(const Plane& p, int32_t filter, int32_t radius, FloatPlane& out) {
  const int H = ImageHeight;
  switch (filter) {
    case 1:
    case 4:
    case 5: {
      const int64_t side = 2 * static_cast<int64_t>(radius) + 1;
      const double cells = static_cast<double>(side * side);
      ForEachWindowSum(p, radius, [&](int x, const int64_t* sums) {
        const Sample* v = p.column(x);
        float* o = out.column(x);
        for (int y = 0; y < H; ++y) {
          const int64_t a = RoundQuotient(sums[y], cells);
          o[y] = static_cast<float>(filter == 1 ? a : (filter == 4 ? (a > v[y] ? a : v[y]) : (a < v[y] ? a : v[y])));
        }
      });
      break;
    }
    case 2:
    case 7:  // min(minimum, value) is the minimum
      ForEachWindowMin(p, radius, [&](int x, const Sample* m) {
        float* o = out.column(x);
        for (int y = 0; y < H; ++y) o[y] = m[y];
      });
      break;
    default:  // 3, and 8: max(maximum, value) is the maximum
      ForEachWindowMax(p, radius, [&](int x, const Sample* m) {
        float* o = out.column(x);
        for (int y = 0; y < H; ++y) o[y] = m[y];
      });
      break;
  }
}

}  // namespace

void MatrixFilter_Run() {
  const TFMTCWork work = FMTCWork;
  const int space = SpaceOf(work.Space);
  if (ImageWidth < 1 || ImageHeight < 1) return;
  for (int c = 1; c <= 3; ++c) {
    const TMatrixChannel& ch = work.Channel[c - 1];
    const Plane& p = LayerPlane(ResultLayer, space, c);
    if (ChangesChannel(ch.Filter))
      FilterChannel(p, ch.Filter, WindowRadius(ch.Radius), FloatPlanes[c - 1]);
    else
      CopyToFloat(p, FloatPlanes[c - 1]);
  }
  for (int c = 1; c <= 3; ++c)
    if (ChangesChannel(work.Channel[c - 1].Filter)) WriteBackRounded(FloatPlanes[c - 1], LayerPlane(ResultLayer, space, c));
  SyncColorSpace(space);
}

}  // namespace quillon
