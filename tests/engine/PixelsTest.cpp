// Pixel, plane, neighbour and search helpers on small hand-made pictures.
#include <climits>
#include <vector>

#include "EngineTest.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

class PixelsTest : public EngineTest {
 protected:
  void Picture(int w, int h) {
    ImageWidth = w;
    ImageHeight = h;
  }
  // Every pixel of a layer's space set to one colour, a margin beyond the
  // picture included.
  void Paint(int layer, int space, int c1, int c2, int c3) {
    for (int x = 1; x <= ImageWidth + 2; ++x)
      for (int y = 1; y <= ImageHeight + 2; ++y) SetLayerPixel3(layer, space, x, y, c1, c2, c3);
  }
};

TEST_F(PixelsTest, WrapXYIsOnePeriodWithinOneAndModuloBeyond) {
  Picture(5, 4);
  int wx, wy;
  // Within one period: X < 1 adds the width, X > width subtracts it.
  for (int x = 1 - 5; x <= 2 * 5; ++x) {
    WrapXY(x, 2, wx, wy);
    EXPECT_EQ(wx, x < 1 ? x + 5 : (x > 5 ? x - 5 : x)) << x;
    EXPECT_EQ(wy, 2);
  }
  for (int y = 1 - 4; y <= 2 * 4; ++y) {
    WrapXY(3, y, wx, wy);
    EXPECT_EQ(wy, y < 1 ? y + 4 : (y > 4 ? y - 4 : y)) << y;
  }
  // Beyond one period every offset still lands inside the picture.
  WrapXY(-7, -9, wx, wy);
  EXPECT_EQ(wx, 3);
  EXPECT_EQ(wy, 3);
  WrapXY(12, 13, wx, wy);
  EXPECT_EQ(wx, 2);
  EXPECT_EQ(wy, 1);
  WrapXY(-5, 16, wx, wy);
  EXPECT_EQ(wx, 5);
  EXPECT_EQ(wy, 4);
  WrapXY(INT32_MIN, INT32_MAX, wx, wy);
  EXPECT_EQ(wx, 2);  // -2147483648 = -429496730 * 5 + 2
  EXPECT_EQ(wy, 3);  //  2147483647 = 536870911 * 4 + 3
  EXPECT_EQ(WrapX(INT64_MIN / 2), WrapX(INT64_MIN / 2 + 5 * 1000));
  EXPECT_EQ(WrapY(0), 4);
  EXPECT_EQ(WrapY(-4), 4);
}

TEST_F(PixelsTest, FillSetAddAndCompare) {
  Picture(3, 2);
  Paint(ResultLayer, SpaceHSL, 9, 9, 9);
  FillLayer(ResultLayer, SpaceRGB, 1, 2, 3);
  FillLayer(CurrentLayer, SpaceHSL, 4, 5, 6);
  EXPECT_TRUE(IsColor(ResultLayer, SpaceRGB, 3, 2, 1, 2, 3));
  EXPECT_TRUE(IsColor(ResultLayer, SpaceHSL, 3, 2, 9, 9, 9));  // the other space is untouched
  EXPECT_TRUE(IsColor(CurrentLayer, SpaceHSL, 1, 1, 4, 5, 6));
  EXPECT_FALSE(IsColor(CurrentLayer, SpaceHSL, 1, 1, 4, 5, 7));
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 4, 1), 0);  // beyond the width
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 1, 3), 0);  // beyond the height
  SetLayerPixel3(CurrentLayer, SpaceRGB, 2, 2, -1, 300, 70000);  // no clamping: stored as 16-bit samples
  EXPECT_TRUE(IsColor(CurrentLayer, SpaceRGB, 2, 2, -1, 300, static_cast<Sample>(70000)));
  AddToPixel(CurrentLayer, SpaceRGB, 2, 2, 2, -301);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, 2, 2), -1);
  // A delta of any size wraps into the 16-bit sample instead of overflowing.
  Pixel(CurrentLayer, SpaceRGB, 1, 1, 1) = 1;
  AddToPixel(CurrentLayer, SpaceRGB, 1, 1, 1, INT32_MAX);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1), 0);  // 2^31 mod 2^16
  Pixel(CurrentLayer, SpaceRGB, 1, 1, 1) = -1;
  AddToPixel(CurrentLayer, SpaceRGB, 1, 1, 1, INT32_MIN);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1), -1);  // -2^31 - 1 mod 2^16
}

