// The colour fill against a plain model of it: key pixels found by comparing
// the planes, neighbours summed one by one, nearest pixels searched step by
// step, draws rounded in 80 bits. The fill keeps a bit map of the key
// pixels, the three channels in one word and sums of whole words, computes
// its draws ahead and paints its claims beside the probes; on every picture
// below both must give the same pictures and leave the generator and its
// shuffle table in the same state, at 1, 2 and 3 threads: sizes across the
// 64-row words of the bit map, pictures of one row or column, both modes,
// samples outside the channel ranges, fills that keep the key colour, and
// pictures large enough for many chunks of claims and blocks of draws.
#include <gtest/gtest.h>

#include <random>

#include "FilterTestSupport.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/FilterSupport.h"
#include "modules/filters/RandomFill.h"

using namespace quillon;
using namespace quillon::test;

namespace {

// The fill as first written, pixel by pixel on the planes.
class ModelFill {
 public:
  explicit ModelFill(const TRNCCWork& w) : W(ImageWidth), H(ImageHeight), mode(w.Mode == 2 ? 2 : 1) {
    const int space = SpaceOf(w.Space);
    for (int c = 0; c < 3; ++c) {
      p[c] = &LayerPlane(ResultLayer, space, c + 1);
      key[c] = w.Key[c];
      lo[c] = -static_cast<int64_t>(w.Deviation[c].Minus);
      hi[c] = w.Deviation[c].Plus;
      top[c] = ChannelTop(space, c + 1);
    }
  }

  bool IsKey(int x, int y) const {
    return p[0]->at(x, y) == key[0] && p[1]->at(x, y) == key[1] && p[2]->at(x, y) == key[2];
  }
  int64_t Keys() const {
    int64_t n = 0;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) n += IsKey(x, y);
    return n;
  }

  bool Sources(int m, int x, int y, int64_t avg[3]) const {
    int64_t sum[3] = {0, 0, 0};
    int count = 0;
    auto add = [&](int sx, int sy) {
      for (int c = 0; c < 3; ++c) sum[c] += p[c]->at(sx, sy);
      ++count;
    };
    if (m == 2) {
      const int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (const auto& d : dirs) {
        int sx = x, sy = y, hit = 0;
        for (int k = 1; k < (d[0] != 0 ? W : H) && !hit; ++k) {
          sx = static_cast<int>(WrapIndex(sx - 1 + d[0], W)) + 1;
          sy = static_cast<int>(WrapIndex(sy - 1 + d[1], H)) + 1;
          if (!IsKey(sx, sy)) hit = 1;
        }
        if (!hit) return false;
        add(sx, sy);
      }
    } else {
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
          const int sx = static_cast<int>(WrapIndex(x - 1 + dx, W)) + 1;
          const int sy = static_cast<int>(WrapIndex(y - 1 + dy, H)) + 1;
          if ((dx != 0 || dy != 0) && !IsKey(sx, sy)) add(sx, sy);
        }
      if (count == 0) return false;
    }
    for (int c = 0; c < 3; ++c) avg[c] = RoundDiv(sum[c], count);
    return true;
  }

  bool CanChange(const int64_t avg[3]) const {
    for (int c = 0; c < 3; ++c)
      if (Clamp(avg[c] + lo[c], 0, top[c]) != key[c] || Clamp(avg[c] + hi[c], 0, top[c]) != key[c]) return true;
    return false;
  }

  // 0 no source, 1 kept the key colour, 2 changed.
  int Fill(int m, int x, int y, bool& possible) {
    int64_t avg[3];
    if (!Sources(m, x, y, avg)) return 0;
    if (CanChange(avg)) possible = true;
    int32_t v[3];
    for (int c = 0; c < 3; ++c)
      v[c] = Clamp(avg[c] + lo[c] + Round(static_cast<Real>(Random01(RandomSeed)) * static_cast<Real>(hi[c] - lo[c])),
                   0, top[c]);
    if (v[0] == key[0] && v[1] == key[1] && v[2] == key[2]) return 1;
    for (int c = 0; c < 3; ++c) p[c]->at(x, y) = static_cast<Sample>(v[c]);
    return 2;
  }

  bool AnyCanChange() const {
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        int64_t avg[3];
        if (IsKey(x, y) && Sources(mode, x, y, avg) && CanChange(avg)) return true;
      }
    return false;
  }

  void Run(int space) {
    const int64_t pixels = static_cast<int64_t>(W) * H;
    const int64_t enough = Round(static_cast<Real>(pixels) * 10 / 100);
    for (int idle = 0;;) {
      bool changed = false, possible = false;
      for (int64_t i = 0; i < pixels; ++i) {
        const int x = static_cast<int>(Round(static_cast<Real>(Random01(RandomSeed)) * (W - 1))) + 1;
        const int y = static_cast<int>(Round(static_cast<Real>(Random01(RandomSeed)) * (H - 1))) + 1;
        if (IsKey(x, y) && Fill(mode, x, y, possible) == 2) changed = true;
      }
      if (Keys() < enough) break;
      if (changed) {
        idle = 0;
        continue;
      }
      if (!AnyCanChange() || ++idle >= 256) break;
    }
    for (int idle = 0; Keys() > 0;) {
      bool changed = false, possible = false;
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (IsKey(x, y) && Fill(1, x, y, possible) == 2) changed = true;
      if (changed) {
        idle = 0;
        continue;
      }
      if (!possible || ++idle >= 4096) break;
    }
    SyncColorSpace(space);
  }

  int W, H, mode;
  Plane* p[3];
  int32_t key[3], top[3];
  int64_t lo[3], hi[3];
};

