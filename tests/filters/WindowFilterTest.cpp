#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "FilterTestSupport.h"
#include "engine/Numeric.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/FilterSupport.h"
#include "modules/filters/MatrixFilter.h"

using namespace quillon;
using namespace quillon::test;

namespace {

// The filters' definition, pixel by pixel over the wrapped window.
struct NaiveWindow {
  int64_t sum = 0;
  int min = 1 << 20, max = -(1 << 20);
};

NaiveWindow Window(const Rows& p, int x, int y, int r) {
  const int w = static_cast<int>(p[0].size()), h = static_cast<int>(p.size());
  NaiveWindow n;
  for (int i = x - r; i <= x + r; ++i)
    for (int j = y - r; j <= y + r; ++j) {
      const int v = p[((j % h) + h) % h][((i % w) + w) % w];
      n.sum += v;
      n.min = std::min(n.min, v);
      n.max = std::max(n.max, v);
    }
  return n;
}

int NaiveMatrix(const Rows& p, int x, int y, int r, int filter) {
  const NaiveWindow n = Window(p, x, y, r);
  const int v = p[y][x];
  const int a = static_cast<int>(Round(static_cast<Real>(n.sum) / ((2 * r + 1) * (2 * r + 1))));
  switch (filter) {
    case 1: return a;
    case 2: return n.min;
    case 3: return n.max;
    case 4: return std::max(a, v);
    case 5: return std::min(a, v);
    case 6: return std::max(n.min, v);
    case 7: return std::min(n.min, v);
    case 8: return std::max(n.max, v);
    case 9: return std::min(n.max, v);
    default: return v;
  }
}

}  // namespace

// The window averages round their quotients to nearest with ties to even,
// also for negative sums and beyond the range of the double-precision path.
TEST(WindowAverage, QuotientsRoundHalvesToEven) {
  const int64_t big = int64_t{1} << 53;
  const struct {
    int64_t n, d, expected;
  } cases[] = {{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {11, 9, 1}, {-13, 9, -1}, {0, 121, 0},
               {605, 121, 5}, {big + 2, 4, big / 4}, {big + 6, 4, big / 4 + 2}, {-(big + 2), 4, -(big / 4)}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundDiv(c.n, c.d), c.expected) << c.n << " / " << c.d;
    EXPECT_EQ(RoundQuotient(c.n, static_cast<double>(c.d)), c.expected) << c.n << " / " << c.d;
  }
}

// The 3 x 3 average at the corner reaches across both edges.
TEST(MatrixFilter, AveragesAcrossTheWrap) {
  UsePicture(4, 4);
  const Rows lum = {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}, {130, 140, 150, 160}};
  Set(SpaceHSL, 3, lum);
  FMTCWork = {SpaceHSL, {{1, 0}, {1, 0}, {1, 1}}};
  MatrixFilter_Run();
  // (1, 1): rows 4, 1, 2 and columns 4, 1, 2: 160+130+140 + 40+10+20 + 80+50+60 = 690; 690 / 9 = 76.67
  EXPECT_EQ(Get(SpaceHSL, 3)[0][0], 77);
  // (4, 4): rows 3, 4, 1 and columns 3, 4, 1: 110+120+90 + 150+160+130 + 30+40+10 = 840; 93.33
  EXPECT_EQ(Get(SpaceHSL, 3)[3][3], 93);
  // Every window is read from the unfiltered picture: (2, 1) sees the old (1, 1).
  EXPECT_EQ(Get(SpaceHSL, 3)[0][1], NaiveMatrix(lum, 1, 0, 1, 1));
}

// Every filter code and radius against the definition, on pictures smaller
// than some windows (radius 5 covers a 7-pixel side more than once).
TEST(MatrixFilter, MatchesTheWindowDefinitionForEveryCodeAndRadius) {
  for (int radius = 0; radius <= 5; ++radius)
    for (int filter = -1; filter <= 10; ++filter) {
      UsePicture(7, 5);
      RandomPicture(radius * 31 + filter + 100);
      const Rows before[3] = {Get(SpaceHSL, 1), Get(SpaceHSL, 2), Get(SpaceHSL, 3)};
      FMTCWork = {SpaceHSL, {{radius, filter}, {radius, filter}, {radius, filter}}};
      MatrixFilter_Run();
      for (int c = 1; c <= 3; ++c) {
        const Rows after = Get(SpaceHSL, c);
        for (int y = 0; y < 5; ++y)
          for (int x = 0; x < 7; ++x)
            ASSERT_EQ(after[y][x], NaiveMatrix(before[c - 1], x, y, radius, filter))
                << "radius " << radius << " filter " << filter << " channel " << c << " at " << x + 1 << ", " << y + 1;
      }
      ASSERT_TRUE(AllInRange());
    }
}

