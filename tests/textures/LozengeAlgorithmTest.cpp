// "Lozenge Distortion" (T017): the region growing, its random draws, the blur
// and the guards that make every run end.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Chain.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T017.h"
#include "shell/ColorWalk.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

struct Picture {
  std::vector<Sample> h, s, l;
  bool operator==(const Picture&) const = default;
};

Picture CurrentHSL() {
  Picture p;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      p.h.push_back(Pixel(CurrentLayer, SpaceHSL, 1, x, y));
      p.s.push_back(Pixel(CurrentLayer, SpaceHSL, 2, x, y));
      p.l.push_back(Pixel(CurrentLayer, SpaceHSL, 3, x, y));
    }
  return p;
}

TT017Work Work(int32_t MinSize, int32_t MaxSize, int32_t Blur, int32_t Seed) {
  TT017Work w;
  w.MinSize = MinSize;
  w.MaxSize = MaxSize;
  w.BlurRadius = Blur;
  w.HueMin = 100, w.HueMax = 270, w.HueStep = 1;
  w.SatMin = 0, w.SatMax = 255, w.SatStep = 5;
  w.LumMin = 0, w.LumMax = 255, w.LumStep = 3;
  w.Seed = Seed;
  return w;
}

void Grow(const TT017Work& w, int W, int H) {
  ImageWidth = W;
  ImageHeight = H;
  T017Work = w;
  T017_Compute();
}

// The algorithm step by step with the engine's colour-testing helpers, as the
// module is described: a pixel is free while its HSL colour is (0, 0, 0).
// Valid (and compared) only where the walk never paints (0, 0, 0). Returns
// false when it took more than Budget growth steps.
bool ReferenceRun(const TT017Work& w, int W, int H, long Budget = 1000000) {
  ImageWidth = W;
  ImageHeight = H;
  ColorWalker[1].Min = w.HueMin, ColorWalker[1].Max = w.HueMax, ColorWalker[1].Step = w.HueStep;
  ColorWalker[2].Min = w.SatMin, ColorWalker[2].Max = w.SatMax, ColorWalker[2].Step = w.SatStep;
  ColorWalker[3].Min = w.LumMin, ColorWalker[3].Max = w.LumMax, ColorWalker[3].Step = w.LumStep;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);
  FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
  int X, Y;
  long steps = 0;
  while (FindColorPixel(CurrentLayer, SpaceHSL, 10, 0, 0, 0, X, Y)) {
    BounceReset(0);
    const int32_t target = RandomInt(RandomSeed, 10 * w.MinSize, 10 * w.MaxSize);
    int32_t count = 0;
    for (;;) {
      if (++steps > Budget) return false;
      ++count;
      SetLayerPixel3(CurrentLayer, SpaceHSL, X, Y, ColorWalker[1].Value, ColorWalker[2].Value, ColorWalker[3].Value);
      if (w.BlurRadius > 0)
        for (int c = 1; c <= 3; ++c) NeighbourAverage(CurrentLayer, SpaceHSL, c, X, Y, w.BlurRadius, 0, 0, 0, 0);
      const int n = ListMatchingNeighbours(CurrentLayer, SpaceHSL, X, Y, 0, 0, 0);
      if (n > 0) {
        for (int k = 1; k <= n; ++k) NeighbourList[8 + k] = NeighbourList[k];
        int best = -1, chosen = 0;
        for (int k = 1; k <= n; ++k) {
          const int score = ListOtherNeighbours(CurrentLayer, SpaceHSL, NeighbourList[8 + k].X, NeighbourList[8 + k].Y, 0, 0, 0);
          if (score > best) {
            best = score;
            chosen = k;
          } else if (score == best && Random01(RandomSeed) > 0.5) {
            chosen = k;
          }
        }
        X = NeighbourList[8 + chosen].X;
        Y = NeighbourList[8 + chosen].Y;
      }
      BounceStep();
      if (n == 0 || count > target) break;
    }
  }
  return true;
}

// How many draws lead from state From to state To (the generator's steps).
long DrawsBetween(int32_t From, int32_t To, long Limit = 100000) {
  for (long n = 0; n <= Limit; ++n) {
    if (From == To) return n;
    RandomStep(From);
  }
  return -1;
}

class Lozenge : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngine(); }
  void TearDown() override { ResetEngine(); }
};

