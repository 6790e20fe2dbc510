// Suites every registered module type joins by registering: determinism,
// samples in range with both colour spaces consistent, the result layer given
// back by the execute procedure, the copy at chain position 1, and a fuzz of
// extreme and random parameter values that must finish without a sanitizer
// report.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "engine/Startup.h"

using namespace quillon;

namespace {

constexpr int Side = 128;

std::vector<int> RegisteredTypes() {
  std::vector<int> types;
  for (int t = 1; t <= MaxModuleTypes; ++t)
    if (RegisteredType(t)) types.push_back(t);
  return types;
}

// Fills both layers (both spaces) with a pattern that depends on Salt, so a
// module that read leftovers would give a different picture.
void ScrambleLayers(uint32_t Salt) {
  for (int layer = 1; layer <= 2; ++layer)
    for (int space = 1; space <= 2; ++space)
      for (int c = 1; c <= 3; ++c) {
        Plane& p = LayerPlane(layer, space, c);
        for (int x = 1; x <= ImageWidth; ++x)
          for (int y = 1; y <= ImageHeight; ++y)
            p.at(x, y) = static_cast<Sample>((x * 7 + y * 13 + c * 31 + layer * 3 + Salt * 101) % 256);
      }
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) ImageStore().BlendMask.at(x, y) = static_cast<Sample>((x + y + Salt) % 101);
}

std::vector<Sample> Snapshot(int layer) {
  std::vector<Sample> v;
  v.reserve(static_cast<size_t>(ImageWidth) * ImageHeight * 6);
  for (int space = 1; space <= 2; ++space)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) v.push_back(LayerPlane(layer, space, c).at(x, y));
  return v;
}

// Every sample of the layer in range and the HSL space the conversion of RGB.
void ExpectConsistent(int layer, int type) {
  int bad = 0;
  for (int x = 1; x <= ImageWidth && bad < 3; ++x)
    for (int y = 1; y <= ImageHeight && bad < 3; ++y) {
      int32_t r = Pixel(layer, SpaceRGB, 1, x, y), g = Pixel(layer, SpaceRGB, 2, x, y),
              b = Pixel(layer, SpaceRGB, 3, x, y);
      int32_t h = Pixel(layer, SpaceHSL, 1, x, y), s = Pixel(layer, SpaceHSL, 2, x, y),
              l = Pixel(layer, SpaceHSL, 3, x, y);
      bool inRange = r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255 && h >= 0 && h <= 359 &&
                     s >= 0 && s <= 255 && l >= 0 && l <= 255;
      int32_t h2, s2, l2;
      RGBToHSL(r, g, b, h2, s2, l2);
      int32_t r2, g2, b2;
      HSLToRGB(h, s, l, r2, g2, b2);
      // Either space may be the one computed from the other.
      bool consistent = (h == h2 && s == s2 && l == l2) || (r == r2 && g == g2 && b == b2);
      if (!inRange || !consistent) {
        ++bad;
        ADD_FAILURE() << TypeName[type] << " at (" << x << ", " << y << "): RGB " << r << "," << g << "," << b
                      << " HSL " << h << "," << s << "," << l;
      }
    }
}

// Parameters whose value sets the amount of work; the fuzz keeps them small
// so the suite stays quick (their own tests cover the large values).
const std::map<int, std::vector<int>>& CostParameters() {
  static const std::map<int, std::vector<int>> cost = {
      {30, {5, 6}}, {33, {3}},
      {67, {7}}, {68, {7}}, {69, {7}}, {70, {7}}, {71, {7}}, {72, {7}},
      {50, {6}},  // Bark: the number of second twigs grows with the variant
      {92, {7}}, {93, {7}}, {94, {7}}, {95, {7}},
      {105, {1}},  // blobs added to the base count
  };
  return cost;
}

