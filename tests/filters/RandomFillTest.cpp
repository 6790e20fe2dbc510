#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/RandomFill.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void FillRecord(int space, int mode, int amplitude, int k1 = 0, int k2 = 0, int k3 = 0) {
  RNCCWork.Space = space;
  RNCCWork.Mode = mode;
  for (auto& d : RNCCWork.Deviation) d = {amplitude, amplitude};
  RNCCWork.Key[0] = k1;
  RNCCWork.Key[1] = k2;
  RNCCWork.Key[2] = k3;
}

}  // namespace

// Mode 1: the key pixel takes the rounded average of its eight wrapped
// neighbours; sums of 20 and 28 over 8 are ties (2.5, 3.5) rounded to even.
TEST(RandomColorFill, Mode1AveragesTheWrappedNeighbourhoodWithTiesToEven) {
  UsePicture(3, 3);
  Set(SpaceHSL, 1, {{1, 2, 3}, {4, 0, 1}, {2, 3, 4}});
  Set(SpaceHSL, 2, {{3, 4, 3}, {4, 0, 3}, {4, 3, 4}});
  Set(SpaceHSL, 3, {{200, 200, 200}, {200, 0, 200}, {200, 200, 201}});
  FillRecord(SpaceHSL, 1, 0);
  RandomSeed = 5;
  RandomColorFill();
  EXPECT_EQ(Get(SpaceHSL, 1)[1][1], 2);
  EXPECT_EQ(Get(SpaceHSL, 2)[1][1], 4);
  EXPECT_EQ(Get(SpaceHSL, 3)[1][1], 200);  // 1601 / 8 = 200.125
  // The other space is recomputed from the one filled.
  int32_t r, g, b;
  HSLToRGB(2, 4, 200, r, g, b);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 2, 2), r);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 3, 2, 2), b);
}

// Mode 2 in a 2 x 2 picture: right and left find (2, 1), down and up find
// (1, 2); the diagonal pixel, which mode 1 would count four times, plays no
// part. The tenth of four pixels rounds to 0, so the probing rounds go on
// until the pixel is filled with mode 2.
TEST(RandomColorFill, Mode2TakesTheNearestPixelsAlongRowAndColumn) {
  UsePicture(2, 2);
  Set(SpaceRGB, 1, {{0, 1}, {2, 100}});
  Set(SpaceRGB, 2, {{0, 2}, {3, 100}});
  Set(SpaceRGB, 3, {{0, 5}, {5, 100}});
  FillRecord(SpaceRGB, 2, 0);
  RandomSeed = 11;
  RandomColorFill();
  EXPECT_EQ(Get(SpaceRGB, 1)[0][0], 2);  // (1 + 1 + 2 + 2) / 4 = 1.5
  EXPECT_EQ(Get(SpaceRGB, 2)[0][0], 2);  // (2 + 2 + 3 + 3) / 4 = 2.5
  EXPECT_EQ(Get(SpaceRGB, 3)[0][0], 5);
}

// The order of the draws: per probe x then y, and on a fill one deviation
// draw per channel in channel order; rounds of W x H probes. The model below
// replays the draws of a 2 x 2 picture with one key pixel.
TEST(RandomColorFill, DrawsProbesThenOneDeviationPerChannel) {
  const int32_t seed = 4321;
  const int lo[3] = {-3, -7, -20}, hi[3] = {3, 7, 20};
  int32_t state = seed;
  InitRandom(state);
  int expected[3] = {0, 0, 0};
  bool filled = false;
  for (;;) {
    bool changed = false;
    for (int probe = 0; probe < 4; ++probe) {
      const int x = static_cast<int>(Round(static_cast<Real>(Random01(state)) * 1)) + 1;
      const int y = static_cast<int>(Round(static_cast<Real>(Random01(state)) * 1)) + 1;
      if (filled || x != 1 || y != 1) continue;
      for (int c = 0; c < 3; ++c)
        expected[c] = 100 + lo[c] + static_cast<int>(Round(static_cast<Real>(Random01(state)) * (hi[c] - lo[c])));
      filled = changed = true;
    }
    if (filled && !changed) break;  // the round after the fill finds nothing left to fill
  }

  UsePicture(2, 2);
  for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, {{0, 100}, {100, 100}});
  RNCCWork = {SpaceHSL, 1, {{3, 3}, {7, 7}, {20, 20}}, {0, 0, 0}};
  RandomSeed = seed;
  RandomColorFill();
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(Get(SpaceHSL, c)[0][0], expected[c - 1]) << "channel " << c;
  EXPECT_EQ(RandomSeed, state);
}