// The module against the step-by-step algorithm: pictures, and the random
// state after the run (so the same number of draws), on square, odd and
// one-pixel-wide pictures where regions and the blur wrap around the edges.
TEST_F(Lozenge, SameDrawsAndPictureAsTheColourTestingAlgorithm) {
  struct Case {
    int W, H;
    TT017Work w;
  };
  std::vector<Case> cases = {
      {24, 20, Work(3, 9, 1, 502)},  {24, 20, Work(3, 9, 0, 7)},   {24, 20, Work(3, 9, 2, 77)},
      {17, 13, Work(1, 1, 2, 900)},  {9, 31, Work(2, 40, 1, 31)},  {12, 1, Work(1, 3, 1, 5)},
      {1, 12, Work(1, 3, 2, 6)},     {2, 2, Work(0, 1, 2, 8)},     {3, 5, Work(1, 1, 1, 9)},
      {40, 40, Work(50, 50, 1, 1)},  {32, 32, Work(4, 4, 0, 13)},  {5, 4, Work(0, 0, 2, 1000)},
      // Radii a preset can hold, used as stored: read pixel by pixel up to 14,
      // from the painted sums beyond, wider than the picture up to the widest.
      {24, 20, Work(3, 9, 3, 11)},   {60, 50, Work(2, 5, 14, 12)}, {60, 50, Work(2, 5, 15, 12)},
      {30, 9, Work(3, 9, 40, 14)},   {9, 7, Work(1, 3, INT32_MAX, 15)},
  };
  // Narrow walks that bounce often, a hue step of 0, a constant channel.
  cases.push_back({20, 16, Work(2, 6, 1, 41)});
  cases.back().w.HueMin = 5, cases.back().w.HueMax = 9, cases.back().w.HueStep = 0;
  cases.back().w.SatMin = 40, cases.back().w.SatMax = 40;
  cases.push_back({20, 16, Work(2, 6, 0, 42)});
  cases.back().w.HueMin = 0, cases.back().w.HueMax = 359, cases.back().w.HueStep = 50;
  cases.back().w.LumMin = 1, cases.back().w.LumMax = 8, cases.back().w.LumStep = 7;

  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.W << "x" << c.H << " sizes " << c.w.MinSize << ".." << c.w.MaxSize
                                      << " blur " << c.w.BlurRadius << " seed " << c.w.Seed);
    ASSERT_TRUE(ReferenceRun(c.w, c.W, c.H));
    const Picture expected = CurrentHSL();
    const int32_t expectedSeed = RandomSeed;
    const ColorWalkRecord expectedWalk = ColorWalker;
    Grow(c.w, c.W, c.H);
    EXPECT_TRUE(CurrentHSL() == expected);
    EXPECT_EQ(RandomSeed, expectedSeed);
    for (int ch = 1; ch <= 3; ++ch) {
      EXPECT_EQ(ColorWalker[ch].Value, expectedWalk.Channel[ch - 1].Value);
      EXPECT_EQ(ColorWalker[ch].Direction, expectedWalk.Channel[ch - 1].Direction);
    }
  }
}

// On a 3 x 3 torus every pixel is a neighbour of every other, once: one region
// covers the picture, every candidate of a step has the same score, so the
// draws are counted by hand: 97 to fill the table, 2 for the first probe, 1
// for the target, 7 + 6 + ... + 1 tie draws (none for a single candidate),
// then 10 failed probes of 2 draws each before the full scan finds nothing.
TEST_F(Lozenge, DrawsOnATorusOfNinePixels) {
  TT017Work w = Work(10, 10, 0, 321);
  w.HueMin = 0, w.HueMax = 359, w.HueStep = 10;
  w.SatMin = w.SatMax = 100;
  w.LumMin = w.LumMax = 200;
  Grow(w, 3, 3);
  EXPECT_EQ(DrawsBetween(321, RandomSeed), 97 + 2 + 1 + 28 + 20);
  const Picture p = CurrentHSL();
  std::multiset<int> hues(p.h.begin(), p.h.end());
  EXPECT_EQ(hues, (std::multiset<int>{0, 10, 20, 30, 40, 50, 60, 70, 80}));
}

