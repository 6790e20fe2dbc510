#include <set>

#include "GeneratorTest.h"
#include "engine/Pixels.h"
#include "modules/generators/Shapes.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void Rectangles(int32_t Count, int32_t SatMode, int32_t LumMode, int32_t WMin = 3, int32_t WMax = 9) {
  SH01Work = {SpaceHSL, WMin, WMax, 3, 9, 0, 359, 0, 255, 0, 255, Count, SatMode, LumMode, 1, 0};
  SH01_Compute();
}

struct Drawn {
  int32_t lumMode, satMode, w, h, hue, sat, lum, x0, y0;
};

// Replays one rectangle's draws from the current RandomSeed.
Drawn Replay(const TSH01Work& r) {
  Drawn d{};
  d.lumMode = r.SatGradient == 1 ? RandomInt(RandomSeed, 2, 5) : r.SatGradient;
  d.satMode = r.LumGradient == 1 ? RandomInt(RandomSeed, 2, 5) : r.LumGradient;
  d.w = RandomInt(RandomSeed, r.WidthMin, r.WidthMax);
  d.h = RandomInt(RandomSeed, r.HeightMin, r.HeightMax);
  d.hue = RandomInt(RandomSeed, r.HueMin, r.HueMax);
  d.sat = RandomInt(RandomSeed, r.SatMin, r.SatMax);
  d.lum = RandomInt(RandomSeed, r.LumMin, r.LumMax);
  d.x0 = RandomInt(RandomSeed, 1, ImageWidth);
  d.y0 = RandomInt(RandomSeed, 1, ImageHeight);
  return d;
}

}  // namespace

// The rectangles continue from RandomSeed as the caller left it: nine draws
// each with both gradient modes 1, seven with modes 0 or fixed modes.
TEST(Shapes, TakesNineOrSevenDrawsPerRectangle) {
  FreshPicture(32, 32);
  struct Case {
    int32_t satMode, lumMode, perRect;
  };
  for (Case c : {Case{1, 1, 9}, Case{0, 0, 7}, Case{1, 0, 8}, Case{0, 1, 8}, Case{2, 5, 7}, Case{3, 4, 7}}) {
    for (int32_t count : {0, 1, 13}) {
      RandomSeed = 777;
      Rectangles(count, c.satMode, c.lumMode);
      EXPECT_EQ(RandomSeed, StateAfter(777, static_cast<int64_t>(c.perRect) * count))
          << c.satMode << " " << c.lumMode << " " << count;
    }
  }
  // Seed slot and space are not read.
  RandomSeed = 5;
  SH01Work = {99, 3, 9, 3, 9, 0, 359, 0, 255, 0, 255, 10, 1, 1, 12345, 0};
  SH01_Compute();
  const auto a = Snapshot();
  RandomSeed = 5;
  SH01Work.Space = SpaceRGB;
  SH01Work.Seed = -7;
  SH01_Compute();
  EXPECT_EQ(Snapshot(), a);
  ExpectSoundLayer(SpaceHSL);
}

// A 5 x 4 rectangle on a 16 x 16 picture, placed near the corner so that it
// wraps across both edges: exactly its 20 wrapped pixels take its colour,
// the rest keeps the background.
TEST(Shapes, RectangleWrapsAcrossTheEdges) {
  FreshPicture(16, 16);
  SH01Work = {SpaceHSL, 5, 5, 4, 4, 0, 359, 0, 255, 1, 255, 1, 0, 0, 0, PackRGB(0, 0, 0)};
  int32_t seed = 0;
  Drawn d{};
  for (;; ++seed) {
    Reseed(seed);
    d = Replay(SH01Work);
    if (d.x0 > 12 && d.y0 > 13) break;
  }
  RandomSeed = seed;
  SH01_Compute();
  std::set<std::pair<int, int>> rect;
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 4; ++j) rect.insert({WrapX(d.x0 + i), WrapY(d.y0 + j)});
  EXPECT_TRUE(rect.count({1, 1}));
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 16; ++y) {
      const bool in = rect.count({x, y}) > 0;
      ASSERT_EQ(H(x, y), in ? d.hue : 0);
      ASSERT_EQ(S(x, y), in ? d.sat : 0);
      ASSERT_EQ(L(x, y), in ? d.lum : 0);
    }
  ExpectSoundLayer(SpaceHSL);
}

// The "Saturation Gradient" mode grades the luminosity, the "Luminosity
// Gradient" mode the saturation. Mode 2 rises by one per pixel down each
// column (from the drawn value at the top of every column), mode 5 falls by
// one per column; both are held inside the channel's range.
TEST(Shapes, GradientsStepPerPixelAndPerColumn) {
  FreshPicture(16, 16);
  SH01Work = {SpaceHSL, 6, 6, 7, 7, 10, 10, 100, 103, 200, 204, 1, 2, 5, 0, 0};
  RandomSeed = 31;
  SH01_Compute();
  Reseed(31);
  const Drawn d = Replay(SH01Work);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 7; ++j) {
      const int x = WrapX(d.x0 + i), y = WrapY(d.y0 + j);
      EXPECT_EQ(H(x, y), 10);
      EXPECT_EQ(L(x, y), std::min(d.lum + j, 204)) << i << "," << j;
      EXPECT_EQ(S(x, y), std::max(d.sat - i, 100)) << i << "," << j;
    }
}

// A rectangle wider and higher than the picture wraps onto itself; of the
// offsets that land on one column the last one drawn stays. With mode 4 on
// the saturation, column c shows the drawn value plus the largest offset i
// below the width with x0 + i on c.
TEST(Shapes, OversizedRectangleKeepsItsLastColumns) {
  FreshPicture(16, 12);
  SH01Work = {SpaceHSL, 40, 40, 30, 30, 0, 359, 0, 255, 0, 255, 1, 0, 4, 0, 0};
  RandomSeed = 8;
  SH01_Compute();
  Reseed(8);
  const Drawn d = Replay(SH01Work);
  for (int x = 1; x <= 16; ++x) {
    int last = -1;
    for (int i = 0; i < 40; ++i)
      if (WrapX(d.x0 + i) == x) last = i;
    for (int y = 1; y <= 12; ++y) {
      ASSERT_EQ(S(x, y), std::min(d.sat + last, 255)) << x;
      ASSERT_EQ(L(x, y), d.lum);
    }
  }
  // Sizes from any 32-bit value stay bounded and inside the picture.
  SH01Work = {SpaceHSL, INT32_MAX, INT32_MAX, INT32_MIN, INT32_MAX, 0, 359, 0, 255, 0, 255, 3, 4, 2, 0, 0};
  SH01_Compute();
  ExpectSoundLayer(SpaceHSL);
  SH01Work.WidthMin = SH01Work.WidthMax = -5;  // negative sizes draw nothing
  SH01_Compute();
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 12; ++y) ASSERT_EQ(L(x, y), 0);
}

TEST(Shapes, EqualStatesGiveEqualLayers) {
  FreshPicture(48, 40);
  RandomSeed = 3;
  Rectangles(60, 1, 1);
  const auto a = Snapshot();
  const int32_t after = RandomSeed;
  Scribble();
  RandomSeed = 3;
  Rectangles(60, 1, 1);
  EXPECT_EQ(Snapshot(), a);
  EXPECT_EQ(RandomSeed, after);
  ExpectSoundLayer(SpaceHSL);
}
