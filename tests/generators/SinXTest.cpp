#include <cmath>
#include <set>

#include "GeneratorTest.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "modules/generators/SinX.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

// Luminosity map: hue 0, saturation 255, stretched to 0..255.
void LumMap(int32_t Wave, int32_t WP, int32_t WH, int32_t WC, int32_t HP, int32_t HH, int32_t HC, int32_t Variant) {
  SIN1Work = {WP, WH, WC, HP, HH, HC, 0, 255, 0, 255, Wave, Variant};
  SinX_ComputeLum();
}

std::vector<int32_t> Row(int y) {
  std::vector<int32_t> v;
  for (int x = 1; x <= ImageWidth; ++x) v.push_back(L(x, y));
  return v;
}

void ExpectBlack() {
  for (Sample s : Snapshot()) ASSERT_EQ(s, 0);
}

}  // namespace

// sin(x / 8 * 2pi) across an 8-pixel width, constant down the height,
// stretched from -1..1 to 0..255: x = 2 is the top, x = 6 the bottom, and
// the zeros (127.5 as stored in the single-precision matrix) round to even.
TEST(SinX, SineIsHandComputable) {
  FreshPicture(8, 3);
  LumMap(0, 1, 0, 1, 0, 0, 0, 1);
  EXPECT_EQ(Row(1), (std::vector<int32_t>{218, 255, 218, 128, 37, 0, 37, 128}));
  EXPECT_EQ(Row(3), Row(1));
  EXPECT_EQ(H(5, 2), 0);
  EXPECT_EQ(S(5, 2), 255);
  ExpectSoundLayer(SpaceHSL);
  // The difference variant along the height: 0 - sin(y / 3 * 2pi).
  LumMap(0, 0, 0, 0, 1, 0, 1, 2);
  EXPECT_EQ(L(1, 1), 0);
  EXPECT_EQ(L(4, 2), 255);
}

// The triangle on a 16-pixel side with one period: quarters of 4 pixels,
// t = (x mod 4) / 4, counter x div 4 from the phase: 0.25, 0.5, 0.75, 1,
// 0.75 ... down to -1 at x = 12 and back to 0 at x = 16. The phase counts
// whole quarters.
TEST(SinX, TriangleIsHandComputable) {
  FreshPicture(16, 16);
  LumMap(1, 1, 0, 1, 1, 0, 0, 1);
  EXPECT_EQ(Row(1), (std::vector<int32_t>{159, 191, 223, 255, 223, 191, 159, 128, 96, 64, 32, 0, 32, 64, 96, 128}));
  LumMap(1, 1, 2, 1, 1, 0, 0, 1);  // two quarters later: the negative half first
  EXPECT_EQ(Row(1), (std::vector<int32_t>{96, 64, 32, 0, 32, 64, 96, 128, 159, 191, 223, 255, 223, 191, 159, 128}));
  LumMap(1, 1, -2, 1, 1, 0, 0, 1);  // a negative phase counts back the same way
  EXPECT_EQ(L(4, 1), 0);
  // Product: (u + 1) * (v + 1) over the square.
  LumMap(1, 1, 0, 1, 1, 0, 1, 3);
  EXPECT_EQ(L(4, 4), 255);
  EXPECT_EQ(L(12, 7), 0);
  ExpectSoundLayer(SpaceHSL);
}

// Sawtooth: p = Int(side / period) pixels, u = ((x + phase) mod p) / p.
TEST(SinX, SawtoothIsHandComputable) {
  FreshPicture(8, 4);
  LumMap(2, 2, 0, 1, 1, 0, 0, 1);  // p = 4: 0.25, 0.5, 0.75, 0, ...
  EXPECT_EQ(Row(1), (std::vector<int32_t>{85, 170, 255, 0, 85, 170, 255, 0}));
  LumMap(2, 2, 1, 1, 1, 0, 0, 1);
  EXPECT_EQ(Row(1), (std::vector<int32_t>{170, 255, 0, 85, 170, 255, 0, 85}));
  ExpectSoundLayer(SpaceHSL);
}

// 18 pixels hold one 16-pixel triangle period and 2 pixels of the next; the
// whole period is spread over the 18 columns, column x showing column
// 1 + (x - 1) * 16 div 18 of it, so two evenly spaced columns repeat and
// the picture tiles.
TEST(SinX, LeftoverColumnsAndRowsAreEvenedOut) {
  // The reference: whole periods only (16 columns, rows of quarter 5).
  FreshPicture(16, 20);
  LumMap(1, 1, 0, 1, 1, 0, 1, 1);
  std::vector<std::vector<int32_t>> rows(17, std::vector<int32_t>(21));
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 20; ++y) rows[x][y] = L(x, y);
  FreshPicture(18, 21);  // rows: quarter Int(21 / 4) = 5, period 20, 1 left over
  LumMap(1, 1, 0, 1, 1, 0, 1, 1);
  std::set<int> repeatedColumns;
  for (int x = 1; x <= 18; ++x) {
    const int sx = 1 + (x - 1) * 16 / 18;
    if (x > 1 && sx == 1 + (x - 2) * 16 / 18) repeatedColumns.insert(x);
    for (int y = 1; y <= 21; ++y) {
      const int sy = 1 + (y - 1) * 20 / 21;
      ASSERT_EQ(L(x, y), rows[sx][sy]) << x << "," << y;
    }
  }
  EXPECT_EQ(repeatedColumns, (std::set<int>{2, 11}));
  ExpectSoundLayer(SpaceHSL);
}

