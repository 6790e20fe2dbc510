#include "modules/generators/Pls1.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon {

TPLS1Work PLS1Work;

namespace {

// One channel's cone of radius R around (CX, CY): Round(255 - d * slope)
// plus RandomInt(0, Noise), slope = 255 / R so that the cone reaches 0 at
// the radius. It covers the whole square of side 2R + 1 (corners included,
// where the value is mostly negative and taken as 0), one draw per pixel,
// x outer and y inner. A radius of 0 or less has no slope: the cone is its
// centre pixel alone, at distance 0.
void Cone(Plane& P, int64_t CX, int64_t CY, int32_t R, int32_t Noise) {
  const int64_t reach = R > 0 ? R : 0;
  const Real slope = R > 0 ? static_cast<Real>(255) / R : 0;
  for (int64_t x = CX - reach; x <= CX + reach; ++x) {
    const int64_t dx = x - CX;
    const int wx = WrapX(x);
    for (int64_t y = CY - reach; y <= CY + reach; ++y) {
      const int64_t dy = y - CY;
      const Real d = std::sqrt(static_cast<Real>(dx * dx + dy * dy));
      int64_t v = Round(255 - d * slope) + RandomInt(RandomSeed, 0, Noise);
      if (v < 0) v = 0;
      if (v > 32767) v = 32767;  // a huge noise saturates the sample
      Sample& s = P.at(wx, WrapY(y));
      if (v > s) s = static_cast<Sample>(v);
    }
  }
}

// Sums of N = 2B + 1 consecutive values of a wrapped sequence of length L,
// window centred on each position. A window longer than the sequence takes
// every value N / L times plus a run of N mod L, so any B gives the exact
// sum of the wrapped window without walking it.
template <typename In, typename Acc>
void WindowSums(const In* v, int L, int64_t B, Acc* out, std::vector<Acc>& prefix) {
  const int64_t n = 2 * B + 1;
  const int64_t full = n / L, rem = n % L;
  prefix.assign(2 * static_cast<size_t>(L) + 1, 0);
  for (int i = 0; i < 2 * L; ++i) prefix[i + 1] = prefix[i] + static_cast<Acc>(v[i % L]);
  const Acc total = prefix[L];
  for (int i = 0; i < L; ++i) {
    const int64_t start = WrapIndex(i - B, L);  // first position of the run of rem values
    out[i] = static_cast<Acc>(full) * total + (prefix[start + rem] - prefix[start]);
  }
}

// Every sample of the channel := the rounded average of its wrapped
// (2B + 1)^2 window, all windows taken from the unblurred channel.
void BoxBlur(Plane& P, int64_t B) {
  const int W = ImageWidth, H = ImageHeight;
  // Column sums along y (64 bits suffice: at most 2^33 samples of 2^15),
  // then window sums of those along x in 128 bits.
  static std::vector<int64_t> colSums;
  colSums.assign(static_cast<size_t>(W) * H, 0);
  ParallelColumns(1, W, [&](int x0, int x1) {
    std::vector<int64_t> prefix;
    for (int x = x0; x <= x1; ++x) WindowSums(P.column(x), H, B, &colSums[static_cast<size_t>(x - 1) * H], prefix);
  });
  const __int128 n = 2 * static_cast<__int128>(B) + 1;
  const __int128 area = n * n;
  ParallelColumns(1, H, [&](int y0, int y1) {
    std::vector<int64_t> row(W);
    std::vector<__int128> sums(W), prefix;
    for (int y = y0; y <= y1; ++y) {
      for (int x = 0; x < W; ++x) row[x] = colSums[static_cast<size_t>(x) * H + (y - 1)];
      WindowSums(row.data(), W, B, sums.data(), prefix);
      for (int x = 0; x < W; ++x) P.at(x + 1, y) = static_cast<Sample>(RoundDiv(sums[x], area));
    }
  });
}

}  // namespace

void PLS1_Compute() {
  const TPLS1Work w = PLS1Work;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);
  FillLayer(CurrentLayer, SpaceRGB, 0, 0, 0);

  const int32_t minR[3] = {w.MinRadiusR, w.MinRadiusG, w.MinRadiusB};
  const int32_t maxR[3] = {w.MaxRadiusR, w.MaxRadiusG, w.MaxRadiusB};
  const int32_t noise[3] = {w.NoiseR, w.NoiseG, w.NoiseB};
  const int64_t smallSide = std::min(ImageWidth, ImageHeight);
  // The jitter reaches as far either way whatever its sign; it is held as
  // its size so that the rule below bounds every radius.
  int64_t jitter = std::llabs(static_cast<int64_t>(w.Jitter));

  for (int64_t blob = 1; blob <= w.Count; ++blob) {
    int32_t r[3];
    for (int c = 0; c < 3; ++c) r[c] = RandomInt(RandomSeed, minR[c], maxR[c]);
    const int64_t cx = RandomInt(RandomSeed, 1, ImageWidth);
    const int64_t cy = RandomInt(RandomSeed, 1, ImageHeight);
    // A cone that, moved by the jitter, could reach past the picture's
    // smaller side is cut to that side minus 1, and from then on the
    // jitter is 0 (for the channels that follow and every later blob). This
    // is checked before the jittered centres are drawn, red to blue.
    for (int c = 0; c < 3; ++c)
      if (r[c] + jitter > smallSide) {
        r[c] = static_cast<int32_t>(smallSide - 1);
        jitter = 0;
      }
    // Green and blue: the centre moved by RandomInt(-jitter, jitter) in x,
    // then in y; green's two draws first, then blue's. Red keeps the centre.
    int64_t ccx[3] = {cx, 0, 0}, ccy[3] = {cy, 0, 0};
    const int32_t j = static_cast<int32_t>(std::min<int64_t>(jitter, INT32_MAX));
    for (int c = 1; c < 3; ++c) {
      ccx[c] = cx + RandomInt(RandomSeed, -j, j);
      ccy[c] = cy + RandomInt(RandomSeed, -j, j);
    }
    for (int c = 0; c < 3; ++c) Cone(LayerPlane(CurrentLayer, SpaceRGB, c + 1), ccx[c], ccy[c], r[c], noise[c]);
  }

  const int32_t blur[3] = {w.BlurR, w.BlurG, w.BlurB};
  for (int c = 1; c <= 3; ++c) StretchChannel(CurrentLayer, SpaceRGB, c, 0, 255);
  for (int c = 1; c <= 3; ++c)
    if (blur[c - 1] > 0) BoxBlur(LayerPlane(CurrentLayer, SpaceRGB, c), blur[c - 1]);
  SyncCurrentColorSpace(SpaceRGB);
}

}  // namespace quillon