// Each channel has its own radius and code; the float planes hold the new
// values afterwards, the RGB space is recomputed.
TEST(MatrixFilter, ChannelsAreIndependentAndRgbFollows) {
  UsePicture(9, 8);
  RandomPicture(3);
  const Rows h = Get(SpaceHSL, 1), s = Get(SpaceHSL, 2), l = Get(SpaceHSL, 3);
  FMTCWork = {SpaceHSL, {{1, 0}, {2, 2}, {1, 0}}};
  MatrixFilter_Run();
  EXPECT_EQ(Get(SpaceHSL, 1), h);
  EXPECT_EQ(Get(SpaceHSL, 3), l);
  EXPECT_EQ(Get(SpaceHSL, 2)[4][4], NaiveMatrix(s, 4, 4, 2, 2));
  EXPECT_EQ(ImageStore().FloatPlanes[1].at(5, 5), Get(SpaceHSL, 2)[4][4]);
  int32_t r, g, b;
  HSLToRGB(h[2][3], Get(SpaceHSL, 2)[2][3], l[2][3], r, g, b);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 4, 3), g);
}

TEST(MatrixFilter, RgbSpaceAndHugeRadii) {
  UsePicture(6, 4);
  RandomPicture(8);
  const Rows red = Get(SpaceRGB, 1);
  FMTCWork = {SpaceRGB, {{1000, 3}, {-7, 1}, {INT32_MAX, 2}}};
  MatrixFilter_Run();
  // A window wider than the picture covers all of it: the maximum of the plane.
  int top = 0;
  for (auto& row : red) top = std::max(top, *std::max_element(row.begin(), row.end()));
  EXPECT_EQ(Get(SpaceRGB, 1), Rows(4, std::vector<int>(6, top)));
  EXPECT_TRUE(AllInRange());
}

TEST(MatrixFilter, SamePictureAtEveryThreadCount) {
  for (int filter : {1, 2, 3, 4, 5, 7, 8}) {
    for (int radius : {1, 5, 40}) {
      EXPECT_TRUE(SameAtEveryThreadCount(
          150, 70, nullptr, [&] {
            FMTCWork = {SpaceHSL, {{radius, filter}, {radius, filter}, {radius, filter}}};
            MatrixFilter_Run();
          }))
          << "filter " << filter << " radius " << radius;
    }
  }
}

// A = Round((window sum - centre) / 9): the bright centre is 182 away from
// its average and falls to it; each dark pixel keeps its value while it is
// closer than the threshold to its own average, read from the unchanged
// picture (the centre's new value plays no part).
TEST(ConditionalAverage, ReplacesOutliersFromTheUnchangedLayer) {
  UsePicture(3, 3);
  for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, {{20, 20, 20}, {20, 200, 20}, {20, 20, 20}});
  CAV1Work = {{{0, 50, 1}, {1, 10, 1}, {1, 50, 1}}};
  CAV1_Compute();
  // Centre: (360 - 200) / 9 = 17.8 -> 18. Others: (360 - 20) / 9 = 37.8 -> 38.
  EXPECT_EQ(Get(SpaceHSL, 1), (Rows{{20, 20, 20}, {20, 200, 20}, {20, 20, 20}}));
  EXPECT_EQ(Get(SpaceHSL, 2), (Rows{{38, 38, 38}, {38, 18, 38}, {38, 38, 38}}));
  EXPECT_EQ(Get(SpaceHSL, 3), (Rows{{20, 20, 20}, {20, 18, 20}, {20, 20, 20}}));
  // The threshold is strict: a difference equal to it is replaced.
  UsePicture(3, 3);
  Set(SpaceHSL, 3, {{20, 20, 20}, {20, 200, 20}, {20, 20, 20}});
  CAV1Work = {{{0, 0, 1}, {0, 0, 1}, {1, 18, 1}}};
  CAV1_Compute();
  EXPECT_EQ(Get(SpaceHSL, 3)[0][0], 38);
}

TEST(ConditionalAverage, MatchesTheDefinitionAtEverySize) {
  for (int size = 0; size <= 5; ++size) {
    UsePicture(8, 6);
    RandomPicture(size + 40);
    const Rows l = Get(SpaceHSL, 3);
    CAV1Work = {{{0, 50, size}, {0, 50, size}, {1, 60, size}}};
    CAV1_Compute();
    const Rows after = Get(SpaceHSL, 3);
    const int cells = (2 * size + 1) * (2 * size + 1);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) {
        const int a = static_cast<int>(Round(static_cast<Real>(Window(l, x, y, size).sum - l[y][x]) / cells));
        ASSERT_EQ(after[y][x], 60 > std::abs(l[y][x] - a) ? l[y][x] : a) << size << " " << x << " " << y;
      }
    EXPECT_TRUE(AllInRange());
  }
}

TEST(ConditionalAverage, SamePictureAtEveryThreadCount) {
  EXPECT_TRUE(SameAtEveryThreadCount(200, 90, nullptr, [] {
    CAV1Work = {{{1, 50, 1}, {1, 20, 3}, {1, 50, 5}}};
    CAV1_Compute();
  }));
}
