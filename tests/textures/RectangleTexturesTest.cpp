#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Levels.h"
#include "modules/generators/Shapes.h"
#include "modules/textures/Fnc_T003.h"
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

}  // namespace
