#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "modules/filters/OffsetEffect.h"
#include "modules/filters/RotationalSampling.h"

using namespace quillon;
using namespace quillon::test;

namespace {
const Rows Nine = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};

void RunFXC1(int combination, int dx, int dy) {
  UsePicture(3, 3);
  Set(SpaceRGB, 1, Nine);
  Set(SpaceRGB, 2, Nine);
  FXC1Work = {0, {{1, dx, dy, combination}, {0, dx, dy, combination}, {1, 0, 0, 3}}};
  FXC1_Compute();
}
}  // namespace

// At the centre with (dx, dy) = (1, 0): a = 6, b = 4 (the row), c = 8, d = 2
// (the column).
TEST(FXC1, CombinesTheFourTurnedSamples) {
  const int expected[6] = {0, 2, 8, -1, 6, 4};
  for (int combination : {1, 2, 4, 5}) {
    RunFXC1(combination, 1, 0);
    EXPECT_EQ(Get(SpaceRGB, 1)[1][1], expected[combination]) << combination;
    EXPECT_EQ(Get(SpaceRGB, 2), Nine);  // apply flag 0
  }
}

// The sum of the four samples is row sum + column sum - 2v, 16..24 here,
// rescaled to 0..255 (20 -> 127.5 -> 128, a tie to even); a constant plane's
// sum takes the lower bound 0 (sound behaviour).
TEST(FXC1, RescalesTheSumAndWrapsAnyDistance) {
  const Rows sums = {{0, 32, 64}, {96, 128, 159}, {191, 223, 255}};
  for (auto [dx, dy] : {std::pair{1, 0}, std::pair{4, 0}, std::pair{-2, 3}, std::pair{0, 1}, std::pair{0, -302}}) {
    RunFXC1(3, dx, dy);
    EXPECT_EQ(Get(SpaceRGB, 1), sums) << dx << ", " << dy;
    EXPECT_EQ(Get(SpaceRGB, 3), Constant(0));
    EXPECT_TRUE(AllInRange());
  }
}

TEST(FXC1, HueSpaceAndUnknownCombinations) {
  UsePicture(4, 4);
  RandomPicture(6);
  FXC1Work = {1, {{1, 1, 1, 3}, {1, 1, 1, 0}, {2, 1, 1, 3}}};
  FXC1_Compute();
  int top = 0;
  for (auto& row : Get(SpaceHSL, 1)) top = std::max(top, *std::max_element(row.begin(), row.end()));
  EXPECT_EQ(top, 359);  // the hue's sum is rescaled to 0..359
  EXPECT_TRUE(AllInRange());
}

// Algorithm 4 on three pixels, each with its right-hand neighbour (wrapped):
// red A1 B2 + A3 = 8, 38, 23 -> 0, 255, 127.5 -> 128; green 13, 49, 31 -> 127.5
// -> 128; blue 14, 47, 17 -> 23.18 -> 23.
TEST(COL1, CombinesEachPixelWithItsOffsetNeighbour) {
  for (auto [dx, dy] : {std::pair{1, 0}, std::pair{-2, 0}, std::pair{1, -1}, std::pair{4, 7}}) {
    UsePicture(3, 1);
    Set(SpaceRGB, 1, {{1, 4, 7}});
    Set(SpaceRGB, 2, {{2, 5, 8}});
    Set(SpaceRGB, 3, {{3, 6, 9}});
    COL1Work = {dx, dy, 4};
    COL1_Compute();
    EXPECT_EQ(Get(SpaceRGB, 1), (Rows{{0, 255, 128}})) << dx << ", " << dy;
    EXPECT_EQ(Get(SpaceRGB, 2), (Rows{{0, 255, 128}}));
    EXPECT_EQ(Get(SpaceRGB, 3), (Rows{{0, 255, 23}}));
    int32_t h, s, l;
    RGBToHSL(128, 128, 23, h, s, l);
    EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 3, 1), h);
  }
}

TEST(COL1, EveryAlgorithmStaysInRangeAndOthersOnlyRecompute) {
  for (int algorithm = 1; algorithm <= 5; ++algorithm) {
    UsePicture(9, 7);
    RandomPicture(algorithm);
    COL1Work = {1, -1, algorithm};
    COL1_Compute();
    EXPECT_TRUE(AllInRange()) << algorithm;
    int lo = 255, hi = 0;
    for (auto& row : Get(SpaceRGB, 2))
      for (int v : row) lo = std::min(lo, v), hi = std::max(hi, v);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 255);
  }
  UsePicture(4, 4);
  for (int c = 1; c <= 3; ++c) Set(SpaceRGB, c, Constant(100));
  COL1Work = {1, 1, 1};
  COL1_Compute();
  EXPECT_EQ(Get(SpaceRGB, 1), Constant(0));  // a constant effect plane takes the lower bound

  RandomPicture(3);
  const Rows red = Get(SpaceRGB, 1);
  COL1Work = {1, 1, 6};
  COL1_Compute();
  EXPECT_EQ(Get(SpaceRGB, 1), red);
}

TEST(Effects, SamePictureAtEveryThreadCount) {
  EXPECT_TRUE(SameAtEveryThreadCount(160, 60, nullptr, [] {
    FXC1Work = {0, {{1, 80, 80, 3}, {1, 3, -7, 4}, {1, 300, 0, 5}}};
    FXC1_Compute();
  }));
  EXPECT_TRUE(SameAtEveryThreadCount(160, 60, nullptr, [] {
    COL1Work = {1, -1, 3};
    COL1_Compute();
  }));
}