// Equal size bounds: every region has the same target (one region of at most
// Target + 1 pixels each, the k-th pixel coloured after k - 1 walk steps) and
// the target still costs one draw. A 1 x 1 picture: 97 + 2 + 1 + 20 draws.
TEST_F(Lozenge, EqualSizesGiveOneTargetAndStillOneDraw) {
  TT017Work w = Work(3, 3, 0, 44);
  w.HueMin = 1, w.HueMax = 359, w.HueStep = 1;  // the hue numbers the pixels of a region
  w.SatMin = w.SatMax = 90;
  w.LumMin = w.LumMax = 90;
  Grow(w, 30, 30);
  const Picture p = CurrentHSL();
  int starts = 0, full = 0, longest = 0;
  for (Sample h : p.h) {
    starts += h == 1;
    full += h == 31;
    longest = std::max<int>(longest, h);
  }
  EXPECT_EQ(longest, 31);  // Target 30: at most 31 pixels, hues 1..31
  EXPECT_GT(full, 20);     // most of the 900 pixels lie in full regions
  EXPECT_GE(starts * 31, 900);

  for (int32_t size : {0, 7, -3}) {
    SCOPED_TRACE(size);
    Grow(Work(size, size, 1, 45), 1, 1);
    EXPECT_EQ(DrawsBetween(45, RandomSeed), 97 + 2 + 1 + 20);
  }
}

// A hue step of 0 keeps every hue at the minimum, with or without blur;
// a channel whose minimum equals its maximum stays constant.
TEST_F(Lozenge, HueStepZeroKeepsTheHueMinimum) {
  for (int blur : {0, 1, 2}) {
    TT017Work w = Work(1, 4, blur, 90);
    w.HueMin = 42, w.HueMax = 300, w.HueStep = 0;
    w.LumMin = w.LumMax = 180;
    Grow(w, 21, 19);
    const Picture p = CurrentHSL();
    for (size_t i = 0; i < p.h.size(); ++i) {
      ASSERT_EQ(p.h[i], 42);
      ASSERT_EQ(p.l[i], 180);
    }
    EXPECT_NE(*std::max_element(p.s.begin(), p.s.end()), *std::min_element(p.s.begin(), p.s.end()));
  }
}

// Without blur every pixel holds a colour of the walk, the k-th pixel of its
// region the colour after k - 1 steps; with blur some pixels leave the walk.
TEST_F(Lozenge, BlurZeroKeepsTheWalksColours) {
  TT017Work w = Work(2, 5, 0, 300);
  w.HueMin = 10, w.HueMax = 20, w.HueStep = 3;
  w.SatMin = 50, w.SatMax = 61, w.SatStep = 2;
  w.LumMin = 100, w.LumMax = 110, w.LumStep = 4;
  std::set<std::tuple<int, int, int>> walk;
  ColorWalker[1] = {0, 3, 1, 10, 20};
  ColorWalker[2] = {0, 2, 1, 50, 61};
  ColorWalker[3] = {0, 4, 1, 100, 110};
  BounceReset(0);
  for (int k = 0; k <= 50; ++k) {
    walk.insert({ColorWalker[1].Value, ColorWalker[2].Value, ColorWalker[3].Value});
    BounceStep();
  }
  for (int blur : {0, 1}) {
    w.BlurRadius = blur;
    Grow(w, 23, 17);
    const Picture p = CurrentHSL();
    int off = 0;
    for (size_t i = 0; i < p.h.size(); ++i) off += !walk.count({p.h[i], p.s[i], p.l[i]});
    if (blur == 0)
      EXPECT_EQ(off, 0);
    else
      EXPECT_GT(off, 100);
  }
}

