// The colour model: MulDiv, RGB <-> HSL, packed colours, and the two
// whole-layer syncs checked against the per-pixel conversion for every colour.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "EngineTest.h"
#include "engine/Color.h"
#include "engine/Numeric.h"

namespace quillon::test {
namespace {

struct HSL {
  int32_t H, S, L;
  bool operator==(const HSL&) const = default;
};
struct RGB {
  int32_t R, G, B;
  bool operator==(const RGB&) const = default;
};

HSL ToHSL(int32_t r, int32_t g, int32_t b) {
  HSL v{};
  RGBToHSL(r, g, b, v.H, v.S, v.L);
  return v;
}
RGB ToRGB(int32_t h, int32_t s, int32_t l) {
  RGB v{};
  HSLToRGB(h, s, l, v.R, v.G, v.B);
  return v;
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);    // 0.5
  EXPECT_EQ(MulDiv(5, 1, 2), 3);    // 2.5: ties to even would give 2
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);  // -2.5
  EXPECT_EQ(MulDiv(5, 1, -2), -3);
  EXPECT_EQ(MulDiv(-5, -1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, -2), 3);
  EXPECT_EQ(MulDiv(1, 1, 3), 0);
  EXPECT_EQ(MulDiv(2, 1, 3), 1);
  EXPECT_EQ(MulDiv(-2, 1, 3), -1);
  EXPECT_EQ(MulDiv(-1, 1, 3), 0);
}

TEST(MulDiv, UsesTheWholeProductAndRefusesZeroDivisor) {
  EXPECT_EQ(MulDiv(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);  // the product needs 62 bits
  EXPECT_EQ(MulDiv(INT32_MIN, INT32_MIN, INT32_MIN), INT32_MIN);
  EXPECT_EQ(MulDiv(7, 3, 0), -1);
  EXPECT_EQ(MulDiv(0, 0, 0), -1);
  EXPECT_EQ(MulDiv(INT32_MIN, -1, 0), -1);
  // A quotient beyond 32 bits gives -1 as well.
  EXPECT_EQ(MulDiv(INT32_MAX, 2, 1), -1);
  EXPECT_EQ(MulDiv(INT32_MIN, -1, 1), -1);
  EXPECT_EQ(MulDiv(INT32_MIN, 1, 1), INT32_MIN);
}

TEST(Round, TiesToEvenAndSaturates) {
  EXPECT_EQ(Round(0.5L), 0);
  EXPECT_EQ(Round(1.5L), 2);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(-0.5L), 0);
  EXPECT_EQ(Round(-1.5L), -2);
  EXPECT_EQ(Round(-2.5L), -2);
  EXPECT_EQ(Round(2.5000000001L), 3);
  EXPECT_EQ(Round(0.49999999999999999L), 0);
  EXPECT_EQ(Round(std::numeric_limits<long double>::quiet_NaN()), 0);
  EXPECT_EQ(Round(std::numeric_limits<long double>::infinity()), INT64_MAX);
  EXPECT_EQ(Round(-std::numeric_limits<long double>::infinity()), INT64_MIN);
  // Exact up to the edges of the 64-bit range, saturated beyond.
  EXPECT_EQ(Round(0x1p63L - 7), INT64_MAX - 6);
  EXPECT_EQ(Round(0x1p63L - 1), INT64_MAX);
  EXPECT_EQ(Round(0x1p63L - 1.5L), INT64_MAX - 1);  // tie, to the even neighbour
  EXPECT_EQ(Round(0x1p63L - 0.5L), INT64_MAX);      // rounds to 2^63, which saturates
  EXPECT_EQ(Round(-0x1p63L + 7), INT64_MIN + 7);
  EXPECT_EQ(Round(-0x1p63L), INT64_MIN);
  EXPECT_EQ(Round(-0x1p64L), INT64_MIN);
  EXPECT_EQ(Trunc(2.9L), 2);
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(Trunc(0x1p63L - 7), INT64_MAX - 6);
  EXPECT_EQ(Trunc(0x1p63L), INT64_MAX);
  EXPECT_EQ(Trunc(-0x1p63L + 7), INT64_MIN + 7);
  EXPECT_EQ(Trunc(-0x1p64L), INT64_MIN);
}

