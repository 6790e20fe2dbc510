#include "GeneratorTest.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "modules/generators/Twig.h"

using namespace quillon;
using namespace quillon::test;

namespace {

const int32_t Green = PackRGB(0, 128, 0);  // HSL 120, 255, 128

// One colour, no walk: every twig pixel is the foreground.
void PlainTwigs(int32_t Count, int32_t MinLen, int32_t MaxLen, int32_t Orientation, int32_t Seed) {
  TWIGWork = {MinLen, MaxLen, Count, 0, 0, 0, 0, 0, 0, Orientation, 0, Green, Seed};
  TWIG_Compute();
}

bool IsTwig(int x, int y) { return L(x, y) != 0; }

}  // namespace

// Orientation 0 with its draws: x, y, length, then one RandomInt(-1, 1) per
// step for the sideways drift (the last one after the last pixel).
TEST(Twig, FollowsItsDrawsStepByStep) {
  FreshPicture(16, 16);
  PlainTwigs(1, 3, 3, 0, 42);

  Reseed(42);
  int x = RandomInt(RandomSeed, 1, 16);
  int y = RandomInt(RandomSeed, 1, 16);
  EXPECT_EQ(RandomInt(RandomSeed, 3, 3), 3);
  int drawn = 0;
  for (int step = 1; step <= 3; ++step) {
    EXPECT_EQ(H(x, y), 120);
    EXPECT_EQ(S(x, y), 255);
    EXPECT_EQ(L(x, y), 128);
    WrapXY(static_cast<int64_t>(x) + RandomInt(RandomSeed, -1, 1), static_cast<int64_t>(y) + 1, x, y);
  }
  for (int i = 1; i <= 16; ++i)
    for (int j = 1; j <= 16; ++j) drawn += IsTwig(i, j);
  EXPECT_EQ(drawn, 3);
  EXPECT_EQ(RandomSeed, StateAfter(42, 3 + 3));
  ExpectSoundLayer(SpaceHSL);
}

// A twig as long as the picture is wide, moving right one column per step,
// wraps across the right edge and covers every column exactly once; likewise
// down the rows for the vertical one.
TEST(Twig, WrapsAcrossTheEdges) {
  FreshPicture(12, 10);
  for (int32_t seed = 0; seed < 5; ++seed) {
    PlainTwigs(1, 12, 12, 1, seed);
    for (int x = 1; x <= 12; ++x) {
      int n = 0;
      for (int y = 1; y <= 10; ++y) n += IsTwig(x, y);
      EXPECT_EQ(n, 1) << "column " << x;
    }
    PlainTwigs(1, 10, 10, 0, seed);
    for (int y = 1; y <= 10; ++y) {
      int n = 0;
      for (int x = 1; x <= 12; ++x) n += IsTwig(x, y);
      EXPECT_EQ(n, 1) << "row " << y;
    }
  }
}

// Orientation 4 draws one of 0..3 per twig before its start; anything
// outside 0..4 draws as 0.
TEST(Twig, OrientationsOutsideTheListActAsVertical) {
  FreshPicture(20, 20);
  PlainTwigs(6, 5, 30, 0, 9);
  const auto vertical = Snapshot();
  for (int32_t o : {5, -1, 1 << 30}) {
    PlainTwigs(6, 5, 30, o, 9);
    EXPECT_EQ(Snapshot(), vertical) << o;
  }
  // Orientation 4: the orientation is the first draw of the twig, before
  // its start pixel and length.
  PlainTwigs(1, 1, 1, 4, 9);
  Reseed(9);
  RandomInt(RandomSeed, 0, 3);
  const int x = RandomInt(RandomSeed, 1, 20);
  const int y = RandomInt(RandomSeed, 1, 20);
  EXPECT_EQ(L(x, y), 128);
  PlainTwigs(1, 1, 1, 4, 9);
  EXPECT_EQ(RandomSeed, StateAfter(9, 5));  // orientation, x, y, length, one step
}