// The deviation is clamped to the channel's range: 0..359 for the hue in HSL,
// 0..255 otherwise.
TEST(RandomColorFill, ClampsToTheChannelRange) {
  UsePicture(3, 3);
  Set(SpaceHSL, 1, {{359, 359, 359}, {359, 0, 359}, {359, 359, 359}});
  Set(SpaceHSL, 2, {{255, 255, 255}, {255, 0, 255}, {255, 255, 255}});
  Set(SpaceHSL, 3, {{1, 1, 1}, {1, 0, 1}, {1, 1, 1}});
  RNCCWork = {SpaceHSL, 1, {{-40, 40}, {-40, 40}, {40, -40}}, {0, 0, 0}};  // +40, +40, -40 exactly
  RandomSeed = 3;
  RandomColorFill();
  EXPECT_EQ(Get(SpaceHSL, 1)[1][1], 359);
  EXPECT_EQ(Get(SpaceHSL, 2)[1][1], 255);
  EXPECT_EQ(Get(SpaceHSL, 3)[1][1], 0);
}

// Sound behaviour: the fill always ends. A picture of key pixels only, and a
// picture whose key pixels can only ever be filled with the key colour again,
// are left as they are.
TEST(RandomColorFill, EndsWhenNothingCanBeFilled) {
  UsePicture(6, 5);
  for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, Constant(0));
  RNCCWork = {SpaceHSL, 2, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}};
  auto before = Snapshot();
  RandomSeed = 1;
  RandomColorFill();
  EXPECT_EQ(Snapshot(), before);

  UsePicture(6, 5);
  for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, Constant(0));
  Pixel(ResultLayer, SpaceHSL, 1, 3, 3) = 5;
  SyncColorSpace(SpaceHSL);
  // Every fill is 5 - 5 = 0 on the hue and 0 elsewhere: the key colour again.
  RNCCWork = {SpaceHSL, 1, {{5, -5}, {0, 0}, {0, 0}}, {0, 0, 0}};
  before = Snapshot();
  RandomColorFill();
  EXPECT_EQ(Snapshot(), before);
}

// Whatever the record holds, the fill ends and leaves every sample in range
// (the key colour may lie outside it).
TEST(RandomColorFill, AnyRecordEndsAndStaysInRange) {
  const int32_t extremes[] = {0, 1, -1, 2, 255, 359, 65535, -65536, INT32_MAX, INT32_MIN};
  std::mt19937 g(9);
  for (int i = 0; i < 40; ++i) {
    UsePicture(7, 6);
    RandomPicture(i);
    for (int x = 1; x <= 7; ++x)
      for (int y = 1; y <= 6; y += 2)
        for (int c = 1; c <= 3; ++c) Pixel(ResultLayer, SpaceHSL, c, x, y) = 0;
    SyncColorSpace(SpaceHSL);
    auto pick = [&] { return extremes[g() % 10]; };
    RNCCWork = {pick(), pick(), {{pick(), pick()}, {pick(), pick()}, {pick(), pick()}}, {0, 0, 0}};
    if (i % 3 == 0) RNCCWork.Key[0] = pick();
    RandomSeed = static_cast<int32_t>(g());
    RandomColorFill();
    EXPECT_TRUE(AllInRange());
  }
}

TEST(RandomColorFill, FillsEveryKeyPixelOfASparsePicture) {
  UsePicture(40, 30);
  RandomPicture(5);
  std::mt19937 g(1);
  for (int x = 1; x <= 40; ++x)
    for (int y = 1; y <= 30; ++y)
      if (g() % 100 >= 6)
        for (int c = 1; c <= 3; ++c) Pixel(ResultLayer, SpaceHSL, c, x, y) = 0;
  SyncColorSpace(SpaceHSL);
  for (int mode : {1, 2}) {
    RNCCWork = {SpaceHSL, mode, {{0, 0}, {0, 0}, {10, 10}}, {0, 0, 0}};
    RandomSeed = 77;
    RandomColorFill();
    int key = 0;
    for (int x = 1; x <= 40; ++x)
      for (int y = 1; y <= 30; ++y)
        key += (Pixel(ResultLayer, SpaceHSL, 1, x, y) == 0 && Pixel(ResultLayer, SpaceHSL, 2, x, y) == 0 &&
                Pixel(ResultLayer, SpaceHSL, 3, x, y) == 0);
    EXPECT_EQ(key, 0) << "mode " << mode;
    EXPECT_TRUE(AllInRange());
  }
}
