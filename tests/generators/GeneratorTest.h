// Shared helpers of the generator tests: a fresh engine at a small picture
// size, layer snapshots, range and colour-space checks, random replays.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Random.h"
#include "engine/Startup.h"

namespace quillon::test {

inline void FreshPicture(int W, int H) {
  ResetEngine();
  ImageWidth = W;
  ImageHeight = H;
}

// Both spaces of the current layer over the picture.
inline std::vector<Sample> Snapshot() {
  std::vector<Sample> v;
  for (int s = SpaceRGB; s <= SpaceHSL; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) v.push_back(Pixel(CurrentLayer, s, c, x, y));
  return v;
}

// One more value into an FNV-1a digest.
inline uint64_t DigestStep(uint64_t h, uint32_t v) { return (h ^ v) * 1099511628211ull; }

// An FNV-1a digest of both spaces of the current layer and the generator's
// state, for pictures recorded bit for bit.
inline uint64_t LayerAndSeedDigest() {
  uint64_t h = 1469598103934665603ull;
  for (Sample v : Snapshot()) h = DigestStep(h, static_cast<uint16_t>(v));
  return DigestStep(h, static_cast<uint32_t>(RandomSeed));
}

// Scribbles over the current layer, so that a generator must draw every pixel.
inline void Scribble() {
  for (int s = SpaceRGB; s <= SpaceHSL; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) Pixel(CurrentLayer, s, c, x, y) = static_cast<Sample>(x * 7 + y * 3 + c);
}

// Every sample in its range, and the other space recomputed from Source.
inline void ExpectSoundLayer(int Source) {
  int bad = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      int32_t r = Pixel(CurrentLayer, SpaceRGB, 1, x, y), g = Pixel(CurrentLayer, SpaceRGB, 2, x, y),
              b = Pixel(CurrentLayer, SpaceRGB, 3, x, y);
      int32_t h = Pixel(CurrentLayer, SpaceHSL, 1, x, y), s = Pixel(CurrentLayer, SpaceHSL, 2, x, y),
              l = Pixel(CurrentLayer, SpaceHSL, 3, x, y);
      bool ok = r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255 && h >= 0 && h <= 359 && s >= 0 &&
                s <= 255 && l >= 0 && l <= 255;
      int32_t a1, a2, a3;
      if (Source == SpaceRGB) {
        RGBToHSL(r, g, b, a1, a2, a3);
        ok = ok && a1 == h && a2 == s && a3 == l;
      } else {
        HSLToRGB(h, s, l, a1, a2, a3);
        ok = ok && a1 == r && a2 == g && a3 == b;
      }
      if (!ok && ++bad <= 3)
        ADD_FAILURE() << "pixel (" << x << ", " << y << "): RGB " << r << " " << g << " " << b << ", HSL " << h << " "
                      << s << " " << l;
    }
  EXPECT_EQ(bad, 0);
}

// The state after InitRandom from Seed and Draws further draws.
inline int32_t StateAfter(int32_t Seed, int64_t Draws) {
  int32_t s = Seed;
  for (int64_t i = 0; i < 97 + Draws; ++i) RandomStep(s);
  return s;
}

// Seeds the generator as a generator with a seed field does, for replays.
inline void Reseed(int32_t Seed) {
  RandomSeed = Seed;
  InitRandom(RandomSeed);
}

inline int32_t H(int x, int y) { return Pixel(CurrentLayer, SpaceHSL, 1, x, y); }
inline int32_t S(int x, int y) { return Pixel(CurrentLayer, SpaceHSL, 2, x, y); }
inline int32_t L(int x, int y) { return Pixel(CurrentLayer, SpaceHSL, 3, x, y); }
inline int32_t Red(int x, int y) { return Pixel(CurrentLayer, SpaceRGB, 1, x, y); }

}  // namespace quillon::test
