#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "chaotic/ChaosReference.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/chaotic/ChaosCloud.h"
#include "modules/chaotic/Fnc_K1M1.h"
#include "modules/chaotic/Fnc_K2M1.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

// The members in reference order: one modifier A..D, two modifiers A..F.
const int32_t Types[10] = {92, 93, 94, 95, 67, 68, 69, 70, 71, 72};

constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();

// Every sample of the current layer's picture area, HSL then RGB.
struct Picture {
  int w = 0, h = 0;
  std::vector<int16_t> planes[2][3];
  int16_t L(int x, int y) const { return planes[1][2][(x - 1) * h + (y - 1)]; }
  bool operator==(const Picture&) const = default;
};

Picture Capture() {
  Picture p;
  p.w = ImageWidth;
  p.h = ImageHeight;
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) p.planes[s][c].push_back(Pixel(CurrentLayer, s + 1, c + 1, x, y));
  return p;
}

std::set<int16_t> Levels(const Picture& p) { return {p.planes[1][2].begin(), p.planes[1][2].end()}; }

class Chaos : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine();
    ImageWidth = 48;
    ImageHeight = 40;
  }

  // A new instance of Type with its defaults, "Details" 2 (20,000 steps)
  // unless changed, then the changes.
  int Add(int32_t Type, const std::vector<std::pair<int, int32_t>>& Changes = {}) {
    const int i = CreateInstance(Type);
    ModuleParams[i].ParamValue[7] = 2;
    for (auto [k, v] : Changes) ModuleParams[i].ParamValue[k] = v;
    return i;
  }

  Picture Run(int Instance) {
    RunningInstance = Instance;
    TypeExecuteProc[ModuleParams[Instance].ModuleType]();
    return Capture();
  }

  Picture Reference(int Member, int Instance) {
    reference::Cloud(Member, ModuleParams[Instance].ParamValue);
    return Capture();
  }
};

TEST_F(Chaos, CatalogDefaultsAndRanges) {
  const char* names[10] = {"Chaotic Fx 1 A", "Chaotic Fx 1 B", "Chaotic Fx 1 C", "Chaotic Fx 1 D", "Chaotic Fx 2 A",
                           "Chaotic Fx 2 B", "Chaotic Fx 2 C", "Chaotic Fx 2 D", "Chaotic Fx 2 E", "Chaotic Fx 2 F"};
  const char* codes[10] = {"K1M1", "K1M2", "K1M3", "K1M4", "K2M1", "K2M2", "K2M3", "K2M4", "K2M5", "K2M6"};
  // p1, p2, p4, p5, p8 of each member; p7 1000, p10 0 and the window
  // -52, 52, -52, 52 for all.
  const int32_t defaults[10][5] = {{150, 250, 5, 0, 920},       {-560, 540, 3, 0, 910},    {150, 250, 4, 0, 940},
                                   {650, -500, 5, 0, 940},      {150, 250, 200, 300, 940}, {260, 290, -260, -290, 890},
                                   {-990, -300, 120, 990, 780}, {150, 250, 64, 300, 960},  {150, 580, 570, -235, 825},
                                   {-970, 500, -580, -330, 900}};
  for (int m = 0; m < 10; ++m) {
    SCOPED_TRACE(codes[m]);
    const int32_t t = Types[m];
    EXPECT_EQ(TypeName[t], names[m]);
    EXPECT_EQ(TypeCode[t], codes[m]);
    EXPECT_EQ(TypeGenerator[t], 1);
    EXPECT_EQ(TypeNormalGlyphs[t], 0);
    const int i = CreateInstance(t);
    const auto& p = ModuleParams[i];
    std::vector<std::pair<int, int32_t>> used = {{1, defaults[m][0]}, {2, defaults[m][1]}, {4, defaults[m][2]},
                                                 {7, 1000},           {8, defaults[m][4]}, {10, 0},
                                                 {11, -52},           {12, 52},            {13, -52},
                                                 {14, 52}};
    if (m >= 4) used.push_back({5, defaults[m][3]});
    for (int k = 1; k <= ParamCount; ++k) {
      SCOPED_TRACE(k);
      auto u = std::find_if(used.begin(), used.end(), [k](auto e) { return e.first == k; });
      const int32_t value = u == used.end() ? 0 : u->second;
      int32_t lo = 0, hi = 0;
      if (k == 1 || k == 2 || (m >= 4 && k == 5) || (m >= 4 && k == 4)) lo = -1000, hi = 1000;
      if (m < 4 && k == 4) lo = 1, hi = 200;
      if (k == 7) lo = 1, hi = 10000;
      if (k == 8) lo = 1, hi = 1000;
      if (k == 10) lo = 0, hi = 1000;
      if (k >= 11 && k <= 14) lo = -100, hi = 100;
      EXPECT_EQ(p.ParamValue[k], value);
      EXPECT_EQ(p.ParamMin[k], lo);
      EXPECT_EQ(p.ParamMax[k], hi);
    }
  }
}

