// "Aliens Skins": the twig length and count from the picture size at the
// sizes where the rounding is delicate, the seed rule, the planet table
// driving the compose, and the two skins it blends.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/generators/Twig.h"
#include "modules/textures/Fnc_T006.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T006.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Lowest = std::numeric_limits<int32_t>::min();
constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

class AlienSkins : public TextureTest<T006_Type> {
 protected:
  // The execute procedure alone on a new instance with these values, so
  // BlendParams still holds the compose afterwards.
  static void Execute(std::initializer_list<std::pair<int, int32_t>> values) {
    NextInstance = 1;
    RunningInstance = CreateInstance(T006_Type);
    for (auto [k, v] : values) ModuleParams[RunningInstance].ParamValue[k] = v;
    T006_Execute();
  }
};

TEST_F(AlienSkins, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[37], "Aliens Skins");
  EXPECT_EQ(TypeCode[37], "T006");
  EXPECT_EQ(TypeForm[37], P_T006);
  ExpectDefaultsAndRanges({{1, 0, 0, 0},
                           {2, 0, 0, 0},
                           {3, 0, -100, 100},
                           {8, 0, -100, 100},
                           {9, 5, 0, 1000},
                           {10, 128, 0, 1000},
                           {11, 0, 0, 0}});
  EXPECT_EQ(ModuleParams[1].ParamColor[1], 32768);
  EXPECT_EQ(ModuleParams[1].ParamColor[2], 32768);
  EXPECT_EQ(ModuleParams[1].ParamColor[3], 0);
}

TEST_F(AlienSkins, TwigLengthAndCountRoundTheExtendedProductsToEven) {
  // At W + H = 1300 and 1500 a double product would round the other way:
  // the extended products are 253.4999... and 877.4999...
  const int32_t cases[][4] = {{128, 128, 50, 150},   {256, 256, 100, 300},  {1024, 1024, 399, 1198},
                              {650, 650, 253, 760},  {1024, 276, 253, 760}, {750, 750, 292, 877},
                              {1024, 476, 292, 877}, {1, 1, 0, 1}};
  for (auto& c : cases) {
    EXPECT_EQ(T006_MaxTwigLength(c[0], c[1]), c[2]) << c[0] << " x " << c[1];
    EXPECT_EQ(T006_TwigCount(c[0], c[1]), c[3]) << c[0] << " x " << c[1];
  }
}

TEST_F(AlienSkins, ShowsTenPhasesAndDrawsTheSecondSkinWithItsOwnRecord) {
  UseSize(40, 32);
  NextInstance = 1;
  const int i = CreateInstance(T006_Type);
  ModuleParams[i].ParamColor[2] = PackRGB(200, 10, 30);
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(1) Aliens Skins", 10));
  // 40 x 32: M = 36, longest Round(14.04) = 14, count Round(42.12) = 42.
  EXPECT_EQ(Fields(TWIGWork),
            (std::vector<int32_t>{20, 14, 42, 0, 0, 100, 10, 100, 8, 4, 0, PackRGB(200, 10, 30), 128}));
}

TEST_F(AlienSkins, EqualSeedsGiveTheSecondSkinItsOwn) {
  const struct {
    int32_t Seed1, Seed2, Used;
  } cases[] = {{5, 128, 128}, {5, 5, 54}, {0, 0, 9}, {1000, 1000, 9009}, {Highest, Highest, Lowest}, {-1, -1, 0}};
  for (auto& c : cases) {
    Execute({{9, c.Seed1}, {10, c.Seed2}});
    EXPECT_EQ(T006Work.Seed2, c.Used) << c.Seed1;
    EXPECT_EQ(TWIGWork.Seed, c.Used) << c.Seed1;
    EXPECT_EQ(ModuleParams[1].ParamValue[10], c.Seed2);
  }
}

TEST_F(AlienSkins, ThePlanetChoosesTheWholeCompose) {
  const struct {
    int32_t Planet;
    int32_t Space;
    double ResultWeight, CurrentWeight;
    int32_t F1, F2, F3;
  } cases[] = {
      {0, 0, 1.0, 1.0, 6, 6, 6},  {1, 0, 1.0, 1.0, 11, 12, 7}, {2, 0, 1.0, 1.0, 14, 13, 14},
      {3, 1, 1.0, 1.0, 7, 0, 5},  {4, 0, 1.0, 1.0, 11, 0, 22}, {5, 1, 1.0, 1.0, 6, 6, 20},
      {6, 0, 0.5, 1.0, 3, 3, 3},  {7, 0, 1.0, 0.5, 4, 4, 4},
      // Outside the list (a typed text stores -1): row 0, not the blend
      // functions a previous module left.
      {-1, 0, 1.0, 1.0, 6, 6, 6}, {8, 0, 1.0, 1.0, 6, 6, 6},   {Lowest, 0, 1.0, 1.0, 6, 6, 6},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.Planet);
    BlendParams = ComposeWith(1, 0.3, 0.3, 23, 23, 23, 12345, 1);
    Execute({{1, c.Planet}});
    EXPECT_EQ(BlendParams.BlendSpace, c.Space);
    EXPECT_EQ(BlendParams.ResultWeight, c.ResultWeight);
    EXPECT_EQ(BlendParams.CurrentWeight, c.CurrentWeight);
    EXPECT_EQ(BlendParams.Function[0], c.F1);
    EXPECT_EQ(BlendParams.Function[1], c.F2);
    EXPECT_EQ(BlendParams.Function[2], c.F3);
    EXPECT_EQ(BlendParams.TransparencyColor, 0);
    EXPECT_EQ(BlendParams.ApplyTransparency, 0);
  }
}

TEST_F(AlienSkins, TheFirstSkinStaysInBufferOneAndIsBlendedIntoTheSecond) {
  // Pluto takes |second - first| and Moon second - first / 2 per RGB
  // channel: where the first skin is 0 both give the second skin's value.
  Execute({{1, 0}});
  const auto pluto = Snapshot(CurrentLayer);
  const auto first = Snapshot(ImageStore().Buffers[0]);
  Execute({{1, 7}});
  const auto moon = Snapshot(CurrentLayer);
  EXPECT_EQ(Snapshot(ImageStore().Buffers[0]), first);
  const size_t rgb = static_cast<size_t>(ImageWidth) * ImageHeight * 3;
  size_t zeros = 0, differ = 0;
  for (size_t n = 0; n < rgb; ++n) {
    if (first[n] == 0) {
      ++zeros;
      EXPECT_EQ(pluto[n], moon[n]) << n;
    }
    differ += pluto[n] != moon[n];
  }
  EXPECT_GT(zeros, 0u);
  EXPECT_GT(differ, 0u);
}

}  // namespace
