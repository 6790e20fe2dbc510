#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Levels.h"
#include "modules/generators/Shapes.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/ValueReplace.h"
#include "modules/textures/Fnc_T002.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Fnc_T007.h"
#include "modules/textures/NeuronChain.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

class RectangleTextures : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ImageWidth = 48;
    ImageHeight = 40;
  }
  void TearDown() override { StartApplication(); }

  // Runs the chain with instance i as the last one and returns the texts of
  // the progress panel.
  static std::vector<std::string> Progress(int i) {
    CurrentInstance = i;
    TStatusBar& bar = F_Synthe->StatusBar1;
    bar.ClearPainted();
    ComputeChain();
    std::vector<std::string> texts;
    for (const auto& t : bar.Painted())
      if (t.Panel == 1) texts.push_back(t.Text);
    return texts;
  }
};

struct ParamRow {
  int K, Default, Min, Max;
};

void ExpectParams(int Type, const std::vector<ParamRow>& Rows) {
  SCOPED_TRACE(TypeName[Type]);
  const int i = CreateInstance(Type);
  ASSERT_GT(i, 0);
  const auto& m = ModuleParams[i];
  std::vector<bool> listed(ParamCount + 1, false);
  for (const ParamRow& r : Rows) {
    listed[r.K] = true;
    EXPECT_EQ(m.ParamValue[r.K], r.Default) << "p" << r.K;
    EXPECT_EQ(m.ParamMin[r.K], r.Min) << "p" << r.K;
    EXPECT_EQ(m.ParamMax[r.K], r.Max) << "p" << r.K;
  }
  for (int k = 1; k <= ParamCount; ++k) {
    if (!listed[k]) {
      EXPECT_TRUE(m.ParamValue[k] == 0 && m.ParamMin[k] == 0 && m.ParamMax[k] == 0) << "p" << k;
    }
  }
}

TEST_F(RectangleTextures, RegisterWithTheirNamesDefaultsAndRanges) {
  EXPECT_EQ(TypeName[T003_Type], "Microbes");
  EXPECT_EQ(TypeCode[T003_Type], "T003");
  EXPECT_EQ(TypeGenerator[T003_Type], 1);
  ExpectParams(T003_Type, {{1, 9, 5, 15},
                           {2, 10, 5, 15},
                           {3, 1254, 100, 23050},
                           {5, 142, 0, 359},
                           {6, 279, 0, 359},
                           {7, 0, 0, 359},
                           {9, 98, 0, 255},
                           {10, 26, 0, 255},
                           {11, 0, 0, 1},
                           {13, 500, 0, 1050}});
}

TEST_F(RectangleTextures, NeuroneAndNeuronsRegisterWithTheirDefaultsAndRanges) {
  const struct {
    int Type;
    const char *Name, *Code;
  } identities[] = {{T002_Type, "Neurone", "T002"}, {T007_Type, "Neurons", "T007"}};
  for (const auto& t : identities) {
    EXPECT_EQ(TypeName[t.Type], t.Name);
    EXPECT_EQ(TypeCode[t.Type], t.Code);
    EXPECT_EQ(TypeGenerator[t.Type], 1);
  }
  ExpectParams(T002_Type, {{1, 26, 5, 500},
                           {2, 21, 5, 500},
                           {3, 22, 5, 500},
                           {4, 31, 5, 500},
                           {5, 2000, 100, 5000},
                           {6, 2000, 100, 5000},
                           {7, 2, 1, 100},
                           {8, 2, 1, 100},
                           {9, 5, 0, 50},
                           {10, 60, 0, 359},
                           {11, 227, 0, 359},
                           {12, 152, 0, 255},
                           {13, 149, 0, 255},
                           {14, 500, 0, 1000}});
  ExpectParams(T007_Type, {{1, 2, 1, 100},
                           {2, 2, 1, 100},
                           {4, 5, 0, 50},
                           {5, 60, 0, 359},
                           {6, 227, 0, 359},
                           {7, 0, 0, 359},
                           {9, 32, 1, 120},
                           {10, 32, 1, 120},
                           {11, 0, 0, 1050}});
}