// Keeps the work-sizing parameters of an instance at 1 or below.
void LimitCost(int type, int i) {
  auto cost = CostParameters().find(type);
  if (cost == CostParameters().end()) return;
  for (int k : cost->second) ModuleParams[i].ParamValue[k] = std::min(ModuleParams[i].ParamValue[k], 1);
}

class ModuleSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine();
    ImageWidth = Side;
    ImageHeight = Side;
  }
  void TearDown() override { ResetEngine(); }

  // Runs the type's execute procedure as the chain would for instance i.
  void Execute(int i) {
    RunningInstance = i;
    TypeExecuteProc[ModuleParams[i].ModuleType]();
  }
};

TEST_F(ModuleSuite, EveryTypeIsDeterministicConsistentAndGivesTheResultLayerBack) {
  if (RegisteredTypes().empty()) GTEST_SKIP() << "no module type registered";
  for (int type : RegisteredTypes()) {
    SCOPED_TRACE(TypeName[type]);
    NextInstance = 1;
    const int i = CreateInstance(type);
    ASSERT_EQ(i, 1);
    EXPECT_EQ(TypeGenerator[type], 1);
    LimitCost(type, i);

    ScrambleLayers(1);
    RandomSeed = 12345;
    const auto resultBefore = Snapshot(ResultLayer);
    Execute(i);
    EXPECT_EQ(Snapshot(ResultLayer), resultBefore) << "the execute procedure must give the result layer back";
    ExpectConsistent(CurrentLayer, type);
    const auto first = Snapshot(CurrentLayer);

    // Other leftovers in the layers, another random state, and the chain at
    // position 1 with unusual blend settings: the output is copied unchanged.
    ScrambleLayers(2);
    RandomSeed = 777;
    InitRandom(RandomSeed);
    ModuleParams[i].BlendFunction[1] = 9;
    ModuleParams[i].BlendFunction[2] = 19;
    ModuleParams[i].BlendSpace = 1;
    ModuleParams[i].ResultWeight = 30;
    ModuleParams[i].CurrentWeight = 40;
    ComputeChain();
    EXPECT_EQ(Snapshot(CurrentLayer), first) << "equal parameters must give equal pictures";
    EXPECT_EQ(Snapshot(ResultLayer), first) << "at position 1 the output becomes the result layer";
  }
}

TEST_F(ModuleSuite, EveryTypeSurvivesExtremeAndRandomParameters) {
  const int32_t extremes[] = {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), -1, 0, 1};
  int32_t state = 2024;
  for (int type : RegisteredTypes()) {
    SCOPED_TRACE(TypeName[type]);
    // valueOf(m, k): the value of parameter k (colour k as well) given the
    // fresh instance m with its defaults and ranges.
    auto run = [&](auto valueOf) {
      NextInstance = 1;
      const int i = CreateInstance(type);
      T_Prm_Module_Synthe& m = ModuleParams[i];
      for (int k = 1; k <= ParamCount; ++k) m.ParamValue[k] = valueOf(m, k);
      for (int k = 1; k <= ColorParamCount; ++k) m.ParamColor[k] = valueOf(m, k);
      LimitCost(type, i);
      ComputeChain();
    };
    for (int32_t e : extremes) run([&](const T_Prm_Module_Synthe&, int) { return e; });
    run([](const T_Prm_Module_Synthe& m, int k) { return m.ParamMin[k]; });
    run([](const T_Prm_Module_Synthe& m, int k) { return m.ParamMax[k]; });
    run([](const T_Prm_Module_Synthe& m, int k) { return static_cast<int32_t>(static_cast<int64_t>(m.ParamMax[k]) + 1); });
    for (int n = 0; n < 3; ++n)
      run([&](const T_Prm_Module_Synthe&, int) { return RandomInt(state, -2000000000, 2000000000); });
    for (int n = 0; n < 3; ++n) run([&](const T_Prm_Module_Synthe&, int) { return RandomInt(state, -3, 400); });
  }
}

}  // namespace
