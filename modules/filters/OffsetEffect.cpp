#include "modules/filters/OffsetEffect.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <mutex>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TCOL1Work COL1Work;

namespace {

// The effect's result planes, written before any sample of the layer changes.
struct EffectTable {
  Plane Planes[3];
};

// Calls f(column x, results of channels 1..3 for y = 0..H-1) for every column
// in the given range; the results are the unscaled effect values.
template <typename F>
void ForEachEffectColumn(int algorithm, int64_t dx, int64_t dy, int x0, int x1, F f) {
  const int W = ImageWidth, H = ImageHeight;
  std::vector<Sample> shifted[3];
  std::vector<int64_t> out[3];
  for (int c = 0; c < 3; ++c) {
    shifted[c].resize(H);
    out[c].resize(H);
  }
  for (int x = x0; x <= x1; ++x) {
    const Sample* a[3];
    const Sample* b[3];
    const int64_t bx = WrapIndex(x - 1 + dx, W);
    for (int c = 0; c < 3; ++c) {
      const Plane& p = LayerPlane(ResultLayer, SpaceRGB, c + 1);
      a[c] = p.column(x);
      ShiftedColumn(p.v[bx], dy, shifted[c].data());
      b[c] = shifted[c].data();
    }
    int64_t *o1 = out[0].data(), *o2 = out[1].data(), *o3 = out[2].data();
    for (int y = 0; y < H; ++y) {
      const int64_t a1 = a[0][y], a2 = a[1][y], a3 = a[2][y], b1 = b[0][y], b2 = b[1][y], b3 = b[2][y];
      switch (algorithm) {
        case 1:
          o1[y] = std::abs(255 - b1 - a1);
          o2[y] = std::abs(255 - b2 - a2);
          o3[y] = std::abs(255 - b3 - a3);
          break;
        case 2:
          o1[y] = (255 - b1) * a1;
          o2[y] = (255 - b2) * a2;
          o3[y] = (255 - b3) * a3;
          break;
        case 3:
          o1[y] = (a1 + b2) * (a2 - b3);
          o2[y] = (a2 + b3) * (a3 - b1);
          o3[y] = (a3 + b1) * (a1 - b2);
          break;
        case 4:
          o1[y] = a1 * b2 + a3;
          o2[y] = a2 * b3 + a1;
          o3[y] = a3 * b1 + a2;
          break;
        default:
          o1[y] = std::abs(255 - b1 - a2);
          o2[y] = std::abs(255 - b2 - a3);
          o3[y] = std::abs(255 - b3 - a1);
          break;
      }
    }
    f(x, out);
  }
}

}  // namespace

// The effect is computed twice per pixel, once for the planes' ranges and
// once for the rescale, so that nothing wider than a sample is stored; every
// value is an exact integer either time.
void COL1_Compute() {
  const TCOL1Work work = COL1Work;
  const int W = ImageWidth, H = ImageHeight;
  if (W < 1 || H < 1) return;
  const int algorithm = work.Algorithm;
  if (algorithm >= 1 && algorithm <= 5) {
    int64_t lo[3], hi[3];
    for (int c = 0; c < 3; ++c) {
      lo[c] = std::numeric_limits<int64_t>::max();
      hi[c] = std::numeric_limits<int64_t>::min();
    }
    std::mutex merge;
    ParallelColumns(1, W, [&](int x0, int x1) {
      int64_t l[3], h[3];
      for (int c = 0; c < 3; ++c) {
        l[c] = std::numeric_limits<int64_t>::max();
        h[c] = std::numeric_limits<int64_t>::min();
      }
      ForEachEffectColumn(algorithm, work.DX, work.DY, x0, x1, [&](int, const std::vector<int64_t>* out) {
        for (int c = 0; c < 3; ++c)
          for (int y = 0; y < H; ++y) {
            l[c] = std::min(l[c], out[c][y]);
            h[c] = std::max(h[c], out[c][y]);
          }
      });
      std::lock_guard<std::mutex> lock(merge);
      for (int c = 0; c < 3; ++c) {
        lo[c] = std::min(lo[c], l[c]);
        hi[c] = std::max(hi[c], h[c]);
      }
    });
    // Round((v - lo) / (hi - lo) x 255); one table entry per value when the
    // plane's range is not much larger than the picture.
    auto rescaled = [&](int c, int64_t v) {
      return hi[c] == lo[c] ? Sample{0}
                            : static_cast<Sample>(Round(static_cast<Real>(v - lo[c]) /
                                                        static_cast<Real>(hi[c] - lo[c]) * MaxSatLum));
    };
    std::vector<Sample> table[3];
    Plane* const EffectPlanes = LargeTable<EffectTable>().Planes;
    PrepareToWrite({&EffectPlanes[0], &EffectPlanes[1], &EffectPlanes[2]});
    for (int c = 0; c < 3; ++c)
      if (hi[c] - lo[c] < 4 * static_cast<int64_t>(W) * H) {
        table[c].resize(static_cast<size_t>(hi[c] - lo[c]) + 1);
        for (int64_t v = lo[c]; v <= hi[c]; ++v) table[c][v - lo[c]] = rescaled(c, v);
      }
    ParallelColumns(1, W, [&](int x0, int x1) {
      ForEachEffectColumn(algorithm, work.DX, work.DY, x0, x1, [&](int x, const std::vector<int64_t>* out) {
        for (int c = 0; c < 3; ++c) {
          Sample* o = EffectPlanes[c].column(x);
          if (!table[c].empty())
            for (int y = 0; y < H; ++y) o[y] = table[c][out[c][y] - lo[c]];
          else
            for (int y = 0; y < H; ++y) o[y] = rescaled(c, out[c][y]);
        }
      });
    });
    ParallelColumns(1, W, [&](int x0, int x1) {
      for (int c = 0; c < 3; ++c)
        for (int x = x0; x <= x1; ++x)
          std::memcpy(LayerPlane(ResultLayer, SpaceRGB, c + 1).column(x), EffectPlanes[c].column(x), sizeof(Sample) * H);
    });
  }
  SyncColorSpace(SpaceRGB);
}

}  // namespace quillon
