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
#include "modules/textures/Fnc_T004.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

using namespace quillon;

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

std::vector<Sample> Snapshot(const LayerData& layer) {
  std::vector<Sample> v;
  for (int s = 1; s <= 2; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) v.push_back(layer.plane(s, c).at(x, y));
  return v;
}

std::vector<std::string> PhaseTexts() {
  std::vector<std::string> texts;
  for (const auto& t : F_Synthe->StatusBar1.Painted())
    if (t.Panel == 1) texts.push_back(t.Text);
  return texts;
}

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
    EXPECT_EQ(PhaseTexts(), expected);
  }
}

TEST_F(ShortChainTextures, EqualParametersGiveEqualPicturesAndAnotherSeedAnother) {
  const int seedParam[][2] = {{T004_Type, 10}};
  for (const auto& [type, seed] : seedParam) {
    SCOPED_TRACE(TypeName[type]);
    StartApplication();
    ImageWidth = 40;
    ImageHeight = 36;
    const int i = CreateInstance(type);
    auto picture = [&] {
      ComputeChain();
      return Snapshot(Layers[ResultLayer - 1]);
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
  twigs = Layers[CurrentLayer - 1];

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

}  // namespace
