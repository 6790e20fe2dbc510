// The short-chain textures: registration, status texts, the records their
// phases fill, and one hand-checked phase each.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "modules/filters/HueShift.h"
#include "modules/generators/Twig.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Noise.h"
#include "modules/textures/Fnc_T004.h"
#include "modules/textures/Fnc_T005.h"
#include "modules/textures/Fnc_T008.h"
#include "modules/textures/Fnc_T009.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "TextureTestSupport.h"

using namespace quillon;
using quillon::test::Fields;
using quillon::test::ProgressTexts;
using quillon::test::Snapshot;

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

class ShortChainTextures : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ImageWidth = 64;
    ImageHeight = 48;
  }
  void TearDown() override { StartApplication(); }
};

struct Identity {
  int Type;
  const char* Name;
  const char* Code;
  int Phases;
  // {parameter, default, minimum, maximum}; every other parameter stays 0..0.
  std::vector<std::vector<int32_t>> Params;
  // Colours 1..5.
  std::vector<int32_t> Colors;
};

const std::vector<Identity>& Identities() {
  static const std::vector<Identity> table = {
      {T004_Type, "Grass", "T004", 2, {{1, 1, 1, 10}, {3, 0, 0, 359}, {10, 500, 0, 1000}}, {32768, 0, 0, 0, 0}},
      {T005_Type, "Snake Skin", "T005", 6, {{1, 1, 1, 10}, {3, 0, 0, 359}, {10, 500, 0, 1000}}, {32768, 0, 0, 0, 0}},
      {T008_Type, "Cloth", "T008", 4, {{1, 170, 0, 359}, {3, 0, 0, 1000}}, {0, 0, 0, 0, 0}},
      {T009_Type, "Rough Paper", "T009", 4, {{1, 0, 0, 359}, {3, 128, 0, 1000}}, {65535, 0, 0, 0, 0}},
  };
  return table;
}

TEST_F(ShortChainTextures, RegisterWithTheirDefaultsRangesAndColours) {
  for (const Identity& t : Identities()) {
    SCOPED_TRACE(t.Name);
    const int i = CreateInstance(t.Type);
    ASSERT_GT(i, 0);
    EXPECT_EQ(TypeName[t.Type], t.Name);
    EXPECT_EQ(TypeCode[t.Type], t.Code);
    EXPECT_EQ(TypeGenerator[t.Type], 1);
    ASSERT_NE(TypeForm[t.Type], nullptr);
    EXPECT_TRUE(TypeForm[t.Type]->StayOnTop);
    const auto& m = ModuleParams[i];
    for (int k = 1; k <= 33; ++k) {
      std::vector<int32_t> expected = {k, 0, 0, 0};
      for (const auto& p : t.Params)
        if (p[0] == k) expected = p;
      EXPECT_EQ((std::vector<int32_t>{k, m.ParamValue[k], m.ParamMin[k], m.ParamMax[k]}), expected);
    }
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(m.ParamColor[c], t.Colors[c - 1]) << "colour " << c;
  }
}

TEST_F(ShortChainTextures, ShowTheirNameAndEveryPhaseMark) {
  for (const Identity& t : Identities()) {
    SCOPED_TRACE(t.Name);
    StartApplication();
    ImageWidth = ImageHeight = 32;
    CreateInstance(t.Type);
    CreateInstance(t.Type);
    const int i = CreateInstance(t.Type);
    ASSERT_EQ(i, 3);
    F_Synthe->StatusBar1.ClearPainted();
    ComputeChain();
    std::vector<std::string> expected;
    for (int n = 1; n <= 3; ++n) {
      std::string head = "(";
      head += std::to_string(n) + ") " + t.Name;
      expected.push_back(head);
      for (int k = 1; k <= t.Phases; ++k) expected.push_back(head + " [phase " + std::to_string(k) + "]");
    }
    EXPECT_EQ(ProgressTexts(), expected);
  }
}

TEST_F(ShortChainTextures, EqualParametersGiveEqualPicturesAndAnotherSeedAnother) {
  const int seedParam[][2] = {{T004_Type, 10}, {T005_Type, 10}, {T008_Type, 3}, {T009_Type, 3}};
  for (const auto& [type, seed] : seedParam) {
    SCOPED_TRACE(TypeName[type]);
    StartApplication();
    ImageWidth = 40;
    ImageHeight = 36;
    const int i = CreateInstance(type);
    auto picture = [&] {
      ComputeChain();
      return Snapshot(ResultLayer);
    };
    const auto first = picture();
    EXPECT_EQ(picture(), first);
    ModuleParams[i].ParamValue[seed] += 1;
    EXPECT_NE(picture(), first);
  }
}

