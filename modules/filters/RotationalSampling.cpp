#include "modules/filters/RotationalSampling.h"

#include <algorithm>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TFXC1Work FXC1Work;

namespace {

bool Processed(const TFXC1Channel& ch) { return ch.Apply == 1 && ch.Combination >= 1 && ch.Combination <= 5; }

// "Pairwise" pairs the samples as they are listed: the two opposite samples
// along (dx, dy), a and b, and the two along the quarter-turned distance, c
// and d.
void SampleChannel(const Plane& p, const TFXC1Channel& ch, FloatPlane& out) {
  const int W = ImageWidth, H = ImageHeight;
  const int64_t dx = ch.DX, dy = ch.DY;
  const int64_t ox[4] = {dx, -dx, -dy, dy}, oy[4] = {dy, -dy, dx, -dx};
  const int combination = ch.Combination;
  ParallelColumns(1, W, [&](int x0, int x1) {
    std::vector<Sample> s[4];
    for (auto& v : s) v.resize(H);
    for (int x = x0; x <= x1; ++x) {
      for (int k = 0; k < 4; ++k) ShiftedColumn(p.v[WrapIndex(x - 1 + ox[k], W)], oy[k], s[k].data());
      const Sample *a = s[0].data(), *b = s[1].data(), *c = s[2].data(), *d = s[3].data();
      float* o = out.column(x);
      auto combine = [&](auto f) {
        for (int y = 0; y < H; ++y) o[y] = static_cast<float>(f(int32_t{a[y]}, int32_t{b[y]}, int32_t{c[y]}, int32_t{d[y]}));
      };
      switch (combination) {
        case 1: combine([](int32_t p, int32_t q, int32_t r, int32_t t) { return std::min(std::min(p, q), std::min(r, t)); }); break;
        case 2: combine([](int32_t p, int32_t q, int32_t r, int32_t t) { return std::max(std::max(p, q), std::max(r, t)); }); break;
        case 3: combine([](int32_t p, int32_t q, int32_t r, int32_t t) { return p + q + r + t; }); break;
        case 4: combine([](int32_t p, int32_t q, int32_t r, int32_t t) { return std::min(std::max(p, q), std::max(r, t)); }); break;
        default: combine([](int32_t p, int32_t q, int32_t r, int32_t t) { return std::max(std::min(p, q), std::min(r, t)); }); break;
      }
    }
  });
}

}  // namespace

void FXC1_Compute() {
  const TFXC1Work work = FXC1Work;
  if (ImageWidth < 1 || ImageHeight < 1) return;
  const int space = work.Space == 1 ? SpaceHSL : SpaceRGB;
  FloatPlane* const planes = ImageStore().FloatPlanes;
  for (int c = 1; c <= 3; ++c) {
    const TFXC1Channel& ch = work.Channel[c - 1];
    if (!Processed(ch)) continue;
    SampleChannel(LayerPlane(ResultLayer, space, c), ch, planes[c - 1]);
    if (ch.Combination == 3) RescaleFloatPlane(planes[c - 1], 0, ChannelTop(space, c));
  }
  for (int c = 1; c <= 3; ++c)
    if (Processed(work.Channel[c - 1])) WriteBackRounded(planes[c - 1], LayerPlane(ResultLayer, space, c));
  SyncColorSpace(space);
}

}  // namespace quillon