TEST_F(PixelsTest, ListMatchingNeighboursWalksColumnsThenRowsWithWrapping) {
  Picture(3, 3);
  Paint(CurrentLayer, SpaceRGB, 1, 1, 1);
  EXPECT_EQ(ListMatchingNeighbours(CurrentLayer, SpaceRGB, 2, 2, 1, 1, 1), 8);
  const NeighbourSlot centre[8] = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 3}};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(NeighbourList[k + 1].X, centre[k].X) << k;
    EXPECT_EQ(NeighbourList[k + 1].Y, centre[k].Y) << k;
  }
  // From the corner (1, 1): dx = -1 wraps to column 3, dy = -1 to row 3.
  EXPECT_EQ(ListMatchingNeighbours(CurrentLayer, SpaceRGB, 1, 1, 1, 1, 1), 8);
  const NeighbourSlot corner[8] = {{3, 3}, {3, 1}, {3, 2}, {1, 3}, {1, 2}, {2, 3}, {2, 1}, {2, 2}};
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(NeighbourList[k + 1].X, corner[k].X) << k;
    EXPECT_EQ(NeighbourList[k + 1].Y, corner[k].Y) << k;
  }
}

TEST_F(PixelsTest, NeighbourListersKeepSlotsAboveTheCount) {
  Picture(4, 4);
  Paint(ResultLayer, SpaceHSL, 0, 0, 0);
  SetLayerPixel3(ResultLayer, SpaceHSL, 3, 1, 5, 5, 5);  // below-right of (2, 4) after wrapping
  SetLayerPixel3(ResultLayer, SpaceHSL, 1, 4, 5, 5, 5);  // left of (2, 4)
  for (int k = 1; k <= 16; ++k) NeighbourList[k] = {static_cast<int16_t>(100 + k), static_cast<int16_t>(200 + k)};
  EXPECT_EQ(ListMatchingNeighbours(ResultLayer, SpaceHSL, 2, 4, 5, 5, 5), 2);
  EXPECT_EQ(NeighbourList[1].X, 1);
  EXPECT_EQ(NeighbourList[1].Y, 4);
  EXPECT_EQ(NeighbourList[2].X, 3);
  EXPECT_EQ(NeighbourList[2].Y, 1);
  for (int k = 3; k <= 16; ++k) {
    EXPECT_EQ(NeighbourList[k].X, 100 + k);
    EXPECT_EQ(NeighbourList[k].Y, 200 + k);
  }
  // The others: the six neighbours that are not (5, 5, 5), in the same order.
  EXPECT_EQ(ListOtherNeighbours(ResultLayer, SpaceHSL, 2, 4, 5, 5, 5), 6);
  const NeighbourSlot others[6] = {{1, 3}, {1, 1}, {2, 3}, {2, 1}, {3, 3}, {3, 4}};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(NeighbourList[k + 1].X, others[k].X) << k;
    EXPECT_EQ(NeighbourList[k + 1].Y, others[k].Y) << k;
  }
  EXPECT_EQ(NeighbourList[7].X, 107);
  EXPECT_EQ(NeighbourList[9].X, 109);
}

// FindColorPixel's probes, predicted by a replay of the generator.
class FindColorPixelTest : public PixelsTest {
 protected:
  static constexpr int W = 9, H = 7;
  int32_t seed_ = 0;
  int probeX_ = 0, probeY_ = 0;

