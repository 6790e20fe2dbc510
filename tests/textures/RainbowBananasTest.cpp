// "Rainbow Bananas" and "Blue Gold Rings": the values their chains derive
// from the parameters and the picture size, the records each phase fills, the
// status texts, and the hue phases composed with black transparent.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/Tiles.h"
#include "modules/generators/SinX.h"
#include "modules/textures/Fnc_T010.h"
#include "modules/textures/Fnc_T011.h"
#include "modules/textures/PhaseChain.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Big = std::numeric_limits<int32_t>::max();
constexpr int32_t Small = std::numeric_limits<int32_t>::min();

class HuePatternTextures : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ClearMessageLog();
    ImageWidth = ImageHeight = 256;
  }
  void TearDown() override { StartApplication(); }
};

// The RGB half of a picture's samples (Snapshot lists RGB first).
std::vector<Sample> RGBPart(LayerData& picture) {
  std::vector<Sample> v = Snapshot(picture);
  v.resize(v.size() / 2);
  return v;
}

TEST_F(HuePatternTextures, RegisterWithTheirDefaultsAndSharedRanges) {
  EXPECT_EQ(TypeName[43], "Rainbow Bananas");
  EXPECT_EQ(TypeCode[43], "T010");
  EXPECT_EQ(TypeName[44], "Blue Gold Rings");
  EXPECT_EQ(TypeCode[44], "T011");
  EXPECT_EQ(TypeGenerator[43], 1);
  EXPECT_EQ(TypeGenerator[44], 1);
  const int bananas = CreateInstance(T010_Type), rings = CreateInstance(T011_Type);
  // parameter, default of T010, default of T011, minimum, maximum
  const int32_t table[][5] = {{1, 1, 200, 1, 200}, {2, 1, 1, 1, 200},  {3, 1, 88, 1, 200}, {4, 1, 176, 1, 200},
                              {5, 0, 0, 0, 0},     {6, 1, 4, 1, 4},    {7, 0, 0, 0, 0},    {8, 2, 18, 1, 20},
                              {9, 9, 1, 1, 20},    {10, 0, 1, 0, 1000}, {11, 0, 0, 0, 0},   {33, 0, 0, 0, 0}};
  for (const auto& r : table) {
    for (int i : {bananas, rings}) {
      EXPECT_EQ(ModuleParams[i].ParamMin[r[0]], r[3]) << "p" << r[0];
      EXPECT_EQ(ModuleParams[i].ParamMax[r[0]], r[4]) << "p" << r[0];
    }
    EXPECT_EQ(ModuleParams[bananas].ParamValue[r[0]], r[1]) << "p" << r[0];
    EXPECT_EQ(ModuleParams[rings].ParamValue[r[0]], r[2]) << "p" << r[0];
  }
  EXPECT_EQ(ModuleParams[rings].ParamColor[1], 0);
}

TEST_F(HuePatternTextures, PeriodCountRoundsTheExtendedProductHalfToEven) {
  // periods, side, count
  const int32_t table[][3] = {
      {9, 256, 4},     // 4.5: the tie goes to the even 4, not 5
      {5, 256, 2},     // 2.5 -> 2
      {3, 256, 2},     // 1.5 -> 2
      {2, 256, 1},     // 1.0
      {1, 256, 1},     // Round(0.5) = 0, raised to 1
      {18, 256, 9},    // Blue Gold Rings' width at its defaults
      {9, 300, 5},     // 5.27: no tie
      {9, 768, 14},    // 13.5 -> 14
      {20, 1024, 40},  // the range's top at the largest picture
      {0, 512, 1},     // below 1 becomes 1
      {-7, 512, 1},
      {Small, 1024, 1},
      {Big, 1024, Big},  // beyond 32 bits: saturated
      {Big, 256, 1073741824},
  };
  for (const auto& r : table) EXPECT_EQ(PeriodCount(r[0], r[1]), r[2]) << r[0] << " at " << r[1];
}

TEST_F(HuePatternTextures, ShapePicksTheWavesAndAnythingElseIsTheSine) {
  // shape, wave of phase 3, wave of phase 4 (0 sine, 1 triangle)
  const int32_t table[][3] = {{1, 0, 0}, {2, 1, 1}, {3, 1, 0}, {4, 0, 1}, {0, 0, 0}, {5, 0, 0}, {-2, 0, 0}, {Big, 0, 0}};
  for (const auto& r : table) {
    int32_t w3 = -1, w4 = -1;
    ShapeWaves(r[0], w3, w4);
    EXPECT_EQ(w3, r[1]) << "shape " << r[0];
    EXPECT_EQ(w4, r[2]) << "shape " << r[0];
  }
}