// The module window's items add the ten types, in menu order.
TEST_F(Chaos, MenuItemsAddTheTypes) {
  F_Synthe->BuildModuleMenus();
  const char* items[10] = {"1 Modifier > Fx 1 A",  "1 Modifier > Fx 1 B",  "1 Modifier > Fx 1 C",  "1 Modifier > Fx 1 D",
                           "2 Modifiers > Fx 2 A", "2 Modifiers > Fx 2 B", "2 Modifiers > Fx 2 C", "2 Modifiers > Fx 2 D",
                           "2 Modifiers > Fx 2 E", "2 Modifiers > Fx 2 F"};
  for (int m = 0; m < 10; ++m) {
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, std::string("Functions > Chaotic functions > ") + items[m]);
    ASSERT_NE(item, nullptr) << items[m];
    item->Click();
    EXPECT_EQ(ModuleParams[m + 1].ModuleType, Types[m]);
  }
}

// The work records keep their own field order: the two-modifier record
// holds both width effects before both height effects.
TEST_F(Chaos, ExecuteFillsWorkRecordsAndStatusText) {
  const int i = Add(67, {{1, 11}, {2, 22}, {4, 44}, {5, 55}, {7, 0}, {8, 88}, {10, 100},
                         {11, 111}, {12, 112}, {13, 113}, {14, 114}});
  F_Synthe->StatusBar1.ClearPainted();
  Run(i);
  const ChaosWork2& w = K2M1Work;
  EXPECT_EQ(w.WidthEffect1, 11);
  EXPECT_EQ(w.WidthEffect2, 44);
  EXPECT_EQ(w.HeightEffect1, 22);
  EXPECT_EQ(w.HeightEffect2, 55);
  EXPECT_EQ(w.LeftOffset, 111);
  EXPECT_EQ(w.RightOffset, 112);
  EXPECT_EQ(w.TopOffset, 113);
  EXPECT_EQ(w.BottomOffset, 114);
  EXPECT_EQ(w.Details, 0);
  EXPECT_EQ(w.Luminosity, 88);
  EXPECT_EQ(w.Seed, 100);
  ASSERT_FALSE(F_Synthe->StatusBar1.Painted().empty());
  EXPECT_EQ(F_Synthe->StatusBar1.Painted().back().Panel, 1);
  EXPECT_EQ(F_Synthe->StatusBar1.Painted().back().Text, "(1) Chaotic Fx 2 A");

  const int j = Add(92, {{1, -1}, {2, -2}, {4, 7}, {7, 0}, {8, 8}, {10, 9}});
  Run(j);
  EXPECT_EQ(K1M1Work.WidthEffect, -1);
  EXPECT_EQ(K1M1Work.HeightEffect, -2);
  EXPECT_EQ(K1M1Work.PhaseStep, 7);
  EXPECT_EQ(K1M1Work.LeftOffset, -52);
  EXPECT_EQ(K1M1Work.Details, 0);
  EXPECT_EQ(K1M1Work.Luminosity, 8);
  EXPECT_EQ(K1M1Work.Seed, 9);
  EXPECT_EQ(F_Synthe->StatusBar1.Painted().back().Text, "(2) Chaotic Fx 1 A");
}

// Every member gives exactly the picture of the plain step-by-step loop:
// at its defaults, with other effects, and with equal effects, where the
// two-modifier maps take a sine and a cosine from one call.
TEST_F(Chaos, EveryMemberMatchesThePlainLoop) {
  const std::vector<std::vector<std::pair<int, int32_t>>> variants = {
      {},
      {{1, -333}, {2, 421}, {4, 17}, {5, 29}, {8, 600}, {10, 77}},
      {{1, 240}, {5, 240}, {8, 1}},                         // a = d
      {{2, -410}, {4, -410}, {10, 999}},                    // b = c
      {{1, 130}, {5, 130}, {2, 90}, {4, 90}, {8, 1000}},    // both
      {{11, 40}, {12, -60}, {13, 10}, {14, -20}, {4, 1}},   // mirrored, narrow window
  };
  for (int m = 0; m < 10; ++m)
    for (size_t v = 0; v < variants.size(); ++v) {
      SCOPED_TRACE(::testing::Message() << "member " << m << " variant " << v);
      const int i = Add(Types[m], {});
      for (auto [k, value] : variants[v]) ModuleParams[i].ParamValue[k] = value;
      const Picture got = Run(i);
      const int32_t seedAfter = RandomSeed;
      const Picture want = Reference(m, i);
      ASSERT_TRUE(got == want);
      EXPECT_EQ(seedAfter, RandomSeed);
      EXPECT_GT(Levels(got).size(), 1u);
      NextInstance = 1;
    }
}