TEST(Color, NamedColoursThroughColorToHSL) {
  int32_t h, s, l;
  ColorToHSL(PackRGB(0, 0, 255), h, s, l);
  EXPECT_EQ((HSL{h, s, l}), (HSL{240, 255, 255}));  // blue
  ColorToHSL(PackRGB(255, 255, 0), h, s, l);
  EXPECT_EQ((HSL{h, s, l}), (HSL{60, 255, 255}));  // yellow
  ColorToHSL(0, h, s, l);
  EXPECT_EQ((HSL{h, s, l}), (HSL{0, 0, 0}));  // black
  // Only the low three bytes are the colour.
  ColorToHSL(0x7F0000FF, h, s, l);
  EXPECT_EQ((HSL{h, s, l}), (HSL{0, 255, 255}));  // red
}

TEST(Color, PackRGBDoesNotMask) {
  EXPECT_EQ(PackRGB(0, 128, 0), 32768);
  EXPECT_EQ(PackRGB(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(PackRGB(256, 0, 0), PackRGB(0, 1, 0));
  EXPECT_EQ(PackRGB(359, 255, 255), 359 + 255 * 256 + 255 * 65536);
  EXPECT_EQ(PackRGB(-1, 0, 0), -1);
  int32_t r, g, b;
  SplitRGB(PackRGB(12, 34, 56), r, g, b);
  EXPECT_EQ((RGB{r, g, b}), (RGB{12, 34, 56}));
}

TEST(Color, RGBToHSLRoundsItsQuotientsHalfAwayFromZero) {
  EXPECT_EQ(ToHSL(255, 128, 0), (HSL{30, 255, 255}));  // 60 * 128 / 255 = 30.1
  // Hue 60 * 1 / 120 = 0.5 goes up to 1; -0.5 goes down to -1, then 359.
  EXPECT_EQ(ToHSL(120, 1, 0), (HSL{1, 255, 120}));
  EXPECT_EQ(ToHSL(120, 0, 1), (HSL{359, 255, 120}));
  // Saturation 255 * 1 / 102 = 2.5 goes up to 3.
  EXPECT_EQ(ToHSL(102, 101, 101), (HSL{0, 3, 102}));
  // Green and blue maxima add 120 and 240.
  EXPECT_EQ(ToHSL(0, 200, 100), (HSL{150, 255, 200}));
  EXPECT_EQ(ToHSL(100, 0, 200), (HSL{270, 255, 200}));
  // Red wins a tie for the maximum, then green.
  EXPECT_EQ(ToHSL(200, 200, 0), (HSL{60, 255, 200}));
  EXPECT_EQ(ToHSL(0, 200, 200), (HSL{180, 255, 200}));
  EXPECT_EQ(ToHSL(200, 0, 200), (HSL{300, 255, 200}));
  EXPECT_EQ(ToHSL(77, 77, 77), (HSL{0, 0, 77}));
}

TEST(Color, HSLToRGBTruncatesInSectors) {
  // Sector 0, f = 30: t = 255 * (15300 - 255 * 30) / 15300 = 127.5, truncated.
  EXPECT_EQ(ToRGB(30, 255, 255), (RGB{255, 127, 0}));
  EXPECT_EQ(ToRGB(90, 255, 255), (RGB{127, 255, 0}));
  EXPECT_EQ(ToRGB(150, 255, 255), (RGB{0, 255, 127}));
  EXPECT_EQ(ToRGB(210, 255, 255), (RGB{0, 127, 255}));
  EXPECT_EQ(ToRGB(270, 255, 255), (RGB{127, 0, 255}));
  EXPECT_EQ(ToRGB(330, 255, 255), (RGB{255, 0, 127}));
  // p = 200 * (255 - 100) / 255 = 121.56, truncated.
  EXPECT_EQ(ToRGB(0, 100, 200), (RGB{200, 121, 121}));
  EXPECT_EQ(ToRGB(12345, 0, 99), (RGB{99, 99, 99}));  // grey whatever the hue
}

TEST(Color, HSLToRGBBringsAnyHueIntoRange) {
  for (int32_t h = 0; h < 360; ++h) {
    const RGB expected = ToRGB(h, 180, 240);
    for (int32_t k : {-3, -1, 1, 2, 1000}) EXPECT_EQ(ToRGB(h + 360 * k, 180, 240), expected) << h << " " << k;
  }
  EXPECT_EQ(ToRGB(360, 255, 255), ToRGB(0, 255, 255));
  EXPECT_EQ(ToRGB(-1, 255, 255), ToRGB(359, 255, 255));
  EXPECT_EQ(ToRGB(INT32_MIN, 255, 255), ToRGB(((INT32_MIN % 360) + 360) % 360, 255, 255));
  EXPECT_EQ(ToRGB(INT32_MAX, 255, 255), ToRGB(INT32_MAX % 360, 255, 255));
}

// Any 32-bit values reach the conversions through parameters; they must stay
// defined (the sanitizer build checks it). In range they are the plain ones.
TEST(Color, ConversionsOfExtremeValuesAreDefined) {
  const int32_t values[] = {INT32_MIN, INT32_MIN + 1, -65536, -1, 0, 1, 255, 65536, INT32_MAX - 1, INT32_MAX};
  int64_t checksum = 0;
  for (int32_t a : values)
    for (int32_t b : values)
      for (int32_t c : values) {
        const HSL h = ToHSL(a, b, c);
        const RGB r = ToRGB(a, b, c);
        checksum += h.H + h.S + h.L + r.R + r.G + r.B;
        EXPECT_EQ(h.L, std::max({a, b, c}));
        if (b == 0) {
          EXPECT_EQ(r, (RGB{c, c, c}));
        }
      }
  (void)checksum;
}

// Every RGB colour: its HSL lies in range, the maximum comes back exactly and
// the other channels within the model's loss (the whole-degree hue moves the
// middle channel by up to (max - min) / 120, the saturation rounding and the
// truncations by one more each: at most 3; the minimum by at most 1).
TEST(Color, EveryColourRoundTripsWithinTheModelsLoss) {
  int worstMiddle = 0, worstMinimum = 0;
  for (int32_t r = 0; r < 256; ++r)
    for (int32_t g = 0; g < 256; ++g)
      for (int32_t b = 0; b < 256; ++b) {
        const HSL h = ToHSL(r, g, b);
        ASSERT_TRUE(h.H >= 0 && h.H <= MaxHue && h.S >= 0 && h.S <= MaxSatLum && h.L >= 0 && h.L <= MaxSatLum)
            << r << " " << g << " " << b;
        const RGB back = ToRGB(h.H, h.S, h.L);
        const int32_t mx = std::max({r, g, b}), mn = std::min({r, g, b});
        ASSERT_EQ(std::max({back.R, back.G, back.B}), mx) << r << " " << g << " " << b;
        worstMinimum = std::max(worstMinimum, std::abs(std::min({back.R, back.G, back.B}) - mn));
        worstMiddle = std::max({worstMiddle, std::abs(back.R - r), std::abs(back.G - g), std::abs(back.B - b)});
        if (mx == mn) {
          ASSERT_EQ(back, (RGB{r, g, b}));
        }
      }
  EXPECT_LE(worstMiddle, 3);
  EXPECT_LE(worstMinimum, 1);
}

// Every HSL triple in range gives RGB in range with L as the maximum.
TEST(Color, EveryHSLGivesRGBInRange) {
  for (int32_t h = 0; h <= MaxHue; ++h)
    for (int32_t s = 0; s <= MaxSatLum; ++s)
      for (int32_t l = 0; l <= MaxSatLum; ++l) {
        const RGB c = ToRGB(h, s, l);
        ASSERT_TRUE(c.R >= 0 && c.G >= 0 && c.B >= 0) << h << " " << s << " " << l;
        ASSERT_EQ(std::max({c.R, c.G, c.B}), l) << h << " " << s << " " << l;
      }
}

class SyncTest : public EngineTest {};

// The syncs are tuned loops; they must give the conversion's own value for
// every colour, in both layers. 2^24 colours fill sixteen 1024 x 1024 pictures.
TEST_F(SyncTest, RGBToHSLSyncMatchesTheConversionForEveryColour) {
  ImageWidth = ImageHeight = MaxImageSide;
  for (int pass = 0; pass < 16; ++pass) {
    const int layer = pass % 2 ? CurrentLayer : ResultLayer;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        const int32_t k = (pass << 20) | ((x - 1) << 10) | (y - 1);
        Pixel(layer, SpaceRGB, 1, x, y) = static_cast<Sample>(k & 255);
        Pixel(layer, SpaceRGB, 2, x, y) = static_cast<Sample>((k >> 8) & 255);
        Pixel(layer, SpaceRGB, 3, x, y) = static_cast<Sample>(k >> 16);
      }
    if (layer == CurrentLayer)
      SyncCurrentColorSpace(SpaceRGB);
    else
      SyncColorSpace(SpaceRGB);
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        const HSL expected =
            ToHSL(Pixel(layer, SpaceRGB, 1, x, y), Pixel(layer, SpaceRGB, 2, x, y), Pixel(layer, SpaceRGB, 3, x, y));
        const HSL got{Pixel(layer, SpaceHSL, 1, x, y), Pixel(layer, SpaceHSL, 2, x, y),
                      Pixel(layer, SpaceHSL, 3, x, y)};
        ASSERT_EQ(got, expected) << "pass " << pass << " at " << x << "," << y;
      }
  }
}

