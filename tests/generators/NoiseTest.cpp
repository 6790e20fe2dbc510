#include "GeneratorTest.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/generators/Noise.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void RunNoise(int32_t Space, int32_t Rate, int32_t Seed) {
  NoiseWork = {Space, 0, 72, 10, 101, 0, 255, Rate, Seed};
  Noise_Compute();
}

}  // namespace

// Column by column, one draw u per pixel; a pixel with Round(u * 100) <= rate
// takes three more draws for channels 1, 2, 3; the rest is colour 1 of the
// running instance.
TEST(Noise, DrawsPixelsColumnByColumnWithTheRateRule) {
  FreshPicture(24, 20);
  RunningInstance = 3;
  ModuleParams[3].ParamColor[1] = PackRGB(9, 8, 7);
  Scribble();
  RunNoise(SpaceRGB, 6, 1234);

  Reseed(1234);
  int noisy = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const double u = Random01(RandomSeed);
      int32_t e[3] = {9, 8, 7};
      if (Round(static_cast<Real>(u) * 100) <= 6) {
        e[0] = RandomInt(RandomSeed, 0, 72);
        e[1] = RandomInt(RandomSeed, 10, 101);
        e[2] = RandomInt(RandomSeed, 0, 255);
        ++noisy;
      }
      for (int c = 1; c <= 3; ++c) ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, c, x, y), e[c - 1]) << x << "," << y;
    }
  EXPECT_GT(noisy, 0);
  EXPECT_EQ(RandomSeed, StateAfter(1234, 24 * 20 + 3 * noisy));
  ExpectSoundLayer(SpaceRGB);
}

TEST(Noise, RateBoundsAndBackgroundInEitherSpace) {
  FreshPicture(16, 16);
  RunningInstance = 1;
  ModuleParams[1].ParamColor[1] = PackRGB(0, 0, 255);

  // Round(u * 100) is never below 0: rate -1 leaves only the background,
  // here converted to HSL (blue is 240, 255, 255).
  RunNoise(SpaceHSL, -1, 5);
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 16; ++y) {
      ASSERT_EQ(H(x, y), 240);
      ASSERT_EQ(S(x, y), 255);
      ASSERT_EQ(L(x, y), 255);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, 3, x, y), 255);
    }
  // Round(u * 100) is never above 100: rate 100 draws every pixel.
  RunNoise(SpaceHSL, 100, 5);
  EXPECT_EQ(RandomSeed, StateAfter(5, 16 * 16 * 4));
  ExpectSoundLayer(SpaceHSL);
}

TEST(Noise, BackgroundIsBlackWhenNoInstanceRuns) {
  FreshPicture(8, 8);
  ModuleParams[0].ParamColor[1] = PackRGB(50, 60, 70);
  for (int32_t running : {-1, 201, 1 << 30}) {
    RunningInstance = running;
    Scribble();
    RunNoise(SpaceRGB, -1, 0);
    for (int x = 1; x <= 8; ++x)
      for (int y = 1; y <= 8; ++y) ASSERT_EQ(Red(x, y), 0);
  }
  RunningInstance = 0;  // index 0 is a record like the others
  RunNoise(SpaceRGB, -1, 0);
  EXPECT_EQ(Red(1, 1), 50);
}

TEST(Noise, EqualRecordsGiveEqualLayers) {
  FreshPicture(32, 32);
  RunNoise(SpaceHSL, 30, 77);
  const auto first = Snapshot();
  Scribble();
  RunNoise(SpaceHSL, 30, 77);
  EXPECT_EQ(Snapshot(), first);
  RunNoise(SpaceHSL, 30, 78);
  EXPECT_NE(Snapshot(), first);
}