  // A seed whose first probe lies inside the picture, off every border.
  void SetUp() override {
    PixelsTest::SetUp();
    Picture(W, H);
    Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
    for (int32_t seed = 1;; ++seed) {
      ReplayGenerator replay(seed);
      replay.Init();
      const int x = replay.NextInt(1, W), y = replay.NextInt(1, H);
      if (x > 2 && x < W - 1 && y > 2 && y < H - 1) {
        seed_ = seed;
        probeX_ = x;
        probeY_ = y;
        break;
      }
    }
  }
  void Seed() {
    RandomSeed = seed_;
    InitRandom(RandomSeed);
  }
  void Mark(int x, int y) { SetLayerPixel3(CurrentLayer, SpaceRGB, x, y, 10, 20, 30); }
  bool Find(int tries, int& x, int& y) { return FindColorPixel(CurrentLayer, SpaceRGB, tries, 10, 20, 30, x, y); }
};

TEST_F(FindColorPixelTest, ScansRightThenLeftThenDownThenUp) {
  int x = -1, y = -1;
  // The probe itself.
  Mark(probeX_, probeY_);
  Mark(probeX_ + 1, probeY_);
  Seed();
  ASSERT_TRUE(Find(1, x, y));
  EXPECT_EQ(x, probeX_);
  EXPECT_EQ(y, probeY_);
  // The nearest to the right, before anything to the left or in the column.
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Mark(probeX_ + 2, probeY_);
  Mark(W, probeY_);
  Mark(probeX_ - 1, probeY_);
  Mark(probeX_, probeY_ + 1);
  Seed();
  ASSERT_TRUE(Find(1, x, y));
  EXPECT_EQ(x, probeX_ + 2);
  EXPECT_EQ(y, probeY_);
  // Nothing to the right: the nearest to the left, before the column.
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Mark(1, probeY_);
  Mark(probeX_ - 2, probeY_);
  Mark(probeX_, probeY_ + 1);
  Mark(probeX_, probeY_ - 1);
  Seed();
  ASSERT_TRUE(Find(1, x, y));
  EXPECT_EQ(x, probeX_ - 2);
  EXPECT_EQ(y, probeY_);
  // Nothing on the row: down the column before up it.
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Mark(probeX_, H);
  Mark(probeX_, probeY_ - 1);
  Seed();
  ASSERT_TRUE(Find(1, x, y));
  EXPECT_EQ(x, probeX_);
  EXPECT_EQ(y, H);
  // Only above: the nearest upwards.
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Mark(probeX_, 1);
  Mark(probeX_, probeY_ - 2);
  Seed();
  ASSERT_TRUE(Find(1, x, y));
  EXPECT_EQ(x, probeX_);
  EXPECT_EQ(y, probeY_ - 2);
  // Diagonal neighbours are not on the cross: not found by the probe.
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Mark(probeX_ + 1, probeY_ + 1);
  Mark(probeX_ - 1, probeY_ - 1);
  Seed();
  ASSERT_TRUE(Find(1, x, y));  // found by the full scan instead, column by column
  EXPECT_EQ(x, probeX_ - 1);
  EXPECT_EQ(y, probeY_ - 1);
}

TEST_F(FindColorPixelTest, FullScanAfterTheTriesIsColumnMajorAndDrawsTwicePerTry) {
  // Probes of three tries; a target off all their rows and columns.
  ReplayGenerator replay(seed_);
  replay.Init();
  std::vector<int> xs, ys;
  for (int t = 0; t < 3; ++t) {
    xs.push_back(replay.NextInt(1, W));
    ys.push_back(replay.NextInt(1, H));
  }
  auto offCross = [&](int x, int y) {
    for (int t = 0; t < 3; ++t)
      if (x == xs[t] || y == ys[t]) return false;
    return true;
  };
  std::vector<std::pair<int, int>> free;
  for (int x = 1; x <= W; ++x)
    for (int y = 1; y <= H; ++y)
      if (offCross(x, y)) free.emplace_back(x, y);
  ASSERT_GE(free.size(), 2u);
  // Two targets: the full scan takes the first in column-major order, which
  // is the one with the lower x even when its y is higher.
  const auto first = free.front();
  std::pair<int, int> second{-1, -1};
  for (const auto& p : free)
    if (p.first > first.first && p.second < first.second) second = p;
  Mark(first.first, first.second);
  if (second.first > 0) Mark(second.first, second.second);
  Seed();
  int x = -1, y = -1;
  ASSERT_TRUE(Find(3, x, y));
  EXPECT_EQ(x, first.first);
  EXPECT_EQ(y, first.second);
  EXPECT_EQ(RandomSeed, replay.State);  // exactly two draws per try
}