TEST_F(SyncTest, HSLToRGBSyncMatchesTheConversionForEveryHSL) {
  // 360 * 256 * 256 triples, a million per picture.
  ImageWidth = ImageHeight = MaxImageSide;
  const int32_t total = 360 * 256 * 256;
  for (int32_t first = 0, pass = 0; first < total; first += 1 << 20, ++pass) {
    const int layer = pass % 2 ? CurrentLayer : ResultLayer;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        const int32_t k = std::min(first + ((x - 1) << 10) + (y - 1), total - 1);
        Pixel(layer, SpaceHSL, 1, x, y) = static_cast<Sample>(k / 65536);
        Pixel(layer, SpaceHSL, 2, x, y) = static_cast<Sample>((k >> 8) & 255);
        Pixel(layer, SpaceHSL, 3, x, y) = static_cast<Sample>(k & 255);
      }
    if (layer == CurrentLayer)
      SyncCurrentColorSpace(SpaceHSL);
    else
      SyncColorSpace(SpaceHSL);
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        const RGB expected =
            ToRGB(Pixel(layer, SpaceHSL, 1, x, y), Pixel(layer, SpaceHSL, 2, x, y), Pixel(layer, SpaceHSL, 3, x, y));
        const RGB got{Pixel(layer, SpaceRGB, 1, x, y), Pixel(layer, SpaceRGB, 2, x, y),
                      Pixel(layer, SpaceRGB, 3, x, y)};
        ASSERT_EQ(got, expected) << "pass " << pass << " at " << x << "," << y;
      }
  }
}

