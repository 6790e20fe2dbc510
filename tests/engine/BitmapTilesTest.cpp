// The BMP written straight from the planes in tiles against the file made
// from the rendered rows: the same bytes at sizes on both sides of the 64-pixel
// tiles, with row padding of 0 to 3 bytes, samples beyond 0..255 clamped, at
// one thread and at several.
#include "EngineTest.h"
#include "engine/Bitmap.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

using BitmapTilesTest = EngineTest;

TEST_F(BitmapTilesTest, TheTiledFileEqualsTheFileOfTheRenderedRows) {
  const struct {
    int W, H;
  } sizes[] = {{1, 1}, {3, 5}, {2, 64}, {63, 65}, {64, 64}, {65, 129}, {1024, 7}, {5, 1024}, {130, 200}};
  int32_t seed = 77;
  InitRandom(seed);
  for (const auto& s : sizes)
    for (int threads : {1, 3}) {
      SetThreadCount(threads);
      ImageWidth = s.W;
      ImageHeight = s.H;
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= s.W; ++x)
          for (int y = 1; y <= s.H; ++y)
            Pixel(ResultLayer, SpaceRGB, c, x, y) = static_cast<Sample>(RandomInt(seed, -40, 300));
      EXPECT_EQ(EncodeResultBMP(), EncodeBMP24(s.W, s.H, RenderResult())) << s.W << " x " << s.H << ", " << threads;
    }
}

}  // namespace
}  // namespace quillon::test