TEST_F(RectangleTextures, MicrobesCopiesItsParametersInItsOwnOrder) {
  const int i = CreateInstance(T003_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 6, p[2] = 7, p[3] = 300, p[5] = 50, p[6] = 60, p[7] = 70, p[9] = 90, p[10] = 100, p[11] = 1, p[13] = 130;
  ComputeChain();
  const TT003Work& w = T003Work;
  EXPECT_EQ(std::vector<int32_t>({w.WidthFactor, w.HeightFactor, w.Density, w.LumVariant1, w.LumVariant2, w.HueMin,
                                  w.HueMax, w.Variant, w.HueVariant, w.Seed}),
            std::vector<int32_t>({6, 7, 300, 90, 100, 50, 60, 1, 70, 130}));
  EXPECT_EQ(LevelsWork.Channel[0].Min, 50);
  EXPECT_EQ(LevelsWork.Channel[0].Max, 60);
  EXPECT_EQ(HSHFWork.Shift, 70);
}

TEST_F(RectangleTextures, NeuroneCopiesItsParametersInItsOwnOrder) {
  const int i = CreateInstance(T002_Type);
  auto& p = ModuleParams[i].ParamValue;
  for (int k = 1; k <= 14; ++k) p[k] = 100 + k;
  p[9] = 4;  // hue windows 110..114 and 111..115
  ComputeChain();
  const TT002Work& w = T002Work;
  EXPECT_EQ(std::vector<int32_t>({w.XFactor1, w.YFactor1, w.XFactor2, w.YFactor2, w.Density1, w.Density2, w.XEffect,
                                  w.YEffect, w.HueVariant1, w.HueVariant2, w.HueRange, w.LumVariant1, w.LumVariant2,
                                  w.Seed}),
            std::vector<int32_t>({101, 102, 103, 104, 105, 106, 107, 108, 110, 111, 4, 112, 113, 114}));
  // The records of the last phases that filled them.
  EXPECT_EQ(SH01Work.WidthMax, 103);
  EXPECT_EQ(SH01Work.HeightMax, 104);
  EXPECT_EQ(SH01Work.Count, 106);
  EXPECT_EQ(VRGHWork.Threshold[2], 113);
  EXPECT_EQ(OFSTWork.XOffset, 107);
  EXPECT_EQ(OFSTWork.YOffset, 108);
  EXPECT_EQ(LevelsWork.Channel[0].Min, 111);
  EXPECT_EQ(LevelsWork.Channel[0].Max, 115);
}

TEST_F(RectangleTextures, NeuronsCopiesItsParametersAndDerivesItsThresholdsAndCount) {
  ImageWidth = 40;
  ImageHeight = 25;  // W + H = 65: 4 * Round(32.5) = 128
  const int i = CreateInstance(T007_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 3, p[2] = 4, p[4] = 6, p[5] = 50, p[6] = 70, p[7] = 11, p[9] = 1, p[10] = 120, p[11] = 9;
  ComputeChain();
  const TT007Work& w = T007Work;
  EXPECT_EQ(std::vector<int32_t>({w.WidthEffect, w.HeightEffect, w.HueVariant1, w.HueVariant2, w.HueRange,
                                  w.HueVariant3, w.Variant1, w.Variant2, w.Seed}),
            std::vector<int32_t>({3, 4, 50, 70, 6, 11, 1, 120, 9}));
  EXPECT_EQ(SH01Work.WidthMin, 3);
  EXPECT_EQ(SH01Work.WidthMax, 32);
  EXPECT_EQ(SH01Work.HeightMax, 32);
  EXPECT_EQ(SH01Work.Count, 128);
  EXPECT_EQ(VRGHWork.Threshold[2], 255);  // 120 + 135
  EXPECT_EQ(OFSTWork.XOffset, 3);
  EXPECT_EQ(OFSTWork.YOffset, 4);
  EXPECT_EQ(LevelsWork.Channel[0].Min, 70);
  EXPECT_EQ(LevelsWork.Channel[0].Max, 76);
  EXPECT_EQ(HSHFWork.Shift, 11);
}

TEST_F(RectangleTextures, HueWindowsBecome309To359BeyondTheTop) {
  const int32_t big = std::numeric_limits<int32_t>::max(), small = std::numeric_limits<int32_t>::min();
  const struct {
    int32_t Start, Range, Low, High;
  } cases[] = {
      {330, 40, 309, 359}, {319, 40, 319, 359}, {320, 50, 309, 359}, {309, 50, 309, 359},
      {310, 50, 309, 359}, {100, 0, 100, 100},  {0, 0, 0, 0},         {359, 0, 359, 359},
      {359, 1, 309, 359},  {big, 1, 309, 359},  {small, -5, small, small},
  };
  for (const auto& c : cases) {
    const THueWindow w = HueWindow(c.Start, c.Range);
    EXPECT_EQ(w.Low, c.Low) << c.Start << " + " << c.Range;
    EXPECT_EQ(w.High, c.High) << c.Start << " + " << c.Range;
  }
}

TEST_F(RectangleTextures, NeuronsCountsRectanglesWithHalvesToEven) {
  const struct {
    int32_t W, H, Count;
  } cases[] = {{256, 256, 1024}, {1024, 1024, 4096}, {256, 255, 1024}, {257, 256, 1024},
               {257, 257, 1028}, {258, 257, 1032},   {1, 2, 8},         {2, 3, 8}};
  for (const auto& c : cases) EXPECT_EQ(T007_RectangleCount(c.W, c.H), c.Count) << c.W << " x " << c.H;
}

TEST_F(RectangleTextures, EveryPhaseShowsItsMark) {
  const struct {
    int Type, Phases;
    const char *Execute, *Mark;
  } cases[] = {{T003_Type, 8, "(2) Microbes", "(2) Microbes [phase "},
               {T002_Type, 12, "(2) Neurone", "(2) Neurone [phase "},
               {T007_Type, 13, "(2) Neurons", "(2) Neurons [phase "}};
  for (const auto& c : cases) {
    NextInstance = 1;
    CreateInstance(c.Type);
    const int i = CreateInstance(c.Type);
    ModuleParams[1].Active = 0;
    std::vector<std::string> expected = {c.Execute};
    for (int k = 1; k <= c.Phases; ++k) expected.push_back(c.Mark + std::to_string(k) + "]");
    EXPECT_EQ(Progress(i), expected) << TypeName[c.Type];
  }
}

TEST_F(RectangleTextures, MicrobesShowsEveryPhaseAlsoTheSkippedOne) {
  CreateInstance(T003_Type);
  const int i = CreateInstance(T003_Type);
  for (int variant : {0, 1}) {
    ModuleParams[i].ParamValue[11] = variant;
    std::vector<std::string> expected = {"(2) Microbes"};
    for (int k = 1; k <= 8; ++k) expected.push_back("(2) Microbes [phase " + std::to_string(k) + "]");
    const auto texts = Progress(i);
    // The first instance shows its own texts before.
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(texts.end() - static_cast<long>(expected.size()), texts.end()), expected)
        << "variant " << variant;
  }
}

// Where the random state ends tells which rectangle phases ran: the skipped
// phase 3 neither reseeds nor draws.
TEST_F(RectangleTextures, MicrobesSkippedPhaseLeavesTheRandomStateOfPhaseOne) {
  const int i = CreateInstance(T003_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[13] = 0;  // seed 0 is a valid seed
  auto stateAfterRectangles = [](int32_t seed, int32_t count, int32_t maxW, int32_t maxH) {
    RandomSeed = seed;
    SH01Work = {SpaceHSL, 3, maxW, 3, maxH, 0, 359, 0, 255, 0, 255, count, 0, 0, seed, 0};
    SH01_Compute();
    return RandomSeed;
  };
  const int32_t afterPhase1 = stateAfterRectangles(0, p[3], p[1], p[2]);
  const int32_t afterPhase3 = stateAfterRectangles(0, 1, 3, 3);
  ASSERT_NE(afterPhase1, afterPhase3);
  const struct {
    int32_t Variant, Expected;
  } cases[] = {{0, afterPhase3}, {1, afterPhase1}, {-1, afterPhase1}};
  for (const auto& c : cases) {
    p[11] = c.Variant;
    RandomSeed = 99;
    ComputeChain();
    EXPECT_EQ(RandomSeed, c.Expected) << "variant " << c.Variant;
  }
}

TEST_F(RectangleTextures, MicrobesWithEqualHueEndsMakesEveryHueThatValue) {
  const int i = CreateInstance(T003_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[5] = p[6] = 200;
  p[7] = 170;  // then shifted to 370 - 360
  ComputeChain();
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, x, y), 10) << x << "," << y;
}

// Phase 3 continues the random sequence of phase 1: the rectangle count of
// phase 1 moves it, the rectangle sizes do not (each rectangle takes nine
// draws whatever its size). The state after the run tells.
TEST_F(RectangleTextures, NeuroneSecondRectanglesFollowTheFirstCount) {
  const int i = CreateInstance(T002_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[14] = 0;
  ComputeChain();
  const int32_t reference = RandomSeed;
  const struct {
    int K, Value;
    bool Moves;
  } cases[] = {{1, 5, false}, {2, 500, false}, {3, 400, false}, {5, 2001, true}, {6, 1999, true}, {14, 1, true}};
  for (const auto& c : cases) {
    const int32_t old = p[c.K];
    p[c.K] = c.Value;
    ComputeChain();
    EXPECT_EQ(RandomSeed != reference, c.Moves) << "p" << c.K;
    p[c.K] = old;
  }
}

// Rectangles larger than the picture (sizes up to 500 on 128 pixels) wrap
// around it and never reach outside; the hues end in window 2 and buffer 1
// keeps the image of phase 7, whose hues lie in window 1.
TEST_F(RectangleTextures, NeuroneWithOversizedRectanglesStaysInsideAndLeavesItsIntermediateImage) {
  ImageWidth = 128;
  ImageHeight = 96;
  const int i = CreateInstance(T002_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[1] = p[2] = p[3] = p[4] = 500;
  p[5] = p[6] = 100;
  ComputeChain();
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const int h = Pixel(CurrentLayer, SpaceHSL, 1, x, y), b = ImageStore().Buffers[0].plane(SpaceHSL, 1).at(x, y);
      ASSERT_TRUE(h >= 227 && h <= 232) << x << "," << y << ": " << h;
      ASSERT_TRUE(b >= 60 && b <= 65) << x << "," << y << ": " << b;
    }
}

// Phases 8 to 11 on a hand-made 4 x 3 work image: the image waits in buffer
// 1, moves by (1, 2) with wrap-around, is inverted in HSL, and the waiting
// image comes back to be combined by "Difference" in RGB.
TEST_F(RectangleTextures, OffsetInvertedCopyOnAHandMadePicture) {
  ImageWidth = 4;
  ImageHeight = 3;
  RunningInstance = 1;
  int32_t h[5][4], s[5][4], l[5][4], r[5][4], g[5][4], b[5][4];
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 3; ++y) {
      h[x][y] = (x * 83 + y * 47) % 360;
      s[x][y] = 60 + x * 40 + y * 5;
      l[x][y] = 30 + x * 50 + y * 7;
      HSLToRGB(h[x][y], s[x][y], l[x][y], r[x][y], g[x][y], b[x][y]);
      const int32_t hsl[3] = {h[x][y], s[x][y], l[x][y]}, rgb[3] = {r[x][y], g[x][y], b[x][y]};
      for (int c = 1; c <= 3; ++c) {
        Pixel(ResultLayer, SpaceHSL, c, x, y) = static_cast<Sample>(hsl[c - 1]);
        Pixel(ResultLayer, SpaceRGB, c, x, y) = static_cast<Sample>(rgb[c - 1]);
      }
    }
  const TNeuronSettings settings{3, 3, 1, 3, 3, 1, 255, 255, {0, 359}, {0, 359}, 1, 2};
  const std::vector<Phase> all = NeuronPhases(settings, nullptr);
  RunPhaseChain(T002_Type, std::vector<Phase>(all.begin() + 7, all.begin() + 11));
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 3; ++y) {
      // The moved pixel at (x, y) came from (x - 1, y - 2), wrapped.
      const int sx = (x + 2) % 4 + 1, sy = (y + 0) % 3 + 1;
      int32_t ir, ig, ib;
      HSLToRGB(359 - h[sx][sy], 255 - s[sx][sy], 255 - l[sx][sy], ir, ig, ib);
      const int32_t expected[3] = {std::abs(ir - r[x][y]), std::abs(ig - g[x][y]), std::abs(ib - b[x][y])};
      for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, c, x, y), expected[c - 1]) << x << "," << y << " channel " << c;
      EXPECT_EQ(ImageStore().Buffers[0].plane(SpaceHSL, 1).at(x, y), h[x][y]);
    }
}

}  // namespace
