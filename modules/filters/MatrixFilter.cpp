#include "modules/filters/MatrixFilter.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TFMTCWork FMTCWork;

namespace {

// Filters whose value differs from the pixel's own. The window always holds
// its centre, so max(minimum, value) (6) and min(maximum, value) (9) are the
// value itself and leave the channel as it is, like the codes outside 1..9.
bool ChangesChannel(int32_t filter) { return filter >= 1 && filter <= 9 && filter != 6 && filter != 9; }

// The averages of one column (filter 1), or their maximum (4) or minimum (5)
// with the pixel's own value v, into the float plane's column and the
// sample column. Every average lies between the window's extremes, so it is a
// sample value, exact in a float and stored as it is.
QUILLON_VECTOR_CLONES void AverageColumn(const double* __restrict sums, const Sample* v, int H, double cells,
                                         int32_t filter, float* __restrict o, Sample* s) {
  for (int y = 0; y < H; ++y) {
    const int32_t a = RoundSumQuotient(sums[y], cells), own = v[y];
    const int32_t f = filter == 1 ? a : (filter == 4 ? (a > own ? a : own) : (a < own ? a : own));
    o[y] = static_cast<float>(f);
    s[y] = static_cast<Sample>(f);
  }
}

void ToColumns(const Sample* m, int H, float* o, Sample* s) {
  for (int y = 0; y < H; ++y) o[y] = s[y] = m[y];
}

// Filters the plane into the float plane and writes each column's values
// back into the plane as it comes. The window statistics are taken from the
// whole plane before any column is written, and a column's values read only
// those and the column's own old values, so every window sees the plane as
// it was. The values are whole samples, which a write-back of the rounded
// floats would give unchanged.
void FilterChannel(Plane& p, int32_t filter, int32_t radius, FloatPlane& out) {
  const int H = ImageHeight;
  switch (filter) {
    case 1:
    case 4:
    case 5: {
      const int64_t side = 2 * static_cast<int64_t>(radius) + 1;
      const double cells = static_cast<double>(side * side);
      ForEachWindowSum(p, radius, [&](int x, const double* sums) {
        AverageColumn(sums, p.column(x), H, cells, filter, out.column(x), p.column(x));
      });
      break;
    }
    case 2:
    case 7:  // min(minimum, value) is the minimum
      ForEachWindowMin(p, radius, [&](int x, const Sample* m) { ToColumns(m, H, out.column(x), p.column(x)); });
      break;
    default:  // 3, and 8: max(maximum, value) is the maximum
      ForEachWindowMax(p, radius, [&](int x, const Sample* m) { ToColumns(m, H, out.column(x), p.column(x)); });
      break;
  }
}

}  // namespace

void MatrixFilter_Run() {
  const TFMTCWork work = FMTCWork;
  const int space = SpaceOf(work.Space);
  if (ImageWidth < 1 || ImageHeight < 1) return;
  FloatPlane* const planes = ImageStore().FloatPlanes;
  PrepareToWrite({&planes[0], &planes[1], &planes[2]});
  // A channel's windows read that channel alone, so each is filtered and
  // written back before the next is read.
  for (int c = 1; c <= 3; ++c) {
    const TMatrixChannel& ch = work.Channel[c - 1];
    Plane& p = LayerPlane(ResultLayer, space, c);
    if (ChangesChannel(ch.Filter))
      FilterChannel(p, ch.Filter, WindowRadius(ch.Radius), planes[c - 1]);
    else
      CopyToFloat(p, planes[c - 1]);
  }
  SyncColorSpace(space);
}

}  // namespace quillon