TEST_F(FindColorPixelTest, NotFoundLeavesTheCoordinates) {
  int x = 123, y = 456;
  Seed();
  EXPECT_FALSE(Find(4, x, y));
  EXPECT_EQ(x, 123);
  EXPECT_EQ(y, 456);
  // No tries at all: no draw, straight to the full scan.
  Mark(W, H);
  Seed();
  const int32_t before = RandomSeed;
  EXPECT_TRUE(Find(0, x, y));
  EXPECT_EQ(RandomSeed, before);
  EXPECT_EQ(x, W);
  EXPECT_EQ(y, H);
}

TEST_F(FindColorPixelTest, FindFilledPixelSearchesOneDirectionWithWrapping) {
  // The HSL hue of the current layer marks drawn pixels; -1 is undrawn.
  Paint(CurrentLayer, SpaceHSL, EmptyValue, 0, 0);
  int x = -1, y = -1;
  // The probe itself.
  Pixel(CurrentLayer, SpaceHSL, 1, probeX_, probeY_) = 0;
  Seed();
  ASSERT_TRUE(FindFilledPixel(2, x, y));
  EXPECT_EQ(x, probeX_);
  EXPECT_EQ(y, probeY_);
  Pixel(CurrentLayer, SpaceHSL, 1, probeX_, probeY_) = EmptyValue;
  // Right (1) wraps past the right edge to the pixel left of the probe.
  Pixel(CurrentLayer, SpaceHSL, 1, probeX_ - 1, probeY_) = 7;
  Seed();
  ASSERT_TRUE(FindFilledPixel(1, x, y));
  EXPECT_EQ(x, probeX_ - 1);
  EXPECT_EQ(y, probeY_);
  // Left (2) finds that same pixel at once; with another one further left it
  // still takes the nearest.
  Pixel(CurrentLayer, SpaceHSL, 1, 1, probeY_) = 7;
  Seed();
  ASSERT_TRUE(FindFilledPixel(2, x, y));
  EXPECT_EQ(x, probeX_ - 1);
  // Down (3) and up (4) stay in the column: nothing there.
  Seed();
  EXPECT_FALSE(FindFilledPixel(3, x, y));
  Seed();
  EXPECT_FALSE(FindFilledPixel(4, x, y));
  // Up wraps past the top to the bottom row.
  Pixel(CurrentLayer, SpaceHSL, 1, probeX_, H) = 3;
  Pixel(CurrentLayer, SpaceHSL, 1, probeX_, probeY_ + 1) = 3;
  Seed();
  ASSERT_TRUE(FindFilledPixel(4, x, y));
  EXPECT_EQ(x, probeX_);
  EXPECT_EQ(y, H);
  Seed();
  ASSERT_TRUE(FindFilledPixel(3, x, y));
  EXPECT_EQ(y, probeY_ + 1);
  // An empty row: not found, and the search ends.
  Paint(CurrentLayer, SpaceHSL, EmptyValue, 0, 0);
  x = y = 99;
  Seed();
  EXPECT_FALSE(FindFilledPixel(1, x, y));
  EXPECT_EQ(x, 99);
  EXPECT_EQ(y, 99);
}

