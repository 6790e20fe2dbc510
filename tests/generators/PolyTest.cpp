#include "GeneratorTest.h"
#include "engine/Numeric.h"
#include "modules/generators/Poly.h"

using namespace quillon;
using namespace quillon::test;

namespace {

// The line network of the plank texture: cyan pen, black background.
void Plank(int32_t Occurences, int32_t MinLength, int32_t Seed) {
  POLYWork = {Occurences, 100, 8, 100, 2, 100, 12, MinLength, PackRGB(0, 0, 0), PackRGB(0, 255, 255), Seed};
  POLY_Run();
}

bool Drawn(int x, int y) { return L(x, y) != 0; }

}  // namespace

// The line drawing steps along the longer axis and rounds the other
// coordinate to nearest with halves down.
TEST(Poly, LineCoordinatesRoundHalvesDown) {
  EXPECT_EQ(LineCoordinate(1, 1, 1, 2), 1);    // 1.5 -> 1
  EXPECT_EQ(LineCoordinate(1, -1, 1, 2), 0);   // 0.5 -> 0
  EXPECT_EQ(LineCoordinate(0, 3, 1, 2), 1);    // 1.5 -> 1
  EXPECT_EQ(LineCoordinate(0, -3, 1, 2), -2);  // -1.5 -> -2
  EXPECT_EQ(LineCoordinate(0, 2, 1, 3), 1);    // 0.67 -> 1
  EXPECT_EQ(LineCoordinate(0, 1, 1, 3), 0);    // 0.33 -> 0
  EXPECT_EQ(LineCoordinate(0, -2, 1, 3), -1);  // -0.67 -> -1
  EXPECT_EQ(LineCoordinate(7, 5, 5, 5), 12);   // the major axis is exact
  EXPECT_EQ(LineCoordinate(0, 5, 4, 8), 2);    // 2.5 -> 2
  EXPECT_EQ(LineCoordinate(0, INT32_MAX, 3, 6), 1073741823);  // no overflow
}

// The frame's draws: x0, then P1 and P2; its first line starts at (x0, 1)
// with the pen at the foreground colour. The top-to-bottom line and the
// left-to-right line each reach every row and every column.
TEST(Poly, FrameCrossesThePicture) {
  for (auto [w, h] : {std::pair{64, 48}, std::pair{37, 91}}) {
    FreshPicture(w, h);
    Plank(0, 10, 4);
    Reseed(4);
    const int32_t a3 = static_cast<int32_t>(Round(static_cast<Real>(w) / 3));
    const int x0 = RandomInt(RandomSeed, a3, 2 * a3);
    EXPECT_EQ(H(x0, 1), 180);
    EXPECT_EQ(S(x0, 1), 255);
    EXPECT_EQ(L(x0, 1), 255);
    EXPECT_TRUE(Drawn(x0, h));
    for (int y = 1; y <= h; ++y) {
      bool any = false;
      for (int x = 1; x <= w; ++x) any = any || Drawn(x, y);
      EXPECT_TRUE(any) << "row " << y;
    }
    for (int x = 1; x <= w; ++x) {
      bool any = false;
      for (int y = 1; y <= h; ++y) any = any || Drawn(x, y);
      EXPECT_TRUE(any) << "column " << x;
    }
    ExpectSoundLayer(SpaceHSL);
  }
}

// Pen bands of the plank settings: hue 80..280, saturation and luminosity
// 55..255. Grown lines add pixels; none is left unset.
TEST(Poly, GrownLinesStayInThePenBands) {
  FreshPicture(96, 96);
  Plank(0, 10, 11);
  int frame = 0, grown = 0;
  for (int x = 1; x <= 96; ++x)
    for (int y = 1; y <= 96; ++y) frame += Drawn(x, y);
  Plank(8, 10, 11);
  for (int x = 1; x <= 96; ++x)
    for (int y = 1; y <= 96; ++y) {
      if (!Drawn(x, y)) {
        ASSERT_EQ(H(x, y), 0);
        ASSERT_EQ(S(x, y), 0);
        continue;
      }
      ++grown;
      ASSERT_GE(H(x, y), 80);
      ASSERT_LE(H(x, y), 280);
      ASSERT_GE(S(x, y), 55);
      ASSERT_GE(L(x, y), 55);
    }
  EXPECT_GE(grown, frame + 8 * 10);  // eight lines of at least 10 pixels
  ExpectSoundLayer(SpaceHSL);
}

TEST(Poly, NegativeOccurencesDrawOnlyTheFrame) {
  FreshPicture(40, 40);
  Plank(0, 5, 2);
  const auto frame = Snapshot();
  Plank(-4, 5, 2);
  EXPECT_EQ(Snapshot(), frame);
  Scribble();
  Plank(INT32_MIN, 5, 2);
  EXPECT_EQ(Snapshot(), frame);
  // A Min Length no line can reach: every try fails, the frame stays.
  Plank(20, INT32_MAX, 2);
  EXPECT_EQ(Snapshot(), frame);
}

TEST(Poly, EqualRecordsGiveEqualLayers) {
  FreshPicture(80, 60);
  Plank(6, 8, 33);
  const auto a = Snapshot();
  Scribble();
  Plank(6, 8, 33);
  EXPECT_EQ(Snapshot(), a);
}
