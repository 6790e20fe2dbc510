#include <vector>

#include "GeneratorTest.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Numeric.h"
#include "modules/generators/Noise.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void RunNoise(int32_t Space, int32_t Rate, int32_t Seed) {
  NoiseWork = {Space, 0, 72, 10, 101, 0, 255, Rate, Seed};
  Noise_Compute();
}

// Replays the draws one by one and compares every pixel of the RGB noise
// (background 9, 8, 7), then the state and the next draws; returns the
// number of noisy pixels.
int ExpectReplayed(int32_t Rate, int32_t Seed) {
  const int32_t after = RandomSeed;
  std::vector<double> next;
  for (int k = 0; k < 200; ++k) next.push_back(Random01(RandomSeed));
  Reseed(Seed);
  int noisy = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const double u = Random01(RandomSeed);
      int32_t e[3] = {9, 8, 7};
      if (Round(static_cast<Real>(u) * 100) <= Rate) {
        e[0] = RandomInt(RandomSeed, 0, 72);
        e[1] = RandomInt(RandomSeed, 10, 101);
        e[2] = RandomInt(RandomSeed, 0, 255);
        ++noisy;
      }
      for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, c, x, y), e[c - 1]) << x << "," << y << " rate " << Rate;
        if (Pixel(CurrentLayer, SpaceRGB, c, x, y) != e[c - 1]) return noisy;
      }
    }
  EXPECT_EQ(after, RandomSeed) << "rate " << Rate;
  for (int k = 0; k < 200; ++k) EXPECT_EQ(Random01(RandomSeed), next[k]) << "draw " << k << " after, rate " << Rate;
  return noisy;
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
  const int32_t after = RandomSeed;
  const int noisy = ExpectReplayed(6, 1234);
  EXPECT_GT(noisy, 0);
  EXPECT_EQ(after, StateAfter(1234, 24 * 20 + 3 * noisy));
  ExpectSoundLayer(SpaceRGB);
}

// The draws are computed ahead over the threads, in stretches, and more of
// them when the first estimate falls short (many noisy pixels): the pixels,
// the state and the shuffle table are those of the draws taken one by one,
// at every rate and thread count, and every column converted to HSL.
TEST(Noise, DrawsAheadGiveTheDrawsOneByOne) {
  FreshPicture(230, 190);
  RunningInstance = 3;
  ModuleParams[3].ParamColor[1] = PackRGB(9, 8, 7);
  for (int threads : {1, 3, 8})
    for (int32_t rate : {-1, 0, 6, 57, 99, 100}) {
      SetThreadCount(threads);
      Scribble();
      RunNoise(SpaceRGB, rate, 4321 + rate);
      ExpectReplayed(rate, 4321 + rate);
      ExpectSoundLayer(SpaceRGB);
    }
  SetThreadCount(0);
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