TEST_F(PixelsTest, NeighbourAverageRoundsTiesToEvenAndSkipsAColour) {
  Picture(4, 4);
  Paint(ResultLayer, SpaceRGB, 0, 0, 0);
  // Channel 2 values around the corner (1, 1), window wrapped to x, y in {4, 1, 2}.
  const int xs[3] = {4, 1, 2}, ys[3] = {4, 1, 2};
  const Sample values[3][3] = {{1, 2, 3}, {4, 100, 6}, {7, 8, 0}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) Pixel(ResultLayer, SpaceRGB, 2, xs[i], ys[j]) = values[i][j];
  // Centre included: (1+2+3+4+100+6+7+8+0) / 9 = 131 / 9 = 14.56 -> 15.
  ASSERT_TRUE(NeighbourAverage(ResultLayer, SpaceRGB, 2, 1, 1, 1, 0, -5, -5, -5));
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 1, 1), 15);
  // Centre excluded, and the pixel (2, 2) of colour (0, 0, 0) skipped:
  // (1+2+3+4+6+7+8) / 7 = 31 / 7 = 4.43 -> 4.
  Pixel(ResultLayer, SpaceRGB, 2, 1, 1) = 100;
  NeighbourAverage(ResultLayer, SpaceRGB, 2, 1, 1, 1, 1, 0, 0, 0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 1, 1), 4);
  // Centre excluded, nothing skipped, eight neighbours: with (2, 1) = 9 and
  // (2, 2) = 4 the mean is 36 / 8 = 4.5 -> 4; with (2, 2) = 12, 44 / 8 = 5.5 -> 6.
  Pixel(ResultLayer, SpaceRGB, 2, 2, 1) = 9;
  Pixel(ResultLayer, SpaceRGB, 2, 2, 2) = 4;
  NeighbourAverage(ResultLayer, SpaceRGB, 2, 1, 1, 1, 1, -5, -5, -5);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 1, 1), 4);
  Pixel(ResultLayer, SpaceRGB, 2, 2, 2) = 12;
  NeighbourAverage(ResultLayer, SpaceRGB, 2, 1, 1, 1, 1, -5, -5, -5);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 1, 1), 6);
  // Only Channel of the centre is written.
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 1, 1), 0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 3, 1, 1), 0);
}

TEST_F(PixelsTest, NeighbourAverageTiesAndEmptyWindows) {
  Picture(3, 1);
  Paint(CurrentLayer, SpaceHSL, 0, 0, 0);
  // Row of three: the window of radius 1 around x = 2 covers 1, 2, 3 and,
  // wrapped vertically, the same row three times.
  Pixel(CurrentLayer, SpaceHSL, 3, 1, 1) = 2;
  Pixel(CurrentLayer, SpaceHSL, 3, 3, 1) = 3;
  Pixel(CurrentLayer, SpaceHSL, 3, 2, 1) = 50;
  // Centre excluded everywhere it appears: (2 + 3) * 3 / 6 = 2.5 -> 2.
  NeighbourAverage(CurrentLayer, SpaceHSL, 3, 2, 1, 1, 1, -9, -9, -9);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, 2, 1), 2);
  Pixel(CurrentLayer, SpaceHSL, 3, 1, 1) = 4;
  Pixel(CurrentLayer, SpaceHSL, 3, 2, 1) = 50;
  // (4 + 3) * 3 / 6 = 3.5 -> 4.
  NeighbourAverage(CurrentLayer, SpaceHSL, 3, 2, 1, 1, 1, -9, -9, -9);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, 2, 1), 4);
  // Everything skipped: 0.
  FillLayer(CurrentLayer, SpaceHSL, 1, 1, 1);
  Pixel(CurrentLayer, SpaceHSL, 3, 2, 1) = 50;
  NeighbourAverage(CurrentLayer, SpaceHSL, 3, 2, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, 2, 1), 0);
}