TEST_F(Chaos, EqualParametersEqualPicturesAndTheSeedMoves) {
  const int i = Add(94);
  const Picture first = Run(i);
  ResetEngine();
  ImageWidth = 48;
  ImageHeight = 40;
  const int j = Add(94);
  EXPECT_TRUE(Run(j) == first);
  // The generator is left after its 97 table draws and the two start draws.
  int32_t s = 0;
  InitRandom(s);
  Random01(s);
  Random01(s);
  EXPECT_EQ(RandomSeed, s);
  ModuleParams[j].ParamValue[10] = 1;
  EXPECT_FALSE(Run(j) == first);
}

// H and S are 0 and R = G = B = L everywhere, whatever the layer held.
TEST_F(Chaos, GreyPictureWhateverTheLayerHeld) {
  FillLayer(CurrentLayer, SpaceHSL, 200, 100, 50);
  FillLayer(CurrentLayer, SpaceRGB, 1, 2, 3);
  const Picture p = Run(Add(72));
  for (size_t n = 0; n < p.planes[1][2].size(); ++n) {
    ASSERT_EQ(p.planes[1][0][n], 0);
    ASSERT_EQ(p.planes[1][1][n], 0);
    for (int c = 0; c < 3; ++c) ASSERT_EQ(p.planes[0][c][n], p.planes[1][2][n]);
  }
}

// Equal offsets give a span of 0.1: the same picture as offsets 0 and 5.
TEST_F(Chaos, ZeroSpanBecomesOneTenth) {
  const Picture zero = Run(Add(67, {{7, 20}, {11, 0}, {12, 0}, {13, 0}, {14, 0}}));
  const Picture tenth = Run(Add(67, {{7, 20}, {11, 0}, {12, 5}, {13, 0}, {14, 5}}));
  EXPECT_TRUE(zero == tenth);
  EXPECT_GT(Levels(zero).size(), 1u);
}

// Swapped offsets mirror the picture left-right: column c becomes column
// ImageWidth - c.
TEST_F(Chaos, SwappedOffsetsMirrorTheColumns) {
  for (int32_t type : {92, 70}) {
    const Picture plain = Run(Add(type));
    const Picture mirrored = Run(Add(type, {{11, 52}, {12, -52}}));
    for (int y = 1; y <= ImageHeight; ++y) {
      EXPECT_EQ(plain.L(ImageWidth, y), 0);
      EXPECT_EQ(mirrored.L(ImageWidth, y), 0);
      for (int c = 1; c < ImageWidth; ++c) ASSERT_EQ(mirrored.L(ImageWidth - c, y), plain.L(c, y)) << c << "," << y;
    }
  }
}

TEST_F(Chaos, LuminositySetsTheClip) {
  EXPECT_EQ(Levels(Run(Add(93, {{8, 1000}}))), (std::set<int16_t>{0, 255}));
  // 997 clips the counts rescaled to 0..1000 at 4: the levels k * 255 / 4
  // rounded (this picture has no rescaled count of exactly 1).
  EXPECT_EQ(Levels(Run(Add(70, {{7, 4}, {8, 997}}))), (std::set<int16_t>{0, 128, 191, 255}));
}

TEST_F(Chaos, BlackWhenNothingIsDrawn) {
  const std::vector<std::vector<std::pair<int, int32_t>>> cases = {
      {{11, 100}, {12, 100}, {13, 100}, {14, 100}},  // a window the orbit never enters
      {{7, 0}},                                      // no steps
      {{7, -5}},
      {{7, Min32}},
      {{11, Max32}, {12, Max32 - 1}},                // steps far beyond the picture
      {{13, Min32}, {14, Min32 + 1}},
  };
  for (int32_t type : {95, 69}) {
    for (size_t n = 0; n < cases.size(); ++n) {
      SCOPED_TRACE(n);
      const Picture p = Run(Add(type, cases[n]));
      EXPECT_EQ(Levels(p), (std::set<int16_t>{0}));
      for (int c = 0; c < 3; ++c) EXPECT_EQ(*std::max_element(p.planes[0][c].begin(), p.planes[0][c].end()), 0);
    }
  }
}