TEST(Twig, NegativeCountsAndLengthsDrawNothing) {
  FreshPicture(16, 16);
  for (auto [count, len] : {std::pair{-3, 10}, std::pair{5, -10}, std::pair{0, 10}}) {
    Scribble();
    TWIGWork = {len, len, count, 0, 0, 100, 4, 100, 9, 4, PackRGB(0, 0, 255), Green, 1};
    TWIG_Compute();
    for (int x = 1; x <= 16; ++x)
      for (int y = 1; y <= 16; ++y) ASSERT_EQ(H(x, y), 240);
    ExpectSoundLayer(SpaceHSL);
  }
}

// The walk bounces inside the band around the foreground: green's
// saturation 255 +- 100 is shifted down to 55..255, its luminosity 128 +- 100
// stays 28..228; the hue does not move with range 0.
TEST(Twig, ColourWalkStaysInItsBand) {
  FreshPicture(64, 64);
  TWIGWork = {20, 128, 128, 0, 0, 100, 9, 100, 10, 4, 0, Green, 500};
  TWIG_Compute();
  int twig = 0;
  bool walked = false;
  for (int x = 1; x <= 64; ++x)
    for (int y = 1; y <= 64; ++y) {
      if (L(x, y) == 0 && S(x, y) == 0) continue;
      ++twig;
      ASSERT_EQ(H(x, y), 120);
      ASSERT_GE(S(x, y), 55);
      ASSERT_LE(S(x, y), 255);
      ASSERT_GE(L(x, y), 28);
      ASSERT_LE(L(x, y), 228);
      walked = walked || L(x, y) == 228 || L(x, y) == 28;
    }
  EXPECT_GT(twig, 1000);
  EXPECT_TRUE(walked);
  ExpectSoundLayer(SpaceHSL);
  const auto first = Snapshot();
  Scribble();
  TWIG_Compute();
  EXPECT_EQ(Snapshot(), first);
}

// Pictures recorded bit for bit, with the generator and the colour walk after
// them: every orientation over pictures of odd sides and of one column or
// row, twigs of any length (none, very long, over many batches of pixels),
// walks that bounce on every channel.
TEST(Twig, PicturesStayTheSame) {
  struct Case {
    int W, H;
    TTWIGWork Work;
    uint64_t Digest;
  };
  const Case cases[] = {
      {70, 65, {20, 200, 300, 0, 0, 100, 4, 100, 3, 4, 0, Green, 5}, 0xd843ba9ce1cbbccfull},
      {33, 20, {-5, 90, 40, 30, 7, 60, 9, 80, 11, 2, PackRGB(10, 20, 30), Green, 9}, 0x22dcecb14d56da4full},
      {1, 17, {1, 50, 20, 5, 3, 10, 2, 20, 5, 4, 0, PackRGB(200, 100, 50), 3}, 0x399e3924eac6e1c6ull},
      {19, 1, {1, 50, 20, 5, 3, 10, 2, 20, 5, 3, 0, PackRGB(200, 100, 50), 4}, 0x2f45cb7b24721de7ull},
      {40, 40, {69000, 70000, 3, 20, 1, 100, 3, 100, 7, 1, 0, Green, 6}, 0x04773b6aceed4a70ull},
      {256, 200, {20, 456, 3000, 0, 0, 100, 4, 100, 2, 4, 0, Green, 7}, 0xc2922e0dff797930ull},
  };
  for (const Case& c : cases) {
    FreshPicture(c.W, c.H);
    TWIGWork = c.Work;
    TWIG_Compute();
    uint64_t h = LayerAndSeedDigest();
    for (int ch = 1; ch <= 3; ++ch)
      h = DigestStep(h, static_cast<uint32_t>(ColorWalker[ch].Value + 7 * ColorWalker[ch].Direction));
    EXPECT_EQ(h, c.Digest) << c.W << "x" << c.H;
  }
}

// The twigs are drawn by bands of columns on several threads: every thread
// count gives the picture of one thread, with thread ranges that split bands.
TEST(Twig, SamePictureAtEveryThreadCount) {
  FreshPicture(256, 90);
  auto draw = [](int threads) {
    SetThreadCount(threads);
    TWIGWork = {1, 400, 3000, 0, 0, 100, 4, 100, 3, 4, 0, Green, 12};
    TWIG_Compute();
    return Snapshot();
  };
  const auto one = draw(1);
  for (int threads : {2, 3, 5, 8}) EXPECT_EQ(draw(threads), one) << threads << " threads";
  SetThreadCount(0);
}