// --- Grass ------------------------------------------------------------------

TEST_F(ShortChainTextures, GrassDrawsItsTwigsAndShiftsTheirHue) {
  const int i = CreateInstance(T004_Type);
  auto& m = ModuleParams[i];
  m.ParamValue[1] = 7;
  m.ParamValue[3] = 300;
  m.ParamValue[10] = 42;
  m.ParamColor[1] = PackRGB(200, 120, 40);
  m.ParamColor[2] = PackRGB(10, 20, 90);

  // The twigs by hand: 20 .. W + H pixels long, W + H of them, hue fixed,
  // saturation walking by 4 and luminosity by 7 + 9 within 100 of the main
  // colour, random orientations, over the secondary colour.
  TWIGWork = {20, 112, 112, 0, 0, 100, 4, 100, 16, 4, PackRGB(10, 20, 90), PackRGB(200, 120, 40), 42};
  TWIG_Compute();
  static LayerData twigs;  // a picture is too large for the stack
  twigs = ImageStore().Layers[CurrentLayer - 1];

  RunningInstance = i;
  T004_Execute();
  EXPECT_EQ(T004Work.Size, 7);
  EXPECT_EQ(T004Work.HueShift, 300);
  EXPECT_EQ(T004Work.Seed, 42);
  EXPECT_EQ(T004Work.MainColor, PackRGB(200, 120, 40));
  EXPECT_EQ(T004Work.SecondaryColor, PackRGB(10, 20, 90));
  int wrapped = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const int h = twigs.plane(SpaceHSL, 1).at(x, y);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, x, y), h + 300 > 359 ? h + 300 - 360 : h + 300);
      ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 2, x, y), twigs.plane(SpaceHSL, 2).at(x, y));
      ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, x, y), twigs.plane(SpaceHSL, 3).at(x, y));
      wrapped += h + 300 > 359;
    }
  EXPECT_GT(wrapped, 0);
}

TEST_F(ShortChainTextures, GrassTwigsShowWhenBothColoursAreEqual) {
  const int i = CreateInstance(T004_Type);
  ModuleParams[i].ParamColor[1] = ModuleParams[i].ParamColor[2] = PackRGB(0, 128, 0);
  ComputeChain();
  int other = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) other += Pixel(ResultLayer, SpaceRGB, 2, x, y) != 128;
  EXPECT_GT(other, ImageWidth * ImageHeight / 4);
}

TEST_F(ShortChainTextures, GrassLuminosityStepWrapsAtTheTopOfTheRange) {
  // Size + 9 in the program's 32-bit arithmetic: the largest size wraps.
  const int i = CreateInstance(T004_Type);
  ImageWidth = ImageHeight = 8;
  ModuleParams[i].ParamValue[1] = Int32Max;
  ComputeChain();
  EXPECT_EQ(TWIGWork.LumVariation, Int32Min + 8);
  ModuleParams[i].ParamValue[1] = Int32Min;
  ComputeChain();
  EXPECT_EQ(TWIGWork.LumVariation, Int32Min + 9);
}

// Sets channel values of a pixel of the current or result layer in one space.
void Put(int layer, int space, int x, int y, int32_t a, int32_t b, int32_t c) {
  SetLayerPixel3(layer, space, x, y, a, b, c);
}

std::vector<int32_t> Get(int layer, int space, int x, int y) {
  return {Pixel(layer, space, 1, x, y), Pixel(layer, space, 2, x, y), Pixel(layer, space, 3, x, y)};
}

// A compose step at full weights with one blend function on all three
// channels: its space, function, transparency colour and apply flag.
struct ComposeRecord {
  int32_t Space, Function, TransparencyColor, Apply;
};
void ExpectCompose(const Phase& phase, const ComposeRecord& r) {
  ASSERT_EQ(phase.After, AfterPhase::Compose);
  const TBlendParams& b = phase.Compose;
  EXPECT_EQ((std::vector<int32_t>{b.BlendSpace, b.Function[0], b.Function[1], b.Function[2], b.TransparencyColor,
                                  b.ApplyTransparency}),
            (std::vector<int32_t>{r.Space, r.Function, r.Function, r.Function, r.TransparencyColor, r.Apply}));
  EXPECT_EQ(b.ResultWeight, 1.0);
  EXPECT_EQ(b.CurrentWeight, 1.0);
}

// --- Snake Skin -------------------------------------------------------------