// One row of 5 pixels: one region runs round the row, across the edge, and
// the blur window (3 x 3 wrapped: each column three times) reaches across it.
// Along the path the walk gives hues 10, 20, 30, 40, 50 and the blur turns
// them into 10, (10+20)/2 = 15, (15+30)/2 = 22.5 -> 22 (half to even),
// (22+40)/2 = 31, and for the last pixel, between the fourth and the first,
// (31+50+10)/3 = 30.33 -> 30.
TEST_F(Lozenge, RegionsAndBlurWrapAcrossTheEdges) {
  TT017Work w = Work(100, 100, 1, 12);
  w.HueMin = 10, w.HueMax = 359, w.HueStep = 10;
  w.SatMin = w.SatMax = 80, w.SatStep = 1;
  w.LumMin = w.LumMax = 90, w.LumStep = 1;
  const std::vector<int> along = {10, 15, 22, 31, 30};
  for (int32_t seed : {12, 13, 14, 15}) {
    w.Seed = seed;
    Grow(w, 5, 1);
    const Picture p = CurrentHSL();
    bool matched = false;
    for (int start = 0; start < 5; ++start)
      for (int dir : {1, 4}) {
        bool all = true;
        for (int k = 0; k < 5; ++k) all = all && p.h[(start + dir * k) % 5] == along[k];
        matched = matched || all;
      }
    EXPECT_TRUE(matched) << "seed " << seed;
  }
  // The same on one column, and without blur the hue counts the path round
  // the cycle: neighbouring pixels differ by one step, also x = 1 and x = 12.
  w.BlurRadius = 0;
  for (auto [W, H] : {std::pair{12, 1}, std::pair{1, 12}}) {
    Grow(w, W, H);
    const Picture p = CurrentHSL();
    int steps = 0;
    for (int i = 0; i < 12; ++i) steps += std::abs(p.h[i] - p.h[(i + 1) % 12]) == 10;
    EXPECT_EQ(steps, 11);
  }
}

TEST_F(Lozenge, EqualParametersEqualPictures) {
  const TT017Work w = Work(5, 20, 1, 777);
  Grow(w, 48, 40);
  const Picture first = CurrentHSL();
  Grow(Work(5, 20, 1, 778), 48, 40);
  EXPECT_FALSE(CurrentHSL() == first);
  Grow(w, 48, 40);
  EXPECT_TRUE(CurrentHSL() == first);
}

// Sound behaviour: when all three minimums are 0 the walk paints (0, 0, 0),
// the free marker. A painted pixel is never free again, so the run ends, even
// for a walk that paints nothing but (0, 0, 0).
TEST_F(Lozenge, RunEndsWhenTheWalkPaintsTheFreeMarker) {
  TT017Work w = Work(4000, 4000, 0, 502);
  w.HueMin = w.HueMax = w.HueStep = 0;
  w.SatMin = w.SatMax = 0;
  w.LumMin = w.LumMax = 0;
  Grow(w, 16, 16);
  Picture p = CurrentHSL();
  for (size_t i = 0; i < p.h.size(); ++i) ASSERT_TRUE(p.h[i] == 0 && p.s[i] == 0 && p.l[i] == 0);

  // Full ranges from 0: the first pixel of every region is (0, 0, 0); with
  // one-pixel regions every pixel is.
  for (int blur : {0, 1, 2}) {
    w = Work(0, 0, blur, 9);
    w.HueMin = 0, w.HueMax = 359;
    Grow(w, 12, 10);
    p = CurrentHSL();
    for (size_t i = 0; i < p.h.size(); ++i) ASSERT_TRUE(p.h[i] == 0 && p.s[i] == 0 && p.l[i] == 0);
    w = Work(1, 3, blur, 9);
    w.HueMin = 0, w.HueMax = 359;
    Grow(w, 12, 10);  // ends
  }
}

