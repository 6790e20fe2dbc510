#include <cmath>

#include "GeneratorTest.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "modules/generators/Pls1.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void Blobs(int32_t Count, int32_t R, int32_t Noise, int32_t Jitter, int32_t Blur, int32_t Seed) {
  PLS1Work = {R, R, R, R, R, R, Noise, Noise, Noise, Blur, Blur, Blur, Jitter, Count, Seed};
  PLS1_Compute();
}

void FindBrightest(int c, int& cx, int& cy) {
  cx = cy = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y)
      if (Pixel(CurrentLayer, SpaceRGB, c, x, y) == 255) {
        ASSERT_EQ(cx, 0) << "two centres";
        cx = x;
        cy = y;
      }
  ASSERT_NE(cx, 0);
}

std::vector<Sample> Channel(int c) {
  std::vector<Sample> v;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) v.push_back(Pixel(CurrentLayer, SpaceRGB, c, x, y));
  return v;
}

}  // namespace

// One cone of radius 4 (slope 63.75), no noise, no jitter: the value at
// distance d is Round(255 - 63.75 d), negative taken as 0, over the square
// of side 9 around the centre, wrapped. At d = 2 the value is the tie 127.5,
// which rounds to even, 128.
TEST(Pls1, ConeIsHandComputable) {
  FreshPicture(12, 10);
  for (int32_t seed : {0, 1, 2, 3}) {
    Blobs(1, 4, 0, 0, 0, seed);
    int cx, cy;
    FindBrightest(1, cx, cy);
    EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, WrapX(cx + 2), cy), 128);
    EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, cx, WrapY(cy - 1)), 191);  // 191.25
    EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, WrapX(cx - 3), cy), 64);   // 63.75
    EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, WrapX(cx + 1), WrapY(cy + 1)), 165);
    for (int dx = -4; dx <= 4; ++dx)
      for (int dy = -4; dy <= 4; ++dy) {
        const Real d = std::sqrt(static_cast<Real>(dx * dx + dy * dy));
        const int64_t v = std::max<int64_t>(0, Round(255 - d * (static_cast<Real>(255) / 4)));
        ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, WrapX(cx + dx), WrapY(cy + dy)), v) << dx << "," << dy;
      }
    // No jitter: the three channels share the centre.
    EXPECT_EQ(Channel(2), Channel(1));
    EXPECT_EQ(Channel(3), Channel(1));
    ExpectSoundLayer(SpaceRGB);
  }
}

// A radius of 0 has no slope (255 / 0): the cone is its centre pixel alone.
TEST(Pls1, RadiusZeroIsOnePixel) {
  FreshPicture(9, 9);
  Blobs(1, 0, 0, 0, 0, 5);
  int white = 0, black = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int r = Red(x, y);
      white += r == 255 && Pixel(CurrentLayer, SpaceRGB, 2, x, y) == 255 && Pixel(CurrentLayer, SpaceRGB, 3, x, y) == 255;
      black += r == 0;
    }
  EXPECT_EQ(white, 1);
  EXPECT_EQ(black, 80);
}

// A radius that with the jitter would reach past the picture's smaller side
// becomes that side minus 1 and the jitter drops to 0: the three channels
// then share their centre and radius.
TEST(Pls1, OversizedRadiusDropsTheJitter) {
  FreshPicture(16, 20);
  Blobs(3, 17, 0, 5, 0, 12);  // 17 + 5 > 16, and 17 > 16 alone
  EXPECT_EQ(Channel(2), Channel(1));
  EXPECT_EQ(Channel(3), Channel(1));
  // The draws: three radii, the centre, then green's x and y and blue's x
  // and y, per blob; the jitter draws are made even when it is 0.
  EXPECT_EQ(RandomSeed, StateAfter(12, 3 * (3 + 2 + 4) + 3 * 3 * 31 * 31));
  Blobs(1, 5, 0, 3, 0, 12);  // 5 + 3 fits: jittered centres
  EXPECT_EQ(RandomSeed, StateAfter(12, 3 + 2 + 4 + 3 * 11 * 11));
  ExpectSoundLayer(SpaceRGB);
}

// The blur is the rounded mean of the wrapped (2b + 1)^2 window, every window
// taken from the unblurred channel; checked against a direct sum, also with
// windows wider than the picture.
TEST(Pls1, BlurAveragesTheWrappedWindow) {
  FreshPicture(16, 12);
  Blobs(4, 3, 40, 2, 0, 21);
  const auto plain = Channel(1);
  auto at = [&](int x, int y) { return plain[static_cast<size_t>(WrapX(x) - 1) * 12 + (WrapY(y) - 1)]; };
  for (int32_t b : {1, 9}) {
    Blobs(4, 3, 40, 2, b, 21);
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 12; ++y) {
        int64_t sum = 0;
        for (int i = -b; i <= b; ++i)
          for (int j = -b; j <= b; ++j) sum += at(x + i, y + j);
        const int64_t n = static_cast<int64_t>(2 * b + 1) * (2 * b + 1);
        ASSERT_EQ(Red(x, y), Round(static_cast<Real>(sum) / n)) << b << ": " << x << "," << y;
      }
    ExpectSoundLayer(SpaceRGB);
  }
}

// On a 5 x 5 picture a window of 5 (b = 2) and one of 2^32 - 1 pixels
// (b = 2^31 - 1, a multiple of 5) both take every pixel equally often: the
// channel becomes its rounded mean, without walking the huge window.
TEST(Pls1, HugeBlurIsTheMean) {
  FreshPicture(5, 5);
  Blobs(2, 1, 30, 1, 0, 4);
  int64_t sum = 0;
  for (Sample s : Channel(1)) sum += s;
  const int64_t mean = Round(static_cast<Real>(sum) / 25);
  for (int32_t b : {2, INT32_MAX}) {
    Blobs(2, 1, 30, 1, b, 4);
    for (Sample s : Channel(1)) ASSERT_EQ(s, mean) << b;
  }
}

TEST(Pls1, EqualRecordsGiveEqualLayersAtAnyThreadCount) {
  FreshPicture(128, 96);
  PLS1Work = {10, 8, 6, 12, 10, 8, 10, 10, 10, 2, 0, 3, 5, 6, 0};
  SetThreadCount(1);
  PLS1_Compute();
  const auto a = Snapshot();
  Scribble();
  SetThreadCount(4);
  PLS1_Compute();
  EXPECT_EQ(Snapshot(), a);
  SetThreadCount(0);
  ExpectSoundLayer(SpaceRGB);
}