TEST_F(ShortChainTextures, SnakeSkinTwigLengthsFollowThePictureSize) {
  // The longest twig is Round((W + H) / 4), halves to even; there are
  // (W + H) * 2 of them.
  const int32_t sizes[][3] = {{64, 66, 32}, {64, 70, 34}, {65, 64, 32}, {67, 64, 33}, {1024, 1024, 512}};
  const int i = CreateInstance(T005_Type);
  auto& m = ModuleParams[i];
  m.ParamValue[1] = 3;
  m.ParamValue[10] = 77;
  m.ParamColor[1] = PackRGB(9, 8, 7);
  for (const auto& [w, h, longest] : sizes) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    ImageWidth = w;
    ImageHeight = h;
    T005Work = {3, 0, 77, PackRGB(9, 8, 7)};
    T005_Phases()[0].FillWork();
    EXPECT_EQ(Fields(TWIGWork),
              (std::vector<int32_t>{20, longest, (w + h) * 2, 0, 0, 100, 5, 100, 7, 4, 0, PackRGB(9, 8, 7), 77}));
  }
}

TEST_F(ShortChainTextures, SnakeSkinLeavesItsTwigsInBufferOneAndFillsEveryRecord) {
  const int i = CreateInstance(T005_Type);
  auto& m = ModuleParams[i];
  m.ParamValue[1] = 2;
  m.ParamValue[3] = 45;
  m.ParamValue[10] = 901;
  m.ParamColor[1] = PackRGB(30, 160, 90);
  TWIGWork = {20, 28, 224, 0, 0, 100, 5, 100, 6, 4, 0, PackRGB(30, 160, 90), 901};
  TWIG_Compute();
  const auto twigs = Snapshot(CurrentLayer);

  ComputeChain();
  EXPECT_EQ(Snapshot(ImageStore().Buffers[0]), twigs);
  EXPECT_EQ(Fields(T005Work), (std::vector<int32_t>{2, 45, 901, PackRGB(30, 160, 90)}));
  EXPECT_EQ(MVBFWork.Buffer, 1);
  EXPECT_EQ(RCBFWork.Buffer, 1);
  EXPECT_EQ(Fields(FMTCWork), (std::vector<int32_t>{SpaceHSL, 5, 1, 5, 1, 5, 1}));
  EXPECT_EQ(Fields(VRGHWork), (std::vector<int32_t>{SpaceHSL, 359, 255, 80, 0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(HSHFWork.Shift, 45);
}

TEST_F(ShortChainTextures, SnakeSkinSubtractsItsTwigsClampingAtZero) {
  const std::vector<Phase> phases = T005_Phases();
  const TBlendParams& b = phases[4].Compose;
  ExpectCompose(phases[4], {1, 4, 0, 0});

  // Softened image (result) minus twigs (current), channel by channel in HSL.
  ImageWidth = 3;
  ImageHeight = 1;
  const int32_t cases[3][9] = {
      // result H, S, L; current H, S, L; expected H, S, L
      {100, 50, 200, 120, 30, 100, 0, 20, 100},
      {300, 255, 80, 0, 0, 0, 300, 255, 80},  // black twig pixel: nothing subtracted
      {10, 10, 10, 359, 255, 255, 0, 0, 0},
  };
  for (int x = 1; x <= 3; ++x) {
    const int32_t* c = cases[x - 1];
    Put(ResultLayer, SpaceHSL, x, 1, c[0], c[1], c[2]);
    Put(CurrentLayer, SpaceHSL, x, 1, c[3], c[4], c[5]);
  }
  BlendParams = b;
  BlendCurrentIntoResult();
  for (int x = 1; x <= 3; ++x) {
    const int32_t* c = cases[x - 1];
    EXPECT_EQ(Get(ResultLayer, SpaceHSL, x, 1), (std::vector<int32_t>{c[6], c[7], c[8]})) << "x = " << x;
    int32_t r, g, bl;
    HSLToRGB(c[6], c[7], c[8], r, g, bl);
    EXPECT_EQ(Get(ResultLayer, SpaceRGB, x, 1), (std::vector<int32_t>{r, g, bl})) << "x = " << x;
  }
}

// --- Cloth ------------------------------------------------------------------

TEST_F(ShortChainTextures, ClothFillsEveryRecordAndSeedsTheFill) {
  const int i = CreateInstance(T008_Type);
  ModuleParams[i].ParamValue[1] = 12;
  ModuleParams[i].ParamValue[3] = 345;
  ComputeChain();
  EXPECT_EQ(Fields(T008Work), (std::vector<int32_t>{12, 345}));
  EXPECT_EQ(Fields(NoiseWork), (std::vector<int32_t>{SpaceHSL, 0, 50, 0, 255, 0, 255, 2, 345}));
  EXPECT_EQ(Fields(RNCCWork), (std::vector<int32_t>{SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}));
  EXPECT_EQ(Fields(CAV1Work), (std::vector<int32_t>{0, 50, 5, 0, 50, 5, 1, 50, 5}));
  EXPECT_EQ(HSHFWork.Shift, 12);
  const std::vector<Phase> phases = T008_Phases();
  EXPECT_EQ(phases[1].Seed, 345);
  for (size_t k : {0, 2, 3}) EXPECT_FALSE(phases[k].Seed) << "phase " << k + 1;
}

TEST_F(ShortChainTextures, ClothHuesStayWithinTheNoiseRangeTurnedByTheShift) {
  // Noise hues are 0..50 and the fill adds no deviation to hue, so after a
  // shift of 330 every hue lies in 330..359 or 0..20, and both parts occur.
  const int i = CreateInstance(T008_Type);
  ModuleParams[i].ParamValue[1] = 330;
  ModuleParams[i].ParamValue[3] = 5;
  ComputeChain();
  int low = 0, high = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      const int h = Pixel(ResultLayer, SpaceHSL, 1, x, y);
      ASSERT_TRUE(h >= 330 || h <= 20) << h << " at " << x << ", " << y;
      (h >= 330 ? high : low) += 1;
    }
  EXPECT_GT(low, 0);
  EXPECT_GT(high, 0);
}

// --- Rough Paper ------------------------------------------------------------

TEST_F(ShortChainTextures, RoughPaperSecondTwigsAreSeededOneHundredTwentyThreeOnWrapping) {
  const int32_t seeds[][2] = {{0, 123},        {128, 251}, {1000, 1123}, {Int32Max - 123, Int32Max}, {Int32Max - 122, Int32Min},
                              {Int32Max, Int32Min + 122}, {-123, 0}, {Int32Min, Int32Min + 123}};
  for (const auto& [seed, second] : seeds) {
    SCOPED_TRACE(seed);
    T009Work = {0, seed, PackRGB(255, 255, 0)};
    const std::vector<Phase> phases = T009_Phases();
    phases[0].FillWork();
    EXPECT_EQ(Fields(TWIGWork),
              (std::vector<int32_t>{20, 112, 112, 0, 0, 100, 4, 100, 3, 4, 0, PackRGB(255, 255, 0), seed}));
    phases[1].FillWork();
    EXPECT_EQ(Fields(TWIGWork),
              (std::vector<int32_t>{20, 112, 112, 0, 0, 100, 4, 100, 2, 4, 0, PackRGB(255, 255, 0), second}));
  }
  // The whole chain at the seed's maximum.
  ImageWidth = ImageHeight = 16;
  const int i = CreateInstance(T009_Type);
  ModuleParams[i].ParamValue[3] = Int32Max;
  ComputeChain();
  EXPECT_EQ(TWIGWork.Seed, Int32Min + 122);
  EXPECT_EQ(Fields(FMTCWork), (std::vector<int32_t>{SpaceHSL, 5, 1, 1, 1, 1, 1}));
}

TEST_F(ShortChainTextures, RoughPaperLaysTheSecondTwigsOverTheFirstWithBlackTransparent) {
  const std::vector<Phase> phases = T009_Phases();
  const TBlendParams& b = phases[1].Compose;
  ExpectCompose(phases[1], {0, 1, 0, 1});

  // A hand-made pair of layers: every result pixel under a black current
  // pixel stays; any other current pixel, however dark, replaces it.
  ImageWidth = 4;
  ImageHeight = 2;
  const int32_t current[4][3] = {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {200, 150, 20}};
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 2; ++y) {
      Put(ResultLayer, SpaceRGB, x, y, 10 * x, 20 * y, 99);
      Put(CurrentLayer, SpaceRGB, x, y, current[x - 1][0], current[x - 1][1], current[x - 1][2]);
    }
  SyncColorSpace(SpaceRGB);
  SyncCurrentColorSpace(SpaceRGB);
  // Weights below 1.0 would read the mask instead: make sure it plays no part.
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 2; ++y) ImageStore().BlendMask.at(x, y) = 50;
  BlendParams = b;
  BlendCurrentIntoResult();
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 2; ++y) {
      const std::vector<int32_t> expected =
          x == 1 ? std::vector<int32_t>{10 * x, 20 * y, 99}
                 : std::vector<int32_t>{current[x - 1][0], current[x - 1][1], current[x - 1][2]};
      EXPECT_EQ(Get(ResultLayer, SpaceRGB, x, y), expected) << x << ", " << y;
    }
}

}  // namespace