// A picture whose result layer holds the key colour at about KeyPercent of
// its pixels, the others random; Wild puts samples outside the channel
// ranges (negative ones among them) into the space being filled.
void MakePicture(int w, int h, int space, int keyPercent, bool wild, uint32_t seed, const int32_t key[3]) {
  UsePicture(w, h);
  RandomPicture(seed);
  std::mt19937 g(seed);
  for (int x = 1; x <= w; ++x)
    for (int y = 1; y <= h; ++y) {
      const bool isKey = static_cast<int>(g() % 100) < keyPercent;
      for (int c = 1; c <= 3; ++c) {
        Sample& s = Pixel(ResultLayer, space, c, x, y);
        if (isKey)
          s = static_cast<Sample>(key[c - 1]);
        else if (wild && g() % 5 == 0)
          s = static_cast<Sample>(static_cast<int>(g() % 2001) - 1000);
      }
    }
}

struct Case {
  int W, H, Space, Mode, KeyPercent;
  bool Wild;
  TFillDeviation Deviation[3];
  int32_t Key[3];
};

TEST(RandomColorFillModel, GivesTheModelsPicturesAndDraws) {
  const Case cases[] = {
      {1, 1, SpaceHSL, 1, 100, false, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {1, 70, SpaceHSL, 1, 80, false, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {70, 1, SpaceRGB, 2, 80, false, {{5, 5}, {0, 0}, {3, 9}}, {0, 0, 0}},
      {2, 2, SpaceRGB, 1, 75, false, {{0, 0}, {0, 0}, {0, 0}}, {0, 0, 0}},
      {2, 3, SpaceHSL, 2, 60, false, {{1, 1}, {1, 1}, {1, 1}}, {0, 0, 0}},
      {37, 64, SpaceHSL, 1, 94, false, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {64, 65, SpaceHSL, 2, 90, false, {{0, 0}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {65, 129, SpaceRGB, 1, 70, true, {{20, 3}, {0, 40}, {7, 7}}, {12, 200, 7}},
      {33, 200, SpaceRGB, 2, 95, true, {{-3, 8}, {100, -90}, {0, 0}}, {255, 0, 255}},
      {100, 31, SpaceHSL, 1, 50, true, {{INT32_MAX, INT32_MAX}, {2, 2}, {0, 1}}, {359, 255, 0}},
      {50, 50, SpaceHSL, 2, 99, false, {{INT32_MIN, -INT32_MAX}, {0, 0}, {1, 1}}, {0, 0, 0}},
      {40, 64, SpaceHSL, 1, 0, false, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {5, 7, SpaceHSL, 1, 90, false, {{1, 1}, {0, 0}, {0, 0}}, {0, 0, 0}},
      {300, 257, SpaceHSL, 1, 94, false, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}},
      {256, 300, SpaceHSL, 2, 98, false, {{0, 0}, {10, 10}, {10, 10}}, {0, 0, 0}},
      // Fills that clamp back to the key colour, which then stays a key
      // pixel: often, and now and then.
      {120, 100, SpaceRGB, 1, 90, false, {{300, 0}, {300, 0}, {300, 0}}, {0, 0, 0}},
      {100, 120, SpaceRGB, 2, 90, false, {{300, 0}, {300, 0}, {300, 0}}, {0, 0, 0}},
      {256, 256, SpaceRGB, 1, 95, false, {{16, 0}, {16, 0}, {16, 0}}, {0, 0, 0}},
      {256, 256, SpaceRGB, 2, 95, false, {{16, 0}, {16, 0}, {16, 0}}, {0, 0, 0}},
  };
  for (int k = 0; k < static_cast<int>(std::size(cases)); ++k) {
    const Case& c = cases[k];
    SCOPED_TRACE("case " + std::to_string(k));
    const TRNCCWork work = {c.Space, c.Mode, {c.Deviation[0], c.Deviation[1], c.Deviation[2]},
                            {c.Key[0], c.Key[1], c.Key[2]}};
    for (int threads : {1, 2, 3}) {
      MakePicture(c.W, c.H, c.Space, c.KeyPercent, c.Wild, 100 + k, c.Key);
      SetThreadCount(threads);
      RNCCWork = work;
      RandomSeed = 1000 + k;
      RandomColorFill();
      const auto got = Snapshot();
      const int32_t gotState = RandomSeed;
      std::vector<double> gotTable;
      for (int i = 1; i <= 97; ++i) gotTable.push_back(RandomTableSlot(i));

      MakePicture(c.W, c.H, c.Space, c.KeyPercent, c.Wild, 100 + k, c.Key);
      RandomSeed = 1000 + k;
      InitRandom(RandomSeed);
      ModelFill(work).Run(SpaceOf(c.Space));
      EXPECT_EQ(got, Snapshot()) << threads << " threads";
      EXPECT_EQ(gotState, RandomSeed);
      for (int i = 1; i <= 97; ++i) EXPECT_EQ(gotTable[i - 1], RandomTableSlot(i)) << "slot " << i;
    }
  }
  SetThreadCount(0);
}

}  // namespace