// A window of the whole 32-bit range: every step lands on the middle pixel,
// whose count stops at 32767 and comes out white.
TEST_F(Chaos, ExtremeWindowGivesOneWhitePixel) {
  ImageWidth = ImageHeight = 64;
  const Picture p = Run(Add(68, {{7, 4}, {11, Min32}, {12, Max32}, {13, Min32}, {14, Max32}}));
  for (int x = 1; x <= 64; ++x)
    for (int y = 1; y <= 64; ++y) ASSERT_EQ(p.L(x, y), (x == 32 && y == 32) ? 255 : 0) << x << "," << y;
}

// With all effects 0, K2M5 settles on the fixed point x = (sin x + 1) / 2,
// y = cos(x) / 2. 40,000 steps put far more than 32767 hits on its pixel,
// which must stay the brightest one instead of wrapping negative.
TEST_F(Chaos, SettledOrbitGivesAWhitePoint) {
  double x = 0.5;
  for (int n = 0; n < 200; ++n) x = (std::sin(x) + 1) / 2;
  const double y = std::cos(x) / 2;
  const int px = static_cast<int>(Round((x + 1.04) * 48 / 2.08)), py = static_cast<int>(Round((y + 1.04) * 40 / 2.08));
  for (int32_t lum : {1, 825}) {
    const Picture p = Run(Add(71, {{1, 0}, {2, 0}, {4, 0}, {5, 0}, {7, 4}, {8, lum}}));
    EXPECT_EQ(p.L(px, py), 255);
    EXPECT_EQ(std::count(p.planes[1][2].begin(), p.planes[1][2].end(), 255), 1);
  }
}

// Any stored 32-bit value (presets are loaded unchecked): the run ends, and
// the picture is grey with every sample in 0..255. "Details" is kept at 1
// or below so the fuzz stays fast.
TEST_F(Chaos, AnyParameterValuesGiveAGreyPicture) {
  ImageWidth = 17;
  ImageHeight = 23;
  std::mt19937 draw(20240607);
  for (int round = 0; round < 5; ++round)
    for (int32_t type : Types) {
      const int i = Add(type);
      auto& p = ModuleParams[i].ParamValue;
      for (int k : {1, 2, 4, 5, 8, 10, 11, 12, 13, 14}) p[k] = static_cast<int32_t>(draw());
      if (round == 0)
        for (int k : {1, 2, 4, 5, 11, 12, 13, 14}) p[k] = (k % 2 ? Min32 : Max32);
      p[7] = std::min<int32_t>(1, static_cast<int32_t>(draw()));
      const Picture pic = Run(i);
      for (size_t n = 0; n < pic.planes[1][2].size(); ++n) {
        ASSERT_EQ(pic.planes[1][0][n] | pic.planes[1][1][n], 0);
        ASSERT_GE(pic.planes[1][2][n], 0);
        ASSERT_LE(pic.planes[1][2][n], 255);
      }
      NextInstance = 1;
    }
}

TEST(ChaosIterations, DetailsAreBoundedToTheirDocumentedMaximum) {
  EXPECT_EQ(ChaosIterations(1), 10000);
  EXPECT_EQ(ChaosIterations(1000), 10000000);
  EXPECT_EQ(ChaosIterations(10000), 100000000);
  EXPECT_EQ(ChaosIterations(10001), 100000000);
  EXPECT_EQ(ChaosIterations(Max32), 100000000);
  EXPECT_EQ(ChaosIterations(0), 0);
  EXPECT_EQ(ChaosIterations(Min32), 0);
}

// Rounding of a step to its pixel: to nearest, ties to even, in either lane.
TEST(ChaosIterations, StepsRoundTiesToEven) {
  for (double v : {0.5, 1.5, 2.5, 1024.5, 1023.5, 0.49999999999999994, 2.5000000000000004, 3.0000000001, 7.75}) {
    int x = 0, y = 0;
    RoundSmall2(Double2{v, 1025.5 - v}, x, y);
    EXPECT_EQ(x, Round(v)) << v;
    EXPECT_EQ(y, Round(1025.5 - v)) << v;
  }
}

// The chain copies the module's picture into the result layer at position 1.
TEST_F(Chaos, RunsInTheChain) {
  const int i = Add(95);
  ComputeChain();
  const Picture current = Capture();
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y)
      ASSERT_EQ(Pixel(ResultLayer, SpaceRGB, 1, x, y), Pixel(CurrentLayer, SpaceRGB, 1, x, y));
  EXPECT_TRUE(current == Reference(3, i));
}

}  // namespace