// Sound behaviour: any stored value ends and stays inside the picture.
// Sizes of 0 or less give one-pixel regions (every pixel the walk's start);
// a blur radius below 0 is no blur (a wide one is used as stored, above).
TEST_F(Lozenge, OutOfRangeValuesEndInsideThePicture) {
  for (int32_t size : {0, -1, INT_MIN}) {
    Grow(Work(size, size, 0, 3), 9, 8);
    const Picture p = CurrentHSL();
    for (size_t i = 0; i < p.h.size(); ++i) ASSERT_TRUE(p.h[i] == 100 && p.s[i] == 0 && p.l[i] == 0);
  }
  Grow(Work(2, 5, 0, 3), 9, 8);
  const Picture radius0 = CurrentHSL();
  for (int32_t r : {-1, INT_MIN}) {
    Grow(Work(2, 5, r, 3), 9, 8);
    EXPECT_TRUE(CurrentHSL() == radius0) << r;
  }
  // Extreme sizes, steps, bounds and radius on a picture narrower than the window.
  TT017Work w = Work(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
  w.HueMin = INT_MIN, w.HueMax = INT_MAX, w.HueStep = INT_MAX;
  w.SatMin = -5, w.SatMax = 5, w.SatStep = INT_MIN;
  w.LumMin = 0, w.LumMax = 0, w.LumStep = -7;
  Grow(w, 3, 2);
  Grow(w, 1, 1);

  // Stored values of any kind through the execute procedure, small pictures.
  std::mt19937 gen(20240517);
  const int32_t extremes[] = {INT_MIN, -1, 0, 1, 2, 3, 255, 359, 5000, INT_MAX};
  auto any = [&] {
    return gen() % 3 == 0 ? extremes[gen() % 10] : static_cast<int32_t>(gen() % 2 ? gen() : gen() % 600);
  };
  const int i = CreateInstance(T017_Type);
  RunningInstance = i;
  for (int run = 0; run < 300; ++run) {
    for (int k = 1; k <= 14; ++k) ModuleParams[i].ParamValue[k] = any();
    ImageWidth = 1 + static_cast<int>(gen() % 9);
    ImageHeight = 1 + static_cast<int>(gen() % 9);
    T017_Execute();
  }
}

// The execute procedure: status text, ordered pairs, both spaces written.
TEST_F(Lozenge, ExecuteOrdersPairsAndSyncsRGB) {
  ImageWidth = 32, ImageHeight = 24;
  const int i = CreateInstance(T017_Type);
  ASSERT_EQ(i, 1);
  Array1<int32_t, ParamCount>& v = ModuleParams[i].ParamValue;
  v[1] = 270, v[2] = 100;  // swapped bounds
  v[4] = 200, v[5] = 10;
  v[7] = 250, v[8] = 20;
  v[11] = 9, v[12] = 2;
  v[14] = 61;
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();
  EXPECT_EQ(F_Synthe->StatusBar1.Panels[1].Text, "(1) Lozenge Distortion");
  EXPECT_EQ(v[1], 270);  // the instance keeps its values
  EXPECT_EQ(T017Work.HueMin, 100);
  EXPECT_EQ(T017Work.HueMax, 270);
  EXPECT_EQ(T017Work.SatMin, 10);
  EXPECT_EQ(T017Work.LumMax, 250);
  EXPECT_EQ(T017Work.MinSize, 2);
  EXPECT_EQ(T017Work.MaxSize, 9);
  EXPECT_EQ(T017Work.Seed, 61);
  const Picture p = CurrentHSL();
  TT017Work w = Work(2, 9, 1, 61);
  w.SatMin = 10, w.SatMax = 200, w.LumMin = 20, w.LumMax = 250;
  Grow(w, 32, 24);
  EXPECT_TRUE(CurrentHSL() == p);
  for (int x = 1; x <= 32; ++x)
    for (int y = 1; y <= 24; ++y) {
      int32_t r, g, b;
      HSLToRGB(Pixel(CurrentLayer, SpaceHSL, 1, x, y), Pixel(CurrentLayer, SpaceHSL, 2, x, y),
               Pixel(CurrentLayer, SpaceHSL, 3, x, y), r, g, b);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, x, y), r);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, 3, x, y), b);
      ASSERT_EQ(Pixel(ResultLayer, SpaceRGB, 2, x, y), g);  // copied at chain position 1
    }
}

TEST_F(Lozenge, CatalogDefaultsAndRanges) {
  EXPECT_EQ(TypeName[56], "Lozenge Distortion");
  EXPECT_EQ(TypeCode[56], "T017");
  EXPECT_EQ(TypeGenerator[56], 1);
  const int i = CreateInstance(56);
  const T_Prm_Module_Synthe& m = ModuleParams[i];
  const int32_t defaults[15] = {0, 100, 270, 1, 0, 255, 5, 0, 255, 3, 0, 4000, 4000, 1, 502};
  const int32_t lo[15] = {0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 50, 50, 0, 1};
  const int32_t hi[15] = {0, 359, 359, 50, 255, 255, 50, 255, 255, 50, 0, 5000, 5000, 2, 1000};
  for (int k = 1; k <= 14; ++k) {
    EXPECT_EQ(m.ParamValue[k], defaults[k]) << k;
    EXPECT_EQ(m.ParamMin[k], lo[k]) << k;
    EXPECT_EQ(m.ParamMax[k], hi[k]) << k;
  }
  for (int k = 15; k <= ParamCount; ++k) EXPECT_EQ(m.ParamValue[k] | m.ParamMin[k] | m.ParamMax[k], 0);
}

}  // namespace