// Samples outside the ranges (undrawn pixels, a module's overflow) convert
// like the per-pixel functions too, also when they share a column with
// ordinary ones.
TEST_F(SyncTest, SyncsConvertOutOfRangeSamplesLikeThePixelFunctions) {
  ImageWidth = 8;
  ImageHeight = 40;
  const Sample odd[] = {EmptyValue, -300, 256, 359, 360, 400, 1000, 32767, -32768, 0, 128, 255};
  int n = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y)
      for (int c = 1; c <= 3; ++c) {
        // Columns 1..4 mix odd samples in; columns 5..8 hold only in-range ones.
        const Sample v =
            x <= 4 && (y + c) % 3 == 0 ? odd[n++ % 12] : static_cast<Sample>((x * 37 + y * 11 + c * 5) % 256);
        Pixel(ResultLayer, SpaceRGB, c, x, y) = v;
        Pixel(CurrentLayer, SpaceHSL, c, x, y) = v;
      }
  SyncColorSpace(SpaceRGB);
  SyncCurrentColorSpace(SpaceHSL);
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const HSL h = ToHSL(Pixel(ResultLayer, SpaceRGB, 1, x, y), Pixel(ResultLayer, SpaceRGB, 2, x, y),
                          Pixel(ResultLayer, SpaceRGB, 3, x, y));
      EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, x, y), static_cast<Sample>(h.H));
      EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, x, y), static_cast<Sample>(h.S));
      EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, x, y), static_cast<Sample>(h.L));
      const RGB r = ToRGB(Pixel(CurrentLayer, SpaceHSL, 1, x, y), Pixel(CurrentLayer, SpaceHSL, 2, x, y),
                          Pixel(CurrentLayer, SpaceHSL, 3, x, y));
      EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, x, y), static_cast<Sample>(r.R));
      EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 2, x, y), static_cast<Sample>(r.G));
      EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 3, x, y), static_cast<Sample>(r.B));
    }
}

// A sync writes only the other space of its own layer, within the picture.
TEST_F(SyncTest, SyncTouchesOnlyTheOtherSpaceOfItsLayerInThePicture) {
  ImageWidth = 3;
  ImageHeight = 2;
  for (int layer : {CurrentLayer, ResultLayer})
    for (int s : {SpaceRGB, SpaceHSL})
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= 4; ++x)
          for (int y = 1; y <= 3; ++y) Pixel(layer, s, c, x, y) = 7;
  Pixel(ResultLayer, SpaceRGB, 1, 1, 1) = 200;
  SyncColorSpace(SpaceRGB);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 1, 1), 0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 1, 1), 246);  // MulDiv(193, 255, 200): 246.075
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 1, 1), 200);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 2, 1), 7);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 2, 1), 0);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 4, 1), 7);  // beyond the width: untouched
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 4, 1), 7);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 1, 3), 7);  // beyond the height: untouched
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 2, 1, 1), 7);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 1, 1), 200);
}

}  // namespace
}  // namespace quillon::test