TEST(SinX, ConstantMapTakesTheMinimum) {
  FreshPicture(10, 10);
  SIN1Work = {3, 0, 0, 2, 0, 0, 30, 200, 17, 99, 0, 1};
  SinX_ComputeLum();
  for (int x = 1; x <= 10; ++x)
    for (int y = 1; y <= 10; ++y) {
      ASSERT_EQ(H(x, y), 30);
      ASSERT_EQ(S(x, y), 200);
      ASSERT_EQ(L(x, y), 17);
    }
  ExpectSoundLayer(SpaceHSL);
}

// A triangle quarter below 4 pixels, a sawtooth period below one pixel or a
// period count of 0 is refused: one message box, a black layer. The width
// is tested first and a refused width ends the tests.
TEST(SinX, RefusesPeriodsThatDoNotFit) {
  FreshPicture(64, 48);
  struct Case {
    int32_t wave, wp, hp;
    const char* text;
  };
  const Case cases[] = {
      {1, 5, 1, "Width frequency is too high"},    // Int(64 / 20) = 3
      {1, 4, 4, "Height frequency is too high"},   // 64 / 16 = 4 fits, Int(48 / 16) = 3
      {1, 5, 4, "Width frequency is too high"},
      {1, 0, 1, "Width frequency is too high"},
      {1, -3, 1, "Width frequency is too high"},
      {1, 1, 0, "Height frequency is too high"},
      {2, 0, 1, "Width frequency is too high"},
      {2, 65, 1, "Width frequency is too high"},
      {2, -1, 1, "Width frequency is too high"},
      {2, 64, 49, "Height frequency is too high"},
      {2, 1, INT32_MIN, "Height frequency is too high"},
  };
  for (const Case& c : cases) {
    for (int hue = 0; hue <= 1; ++hue) {
      Scribble();
      ClearMessageLog();
      if (hue) {
        SIN3Work = {c.wp, 0, 100, c.hp, 0, 100, 255, 255, 0, 359, c.wave, 3};
        SinX_ComputeHue();
      } else {
        SIN1Work = {c.wp, 0, 100, c.hp, 0, 100, 0, 255, 0, 255, c.wave, 3};
        SinX_ComputeLum();
      }
      ASSERT_EQ(MessageLog().size(), 1u) << c.wave << " " << c.wp << " " << c.hp;
      EXPECT_EQ(MessageLog()[0].Text, c.text);
      EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
      ExpectBlack();
    }
  }
  // The largest periods that fit draw normally.
  ClearMessageLog();
  LumMap(1, 4, 0, 100, 3, 0, 100, 1);
  LumMap(2, 64, 0, 100, 48, 0, 100, 1);
  LumMap(0, 0, 0, 100, -7, 0, 100, 1);  // the sine needs no check
  EXPECT_TRUE(MessageLog().empty());
}

// The hue map writes Round(map) into the hue and the two constants into
// saturation and luminosity.
TEST(SinX, HueMapFillsTheHueChannel) {
  FreshPicture(32, 16);
  SIN3Work = {1, 0, 100, 1, 0, 100, 200, 150, 0, 359, 0, 1};
  SinX_ComputeHue();
  int lo = 999, hi = -1;
  for (int x = 1; x <= 32; ++x)
    for (int y = 1; y <= 16; ++y) {
      ASSERT_EQ(S(x, y), 200);
      ASSERT_EQ(L(x, y), 150);
      lo = std::min(lo, H(x, y));
      hi = std::max(hi, H(x, y));
    }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 359);
  ExpectSoundLayer(SpaceHSL);
}

TEST(SinX, EqualRecordsGiveEqualLayersAtAnyThreadCount) {
  FreshPicture(160, 120);
  for (int32_t wave : {0, 1, 2}) {
    SIN1Work = {3, 7, 100, 2, 11, 60, 0, 255, 0, 255, wave, 3};
    SetThreadCount(1);
    SinX_ComputeLum();
    const auto a = Snapshot();
    Scribble();
    SetThreadCount(5);
    SinX_ComputeLum();
    EXPECT_EQ(Snapshot(), a) << wave;
  }
  SetThreadCount(0);
}
