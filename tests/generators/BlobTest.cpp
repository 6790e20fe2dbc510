#include <cmath>

#include "GeneratorTest.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "modules/generators/Blob.h"

using namespace quillon;
using namespace quillon::test;

namespace {

void Grains(int32_t Count, int32_t RMin, int32_t RMax, int32_t SatNoise, int32_t LumNoise, int32_t Seed,
            int32_t Back = 0) {
  BLOBWork = {-99, RMin, RMax, Count, 100, 100, SatNoise, LumNoise, Back, Seed};
  BLOB_Compute();
}

// The pixel of the single grain's centre: the only one at full luminosity.
void FindCentre(int& cx, int& cy) {
  cx = cy = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y)
      if (L(x, y) == 255) {
        ASSERT_EQ(cx, 0) << "two centres";
        cx = x;
        cy = y;
      }
  ASSERT_NE(cx, 0);
}

}  // namespace

TEST(Blob, NoGrainsLeaveTheBackground) {
  FreshPicture(16, 16);
  for (int32_t count : {0, -1, INT32_MIN}) {
    Scribble();
    Grains(count, 3, 5, 5, 5, 1, PackRGB(255, 255, 0));
    EXPECT_EQ(RandomSeed, StateAfter(1, 0));  // no search, no draw
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 16; ++y) {
        ASSERT_EQ(H(x, y), 60);
        ASSERT_EQ(S(x, y), 255);
        ASSERT_EQ(L(x, y), 255);
      }
    ExpectSoundLayer(SpaceHSL);
  }
}

// Without noise a grain of radius 3 (k = 85) is hand-computable: at distance
// d its saturation is Round(85 d) and its luminosity 255 minus that; pixels
// beyond the radius stay black. The grain wraps around the picture's edges.
TEST(Blob, GrainFallsOffWithDistance) {
  FreshPicture(12, 12);
  for (int32_t seed : {1, 2, 3, 4, 5, 6}) {
    Grains(1, 3, 3, 0, 0, seed);
    int cx, cy;
    FindCentre(cx, cy);
    int inside = 0;
    for (int dx = -5; dx <= 5; ++dx)
      for (int dy = -5; dy <= 5; ++dy) {
        int x, y;
        WrapXY(cx + dx, cy + dy, x, y);
        const Real d = std::sqrt(static_cast<Real>(dx * dx + dy * dy));
        if (d > 3) {
          ASSERT_EQ(L(x, y), 0);
          ASSERT_EQ(S(x, y), 0);
          continue;
        }
        ++inside;
        const int32_t s = static_cast<int32_t>(Round(d * 85));
        ASSERT_EQ(H(x, y), 100);
        ASSERT_EQ(S(x, y), s) << dx << "," << dy;
        ASSERT_EQ(L(x, y), 255 - s) << dx << "," << dy;
      }
    EXPECT_EQ(inside, 29);
    EXPECT_EQ(S(WrapX(cx + 1), WrapY(cy + 1)), 120);  // Round(120.2)
    EXPECT_EQ(S(WrapX(cx + 2), WrapY(cy + 2)), 240);  // Round(240.4)
    ExpectSoundLayer(SpaceHSL);
  }
}

// A grain larger than the picture paints each pixel several times; on a
// painted pixel the saturation is taken only when not higher and the
// luminosity (with the hue) only when not lower, so without noise every
// pixel ends with the values of its nearest image: the distance around the
// torus. A second grain then finds no background pixel and is skipped.
TEST(Blob, OverlapKeepsTheNearestValues) {
  FreshPicture(16, 16);
  Grains(2, 20, 20, 0, 0, 7);
  int cx, cy;
  FindCentre(cx, cy);
  const Real k = static_cast<Real>(255) / 20;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 16; ++y) {
      int dx = std::abs(x - cx), dy = std::abs(y - cy);
      dx = std::min(dx, 16 - dx);
      dy = std::min(dy, 16 - dy);
      const int32_t s = static_cast<int32_t>(Round(std::sqrt(static_cast<Real>(dx * dx + dy * dy)) * k));
      ASSERT_EQ(S(x, y), s) << x << "," << y;
      ASSERT_EQ(L(x, y), 255 - s) << x << "," << y;
    }
}

// A radius of 0 or less has no slope: the grain is its centre pixel alone.
TEST(Blob, GrainOfRadiusZeroIsOnePixel) {
  FreshPicture(10, 10);
  for (int32_t r : {0, -4, INT32_MIN}) {
    Grains(1, r, r, 0, 0, 3);
    int painted = 0;
    for (int x = 1; x <= 10; ++x)
      for (int y = 1; y <= 10; ++y)
        if (L(x, y) != 0) {
          ++painted;
          EXPECT_EQ(H(x, y), 100);
          EXPECT_EQ(S(x, y), 0);
          EXPECT_EQ(L(x, y), 255);
        }
    EXPECT_EQ(painted, 1) << r;
  }
}

TEST(Blob, NoisyGrainsStayInRangeAndRepeat) {
  FreshPicture(40, 40);
  BLOBWork = {0, 4, 9, 30, 30, 50, 20, 20, 0, 11};
  BLOB_Compute();
  const auto a = Snapshot();
  ExpectSoundLayer(SpaceHSL);
  Scribble();
  BLOB_Compute();
  EXPECT_EQ(Snapshot(), a);
  // Huge noise amplitudes and radii: values clamped, work bounded.
  FreshPicture(6, 5);
  BLOBWork = {0, INT32_MAX, INT32_MAX, 1, 0, 359, INT32_MIN, INT32_MAX, 0, 11};
  BLOB_Compute();
  ExpectSoundLayer(SpaceHSL);
}

// Pictures recorded bit for bit, with the generator state after them: grains
// that cover the picture (later grains find their centre only in the final
// scan, or nowhere), grains wider than the picture, radii of 0 and below,
// widths off a multiple of 64, and grains whose rim turns back into the
// background colour (black, hue 0, full saturation noise).
TEST(Blob, PicturesStayTheSame) {
  struct Case {
    int W, H;
    TBLOBWork Work;
    uint64_t Digest;
  };
  const Case cases[] = {
      {70, 65, {0, 3, 9, 300, 30, 50, 20, 20, 0, 5}, 0x0f28a389ba13cf4bull},
      {128, 64, {0, 0, 2, 10000, 0, 359, 5, 5, 0, 3}, 0x268d303edbe3ef73ull},
      {33, 20, {0, 25, 40, 5, 100, 200, 10, 10, 0, 9}, 0xf2aa076919715e39ull},
      {64, 64, {0, -5, 3, 2000, 10, 20, 0, 0, PackRGB(10, 200, 30), 4}, 0x971c4fdc142c8a9bull},
      {50, 31, {0, 1, 6, 400, 0, 0, 255, 60, 0, 8}, 0xb8b6ecc31250018dull},
  };
  for (const Case& c : cases) {
    FreshPicture(c.W, c.H);
    BLOBWork = c.Work;
    BLOB_Compute();
    EXPECT_EQ(LayerAndSeedDigest(), c.Digest) << c.W << "x" << c.H;
  }
}