// A window wider than the picture wraps onto itself: each pixel counts as
// often as the window meets it, and any radius finishes at once.
TEST_F(PixelsTest, NeighbourAverageOfWindowsWiderThanThePicture) {
  Picture(5, 3);
  int32_t seed = 77;
  InitRandom(seed);
  for (int x = 1; x <= 5; ++x)
    for (int y = 1; y <= 3; ++y)
      SetLayerPixel3(ResultLayer, SpaceRGB, x, y, RandomInt(seed, 0, 2), RandomInt(seed, 0, 9), 0);
  for (int radius = 0; radius <= 7; ++radius)
    for (int exclude = 0; exclude <= 1; ++exclude)
      for (int cx : {1, 3, 5})
        for (int cy : {1, 3}) {
          // The window walked pixel by pixel, as the definition reads.
          int64_t sum = 0, count = 0;
          for (int x = cx - radius; x <= cx + radius; ++x)
            for (int y = cy - radius; y <= cy + radius; ++y) {
              int wx, wy;
              WrapXY(x, y, wx, wy);
              if ((exclude == 1 && wx == cx && wy == cy) || IsColor(ResultLayer, SpaceRGB, wx, wy, 1, 7, 0)) continue;
              sum += Pixel(ResultLayer, SpaceRGB, 2, wx, wy);
              ++count;
            }
          const long double mean = count ? static_cast<long double>(sum) / count : 0;
          const Sample before = Pixel(ResultLayer, SpaceRGB, 2, cx, cy);
          NeighbourAverage(ResultLayer, SpaceRGB, 2, cx, cy, radius, exclude, 1, 7, 0);
          EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, cx, cy), Round(mean)) << radius << " " << exclude;
          Pixel(ResultLayer, SpaceRGB, 2, cx, cy) = before;
        }
  // Radius 2^31 - 1 on a 2 x 1 picture: the window of 2^32 - 1 columns from
  // 1 - (2^31 - 1) meets column 2 first, 2^31 times, and column 1 2^31 - 1
  // times, so the mean leans just past or short of the middle.
  Picture(2, 1);
  Paint(CurrentLayer, SpaceHSL, 0, 0, 0);
  Pixel(CurrentLayer, SpaceHSL, 1, 2, 1) = 3;  // 3 * 2^31 / (2^32 - 1) = 1.5000000003
  NeighbourAverage(CurrentLayer, SpaceHSL, 1, 1, 1, INT32_MAX, 0, -1, -1, -1);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 1, 1), 2);
  Pixel(CurrentLayer, SpaceHSL, 1, 1, 1) = 3;  // 3 * (2^31 - 1) / (2^32 - 1) = 1.4999999997
  Pixel(CurrentLayer, SpaceHSL, 1, 2, 1) = 0;
  NeighbourAverage(CurrentLayer, SpaceHSL, 1, 1, 1, INT32_MAX, 0, -1, -1, -1);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 1, 1), 1);
  // A negative radius is an empty window.
  Pixel(CurrentLayer, SpaceHSL, 1, 1, 1) = 9;
  NeighbourAverage(CurrentLayer, SpaceHSL, 1, 1, 1, -1, 0, -1, -1, -1);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 1, 1), 0);
}

TEST_F(PixelsTest, GradientSpanMorphsARunWithWrappingAndTies) {
  Picture(5, 3);
  Paint(ResultLayer, SpaceRGB, 99, 99, 99);
  const int32_t start[3] = {0, 0, 10}, end[3] = {10, 2, 6};
  // Run of 4 to the right of (3, 2): x = 4, 5, 1, 2; fraction k / 5.
  GradientSpan(ResultLayer, SpaceRGB, 3, 2, 1, 0, 4, start, end);
  const int xs[4] = {4, 5, 1, 2};
  const Sample c1[4] = {2, 4, 6, 8};
  const Sample c2[4] = {0, 1, 1, 2};  // 0.4, 0.8, 1.2, 1.6
  const Sample c3[4] = {9, 8, 8, 7};  // 9.2, 8.4, 7.6, 6.8
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, xs[k], 2), c1[k]) << k;
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, xs[k], 2), c2[k]) << k;
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 3, xs[k], 2), c3[k]) << k;
  }
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 3, 2), 99);  // the start pixel is not part of the run
  // Ties go to even: start 0, end 2 over a run of 3 gives 0.5, 1, 1.5 -> 0, 1, 2;
  // end 6 gives 1.5, 3, 4.5 -> 2, 3, 4. Diagonal up-left from (1, 1) wraps.
  const int32_t s2[3] = {0, 0, 0}, e2[3] = {2, 6, -2};
  GradientSpan(ResultLayer, SpaceRGB, 1, 1, -1, -1, 3, s2, e2);
  const int dx[3] = {5, 4, 3}, dy[3] = {3, 2, 1};
  const Sample t1[3] = {0, 1, 2}, t2[3] = {2, 3, 4}, t3[3] = {0, -1, -2};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, dx[k], dy[k]), t1[k]) << k;
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, dx[k], dy[k]), t2[k]) << k;
    EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 3, dx[k], dy[k]), t3[k]) << k;
  }
  // No run: nothing written.
  Paint(CurrentLayer, SpaceHSL, 5, 5, 5);
  GradientSpan(CurrentLayer, SpaceHSL, 2, 2, 1, 0, 0, start, end);
  GradientSpan(CurrentLayer, SpaceHSL, 2, 2, 1, 0, -3, start, end);
  for (int x = 1; x <= 5; ++x)
    for (int y = 1; y <= 3; ++y) ASSERT_TRUE(IsColor(CurrentLayer, SpaceHSL, x, y, 5, 5, 5));
}

