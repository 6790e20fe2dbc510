#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "modules/filters/HueShift.h"
#include "modules/textures/Fnc_T001.h"
#include "modules/textures/PhaseChain.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

class RedSwimmingPool : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    ImageWidth = 64;
    ImageHeight = 48;
  }
  void TearDown() override { StartApplication(); }
};

std::vector<Sample> Snapshot(int layer) {
  std::vector<Sample> v;
  for (int s = 1; s <= 2; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) v.push_back(LayerPlane(layer, s, c).at(x, y));
  return v;
}

void Scribble(int layer) {
  for (int s = 1; s <= 2; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) LayerPlane(layer, s, c).at(x, y) = static_cast<Sample>((x * y + c) % 200);
}

TEST_F(RedSwimmingPool, RegistersWithItsDefaultsAndRanges) {
  const int i = CreateInstance(T001_Type);
  ASSERT_EQ(i, 1);
  EXPECT_EQ(TypeName[29], "Red Swimming Pool");
  EXPECT_EQ(TypeCode[29], "T001");
  EXPECT_EQ(TypeGenerator[29], 1);
  const auto& m = ModuleParams[i];
  const int values[][4] = {{1, 215, 0, 359}, {2, 243, 0, 359}, {3, 0, 0, 359}, {5, 159, 0, 255},
                           {7, 161, 0, 255}, {8, 211, 0, 255}, {10, 0, 0, 1000}, {4, 0, 0, 0}};
  for (auto& v : values) {
    EXPECT_EQ(m.ParamValue[v[0]], v[1]) << "p" << v[0];
    EXPECT_EQ(m.ParamMin[v[0]], v[2]) << "p" << v[0];
    EXPECT_EQ(m.ParamMax[v[0]], v[3]) << "p" << v[0];
  }
}

TEST_F(RedSwimmingPool, CopiesItsParametersInTheRecordsOrderAndShowsEveryPhase) {
  const int first = CreateInstance(T001_Type);
  const int i = CreateInstance(T001_Type);
  ASSERT_EQ(i, 2);
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 11, p[2] = 12, p[3] = 13, p[5] = 15, p[7] = 17, p[8] = 18, p[10] = 20;
  ModuleParams[first].Active = 0;
  TStatusBar& bar = F_Synthe->StatusBar1;
  bar.ClearPainted();
  ComputeChain();
  EXPECT_EQ(T001Work.SatThreshold, 15);
  EXPECT_EQ(T001Work.LumThreshold1, 17);
  EXPECT_EQ(T001Work.HueThreshold1, 11);
  EXPECT_EQ(T001Work.LumThreshold2, 18);
  EXPECT_EQ(T001Work.HueThreshold2, 12);
  EXPECT_EQ(T001Work.HueShift, 13);
  EXPECT_EQ(T001Work.Seed, 20);
  EXPECT_EQ(HSHFWork.Shift, 13);

  std::vector<std::string> texts;
  for (const auto& t : bar.Painted())
    if (t.Panel == 1) texts.push_back(t.Text);
  const std::vector<std::string> expected = {
      "(2) Swimming Pool",          "(2)  Swimming Pool [phase 1]", "(2)  Swimming Pool [phase 2]",
      "(2)  Swimming Pool [phase 3]", "(2)  Swimming Pool [phase 4]", "(2)  Swimming Pool [phase 5]",
      "(2)  Swimming Pool [phase 6]", "(2) Red Swimming Pool [phase 7]"};
  EXPECT_EQ(texts, expected);
}

TEST_F(RedSwimmingPool, BlendsOntoTheUnchangedEarlierTexture) {
  // Position 2 blends in HSL with "Result Layer" on every channel: the
  // texture of position 1 (computed in HSL) must come out exactly as it was.
  CreateInstance(T001_Type);
  const int second = CreateInstance(T001_Type);
  ModuleParams[1].ParamValue[10] = 3;
  for (int c = 1; c <= 3; ++c) ModuleParams[second].BlendFunction[c] = 0;
  ModuleParams[second].BlendSpace = 1;
  CurrentInstance = 1;
  ComputeChain();
  const auto firstOnly = Snapshot(ResultLayer);
  CurrentInstance = second;
  ComputeChain();
  EXPECT_EQ(Snapshot(ResultLayer), firstOnly);
}

TEST_F(RedSwimmingPool, TopThresholdsLeaveOnlyTheStretches) {
  const int i = CreateInstance(T001_Type);
  auto& p = ModuleParams[i].ParamValue;
  p[5] = p[7] = p[8] = 255;
  p[1] = p[2] = 359;
  p[3] = 0;
  ComputeChain();
  // Every stretched channel spans its full range.
  for (int c = 1; c <= 3; ++c) {
    int lo = 1000, hi = -1;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        lo = std::min<int>(lo, Pixel(CurrentLayer, SpaceHSL, c, x, y));
        hi = std::max<int>(hi, Pixel(CurrentLayer, SpaceHSL, c, x, y));
      }
    EXPECT_EQ(lo, 0) << "channel " << c;
    EXPECT_EQ(hi, c == 1 ? 359 : 255) << "channel " << c;
  }
}

void Explode() { throw std::runtime_error("phase failed"); }
void PaintCurrentRed() {
  FillLayer(CurrentLayer, SpaceRGB, 255, 0, 0);
  SyncCurrentColorSpace(SpaceRGB);
}

TEST_F(RedSwimmingPool, PhaseChainGivesTheResultLayerBackEvenWhenAPhaseFails) {
  RunningInstance = 1;
  Scribble(ResultLayer);
  const auto before = Snapshot(ResultLayer);
  std::vector<Phase> phases = {{nullptr, PaintCurrentRed, {}, AfterPhase::Copy, {}, ""},
                               {nullptr, Explode, {}, AfterPhase::Nothing, {}, ""}};
  EXPECT_THROW(RunPhaseChain(T001_Type, phases), std::runtime_error);
  EXPECT_EQ(Snapshot(ResultLayer), before);
}

TEST_F(RedSwimmingPool, PhaseChainSeedsComposesAndHandsOver) {
  RunningInstance = 1;
  Scribble(ResultLayer);
  const auto before = Snapshot(ResultLayer);
  // Phase 1 paints red and becomes the work image; phase 2 paints red again
  // and composes with "Subtract Result - Current": the work image turns black.
  std::vector<Phase> phases = {
      {nullptr, PaintCurrentRed, 41, AfterPhase::Copy, {}, ""},
      {nullptr, PaintCurrentRed, {}, AfterPhase::Compose, ComposeWith(0, 1.0, 1.0, 4, 4, 4, 0, 0), ""}};
  RunPhaseChain(T001_Type, phases);
  EXPECT_EQ(RandomSeed, 41);
  EXPECT_EQ(BlendParams.Function[0], 4);
  EXPECT_EQ(Snapshot(ResultLayer), before);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, c, 5, 7), 0);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, ImageWidth, ImageHeight), 0);
}

}  // namespace