TEST_F(HuePatternTextures, HuePhasesGetPeriodsOffsetsWavesAndBlendsFromTheParameters) {
  struct Case {
    TT010Work Work;
    int32_t Combination4;
    std::vector<int32_t> Phase3, Phase4;
  };
  const Case cases[] = {
      // Rainbow Bananas' defaults at 256: PW 1, PH Round(4.5) = 4, offsets 0, 0 and 5, 5, sines, product.
      {{1, 1, 1, 1, 1, 2, 9, 0}, 3, {1, 0, 100, 4, 0, 100, 255, 255, 0, 359, 0, 3},
       {1, 5, 100, 4, 5, 100, 255, 255, 0, 99, 0, 3}},
      // Blue Gold Rings' defaults: PW 9, PH 1, shape 4 (sine, then triangle), sum in phase 4.
      {{200, 1, 88, 176, 4, 18, 1, 1}, 1, {9, 199, 100, 1, 0, 100, 255, 255, 0, 359, 0, 3},
       {9, 92, 100, 1, 180, 100, 255, 255, 0, 99, 1, 1}},
      // Stored values beyond every range: the offsets wrap in 32 bits, the
      // periods stay at least 1, an unknown shape draws sines.
      {{Small, Small, Big, Big, 9, 0, -3, 5}, 3, {1, Big, 100, 1, Big, 100, 255, 255, 0, 359, 0, 3},
       {1, Small + 3, 100, 1, Small + 3, 100, 255, 255, 0, 99, 0, 3}},
  };
  for (const Case& c : cases) {
    const std::vector<Phase> phases = HuePatternPhases(c.Work, c.Combination4);
    ASSERT_EQ(phases.size(), 4u);
    phases[2].FillWork();
    EXPECT_EQ(Fields(SIN3Work), c.Phase3);
    phases[3].FillWork();
    EXPECT_EQ(Fields(SIN3Work), c.Phase4);
    // Both hue phases compose in RGB at full weights with black transparent.
    const int32_t functions[2][3] = {{3, 11, 1}, {5, 12, 5}};
    for (int k = 0; k < 2; ++k) {
      const Phase& p = phases[2 + k];
      EXPECT_EQ(p.After, AfterPhase::Compose);
      EXPECT_EQ(p.Compose.BlendSpace, 0);
      EXPECT_EQ(p.Compose.ResultWeight, 1.0);
      EXPECT_EQ(p.Compose.CurrentWeight, 1.0);
      for (int f = 0; f < 3; ++f) EXPECT_EQ(p.Compose.Function[f], functions[k][f]);
      EXPECT_EQ(p.Compose.TransparencyColor, 0);
      EXPECT_EQ(p.Compose.ApplyTransparency, 1);
    }
  }
}

TEST_F(HuePatternTextures, ExecuteCopiesTheRecordAndMarksEveryPhase) {
  struct Case {
    int Type;
    int Phases;
    const TT010Work* Work;
  };
  for (const Case& c : {Case{T010_Type, 4, &T010Work}, Case{T011_Type, 11, &T011Work}}) {
    StartApplication();
    ImageWidth = ImageHeight = 128;
    CreateInstance(c.Type);
    const int i = CreateInstance(c.Type);
    ModuleParams[1].Active = 0;
    auto& p = ModuleParams[i].ParamValue;
    p[1] = 11, p[2] = 12, p[3] = 13, p[4] = 14, p[5] = 99, p[6] = 2, p[7] = 99, p[8] = 3, p[9] = 4, p[10] = 20;
    F_Synthe->StatusBar1.ClearPainted();
    ComputeChain();
    const TT010Work& w = *c.Work;
    EXPECT_EQ((std::vector<int32_t>{w.WidthOffset3, w.HeightOffset3, w.WidthOffset4, w.HeightOffset4, w.Shape,
                                    w.WidthPeriods, w.HeightPeriods, w.Seed}),
              (std::vector<int32_t>{11, 12, 13, 14, 2, 3, 4, 20}));
    EXPECT_EQ(ProgressTexts(), PhaseTexts("(2) " + TypeName[c.Type], c.Phases));
  }
  // The last phase of Blue Gold Rings: blue exchanged in RGB by red and blue of buffer 1.
  EXPECT_EQ(Fields(TB01Work), (std::vector<int32_t>{1, 1, 2, 1, 11, 1, 3}));
}

// A triangle quarter below 4 pixels is refused and leaves the current layer
// black; with black transparent the compose that follows changes no RGB
// value, so the picture is the one of phases 1 and 2 alone. (The blend
// recomputes HSL from RGB, as after every compose in RGB.)
TEST_F(HuePatternTextures, ARefusedHueLayerLeavesTheComposedPictureAsItWas) {
  ImageWidth = ImageHeight = 128;
  RunningInstance = CreateInstance(T011_Type);
  // Shape 2 draws triangles; 600 periods per 512 pixels give PW 150 at 128.
  const TT010Work refused = {200, 1, 88, 176, 2, 600, 1, 1};
  for (int32_t combination : {1, 3}) {
    std::vector<Phase> phases = HuePatternPhases(refused, combination);
    RunPhaseChain(T011_Type, {phases[0], phases[1]});
    const auto beforeHue = RGBPart(Layer(CurrentLayer));
    ClearMessageLog();
    RunPhaseChain(T011_Type, phases);
    EXPECT_EQ(RGBPart(Layer(CurrentLayer)), beforeHue) << "combination " << combination;
    ASSERT_EQ(MessageLog().size(), 2u);
    EXPECT_EQ(MessageLog()[0].Text, "Width frequency is too high");
    EXPECT_EQ(MessageLog()[1].Text, "Width frequency is too high");
  }
}

TEST_F(HuePatternTextures, BlueGoldRingsLeavesItsFourthPhaseInBufferOne) {
  ImageWidth = 160;
  ImageHeight = 96;
  RunningInstance = CreateInstance(T011_Type);
  ModuleParams[RunningInstance].ParamValue[10] = 7;
  T011_Execute();
  const auto buffer = Snapshot(ImageStore().Buffers[0]);
  const auto texture = Snapshot(CurrentLayer);
  RunPhaseChain(T011_Type, HuePatternPhases(T011Work, 1));
  EXPECT_EQ(Snapshot(CurrentLayer), buffer);
  EXPECT_NE(texture, buffer);
}

}  // namespace