TEST_F(PixelsTest, StretchChannelMapsMinimumToLoAndMaximumToHi) {
  Picture(5, 1);
  Paint(CurrentLayer, SpaceRGB, 0, 0, 0);
  Paint(CurrentLayer, SpaceHSL, 0, 0, 0);
  for (int x = 1; x <= 5; ++x) Pixel(CurrentLayer, SpaceRGB, 2, x, 1) = static_cast<Sample>(x + 9);  // 10..14
  Pixel(CurrentLayer, SpaceRGB, 2, 6, 1) = 1000;  // beyond the width: neither read nor written
  // (v - 10) / 4 * 10: 0, 2.5, 5, 7.5, 10 -> 0, 2, 5, 8, 10.
  StretchChannel(CurrentLayer, SpaceRGB, 2, 0.0, 10.0);
  const Sample expected[5] = {0, 2, 5, 8, 10};
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, x, 1), expected[x - 1]) << x;
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, 6, 1), 1000);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, 3, 1), 0);  // other channels untouched
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 2, 3, 1), 0);  // the other space untouched
  // Reversed bounds turn the channel over: 10, 8, 5, 2, 0.
  StretchChannel(CurrentLayer, SpaceRGB, 2, 10.0, 0.0);
  const Sample reversed[5] = {10, 8, 5, 2, 0};
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, x, 1), reversed[x - 1]) << x;
  // Fractional bounds: v / 10 * 1 + 0.5 for v = 10, 8, 5, 2, 0 is
  // 1.5, 1.3, 1, 0.7, 0.5 -> 2, 1, 1, 1, 0 (ties to even at both ends).
  StretchChannel(CurrentLayer, SpaceRGB, 2, 0.5, 1.5);
  const Sample fractional[5] = {2, 1, 1, 1, 0};
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, x, 1), fractional[x - 1]) << x;
}

TEST_F(PixelsTest, StretchChannelOfAConstantChannelGivesLo) {
  Picture(4, 3);
  Paint(ResultLayer, SpaceHSL, 77, 77, 77);
  StretchChannel(ResultLayer, SpaceHSL, 3, 20.0, 200.0);
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 3; ++y) {
      EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, x, y), 20);
      EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, x, y), 77);
    }
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 5, 1), 77);  // beyond the width
  // Lo is rounded like every other value: 2.5 -> 2, 3.5 -> 4.
  StretchChannel(ResultLayer, SpaceHSL, 3, 2.5, 200.0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 2, 2), 2);
  StretchChannel(ResultLayer, SpaceHSL, 3, 3.5, 200.0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 2, 2), 4);
}

TEST_F(PixelsTest, ClampChannelCapsTheCurrentLayerOnly) {
  Picture(3, 2);
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 2; ++y) {
      Pixel(CurrentLayer, SpaceHSL, 1, x, y) = static_cast<Sample>(350 + x * 5 + y);
      Pixel(ResultLayer, SpaceHSL, 1, x, y) = 400;
    }
  ClampChannel(SpaceHSL, 1, MaxHue);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 1, 1), 356);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 1, 2), 357);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 2, 1), 359);  // 361
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 3, 2), 359);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 4, 1), 371);  // beyond the width
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 1, 1), 400);
}

}  // namespace
}  // namespace quillon::test
