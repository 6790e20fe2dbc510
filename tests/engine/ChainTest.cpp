// Instances and the chain computation, with tiny module types registered
// straight into the per-type tables (ResetEngine clears them again).
#include <string>
#include <vector>

#include "EngineTest.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/UserInterface.h"

namespace quillon::test {
namespace {

constexpr int32_t Painter = 121;   // generator: fills the current layer with its parameters 1..3
constexpr int32_t Darkener = 122;  // modifier: subtracts parameter 1 from the result layer's RGB

std::vector<std::string> Calls;

void PainterDefaults(int instance) {
  Calls.push_back("defaults " + std::to_string(instance));
  ClearValues(instance);
  ModuleParams[instance].ParamValue[1] = 11;
  ModuleParams[instance].ParamValue[2] = 22;
  ModuleParams[instance].ParamValue[3] = 33;
  ModuleParams[instance].ParamColor[5] = 0xABCDEF;
}
void PainterRanges(int instance) {
  Calls.push_back("ranges " + std::to_string(instance));
  ClearRanges(instance);
  SetParamRange(instance, 1, 0, 255);
  SetParamRange(instance, 33, -5, 5);
}
void PainterExecute() {
  Calls.push_back("execute " + std::to_string(RunningInstance));
  const T_Prm_Module_Synthe& m = ModuleParams[RunningInstance];
  FillLayer(CurrentLayer, SpaceRGB, m.ParamValue[1], m.ParamValue[2], m.ParamValue[3]);
  SyncCurrentColorSpace(SpaceRGB);
  // Whatever a module leaves in the blend record must not survive.
  BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = 0;
  BlendParams.ResultWeight = BlendParams.CurrentWeight = 0.25;
  BlendParams.ApplyTransparency = 1;
  BlendParams.TransparencyColor = PackRGB(m.ParamValue[1], m.ParamValue[2], m.ParamValue[3]);
}
void DarkenerExecute() {
  Calls.push_back("modify " + std::to_string(RunningInstance));
  const int32_t d = ModuleParams[RunningInstance].ParamValue[1];
  for (int c = 1; c <= 3; ++c)
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) AddToPixel(ResultLayer, SpaceRGB, c, x, y, -d);
  SyncColorSpace(SpaceRGB);
}

class ChainTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Calls.clear();
    TypeDefaultsProc[Painter] = PainterDefaults;
    TypeRangesProc[Painter] = PainterRanges;
    TypeExecuteProc[Painter] = PainterExecute;
    TypeGenerator[Painter] = 1;
    TypeName[Painter] = "Painter";
    TypeExecuteProc[Darkener] = DarkenerExecute;
    TypeGenerator[Darkener] = 0;
    ImageWidth = 4;
    ImageHeight = 3;
  }
  int Add(int32_t type, int r, int g, int b) {
    const int i = CreateInstance(type);
    ModuleParams[i].ParamValue[1] = r;
    ModuleParams[i].ParamValue[2] = g;
    ModuleParams[i].ParamValue[3] = b;
    return i;
  }
  // The chain computed; Calls then lists what ran.
  static void Compute() {
    Calls.clear();
    ComputeChain();
  }
  Sample Result(int channel) { return Pixel(ResultLayer, SpaceRGB, channel, 2, 2); }
};

TEST_F(ChainTest, CreateInstanceAppendsWithCommonThenTypeDefaultsAndSelects) {
  // A slot that held an earlier instance.
  ModuleParams[1].ParamValue[7] = 99;
  ModuleParams[1].ApplyTransparency = 1;
  ModuleParams[1].BlendSpace = 1;
  EXPECT_EQ(CreateInstance(Painter), 1);
  const T_Prm_Module_Synthe& m = ModuleParams[1];
  EXPECT_EQ(m.ModuleType, Painter);
  EXPECT_EQ(m.Active, 1);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(m.BlendFunction[c], 2);  // "Add"
  EXPECT_EQ(m.BlendSpace, 0);
  EXPECT_EQ(m.ResultWeight, 100);
  EXPECT_EQ(m.CurrentWeight, 100);
  EXPECT_EQ(m.ParamValue[1], 11);
  EXPECT_EQ(m.ParamValue[7], 0);
  EXPECT_EQ(m.ParamColor[5], 0xABCDEF);
  EXPECT_EQ(m.ParamMin[1], 0);
  EXPECT_EQ(m.ParamMax[1], 255);
  EXPECT_EQ(m.ParamMin[33], -5);
  EXPECT_EQ(m.ParamMax[33], 5);
  EXPECT_EQ(CurrentInstance, 1);
  EXPECT_EQ(NextInstance, 2);
  EXPECT_EQ(TextureDirty, 1);
  EXPECT_EQ(CreateInstance(Darkener), 2);  // a type without defaults or ranges procedures
  EXPECT_EQ(ModuleParams[2].ModuleType, Darkener);
  EXPECT_EQ(CurrentInstance, 2);
  EXPECT_EQ(NextInstance, 3);
  EXPECT_EQ(Calls, (std::vector<std::string>{"defaults 1", "ranges 1"}));
  EXPECT_TRUE(HeadlessMessages().empty());
}

TEST_F(ChainTest, AtMost199InstancesThenTooMuchModules) {
  for (int k = 1; k <= MaxInstances; ++k) ASSERT_EQ(CreateInstance(Painter), k);
  EXPECT_TRUE(HeadlessMessages().empty());
  Calls.clear();
  TextureDirty = 0;
  CurrentInstance = 5;
  const T_Prm_Module_Synthe scratch = ModuleParams[MaxInstances + 1];
  EXPECT_EQ(CreateInstance(Painter), 0);
  ASSERT_EQ(HeadlessMessages().size(), 1u);
  EXPECT_EQ(HeadlessMessages()[0], "Too much modules ...");
  // Nothing changes: no instance, no selection, no procedure, not dirty.
  EXPECT_EQ(NextInstance, MaxInstances + 1);
  EXPECT_EQ(CurrentInstance, 5);
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_TRUE(Calls.empty());
  EXPECT_EQ(ModuleParams[MaxInstances + 1].ModuleType, scratch.ModuleType);
  EXPECT_EQ(ModuleParams[MaxInstances + 1].Active, scratch.Active);
}

TEST_F(ChainTest, UnregisteredTypeIsRefused) {
  EXPECT_EQ(CreateInstance(120), 0);
  EXPECT_EQ(CreateInstance(0), 0);
  EXPECT_EQ(CreateInstance(MaxModuleTypes + 1), 0);
  EXPECT_EQ(CreateInstance(-1), 0);
  EXPECT_EQ(HeadlessMessages().size(), 4u);
  EXPECT_EQ(NextInstance, 1);
  EXPECT_EQ(CurrentInstance, 0);
  EXPECT_EQ(TextureDirty, 0);
}

TEST_F(ChainTest, ClearValuesRangesAndSetParamRange) {
  const int i = CreateInstance(Painter);
  ModuleParams[i].ParamString[4] = "kept";
  ModuleParams[i].BlendFunction[2] = 7;
  for (int k = 1; k <= 33; ++k) ModuleParams[i].ParamValue[k] = k;
  for (int k = 1; k <= 5; ++k) ModuleParams[i].ParamColor[k] = k;
  ClearValues(i);
  for (int k = 1; k <= 33; ++k) EXPECT_EQ(ModuleParams[i].ParamValue[k], 0);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(ModuleParams[i].ParamColor[k], 0);
  EXPECT_EQ(ModuleParams[i].ParamMax[1], 255);  // ranges stay
  ClearRanges(i);
  for (int k = 1; k <= 33; ++k) {
    EXPECT_EQ(ModuleParams[i].ParamMin[k], 0);
    EXPECT_EQ(ModuleParams[i].ParamMax[k], 0);
  }
  SetParamRange(i, 2, 300, -300);  // no check
  EXPECT_EQ(ModuleParams[i].ParamMin[2], 300);
  EXPECT_EQ(ModuleParams[i].ParamMax[2], -300);
  EXPECT_EQ(ModuleParams[i].ParamString[4], "kept");
  EXPECT_EQ(ModuleParams[i].BlendFunction[2], 7);
}

TEST_F(ChainTest, FirstGeneratorIsCopiedAndLaterOnesBlended) {
  const int first = Add(Painter, 10, 20, 30);
  ModuleParams[first].BlendFunction[1] = 0;  // would keep the result if it were blended
  const int second = Add(Painter, 1, 2, 3);  // Add
  Compute();
  EXPECT_EQ(Calls, (std::vector<std::string>{"execute 1", "execute 2"}));
  EXPECT_EQ(Result(1), 11);
  EXPECT_EQ(Result(2), 22);
  EXPECT_EQ(Result(3), 33);
  // The HSL space of the result follows the blend.
  int32_t h, s, l;
  RGBToHSL(11, 22, 33, h, s, l);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 4, 3), h);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 4, 3), s);
  // The blend record holds the last instance's fields, not what its module left.
  EXPECT_EQ(BlendParams.Function[0], 2);
  EXPECT_EQ(BlendParams.ResultWeight, 1.0);
  EXPECT_EQ(BlendParams.CurrentWeight, 1.0);
  EXPECT_EQ(BlendParams.ApplyTransparency, 0);
  EXPECT_EQ(BlendFlag, 1);
  EXPECT_EQ(RunningInstance, second);
}

TEST_F(ChainTest, PositionTwoBlendsEvenWhenPositionOneIsInactive) {
  FillLayer(ResultLayer, SpaceRGB, 100, 100, 100);
  const int first = Add(Painter, 10, 20, 30);
  ModuleParams[first].Active = 0;
  const int second = Add(Painter, 1, 2, 3);
  ModuleParams[second].BlendFunction[1] = 0;  // "Result Layer"
  ModuleParams[second].BlendFunction[2] = 4;  // "Subtract Result - Current"
  ModuleParams[second].BlendFunction[3] = 2;  // "Add"
  Compute();
  EXPECT_EQ(Calls, (std::vector<std::string>{"execute 2"}));
  // The result layer was not cleared first, and position 2 blends into it.
  EXPECT_EQ(Result(1), 100);
  EXPECT_EQ(Result(2), 98);
  EXPECT_EQ(Result(3), 103);
}

TEST_F(ChainTest, BlendUsesTheInstancesSpaceWeightsAndTransparency) {
  Add(Painter, 100, 100, 100);
  const int second = Add(Painter, 40, 40, 41);
  T_Prm_Module_Synthe& m = ModuleParams[second];
  m.ResultWeight = 50;   // 0.5
  m.CurrentWeight = 150; // 1.5
  m.TransparencyColor = PackRGB(40, 40, 40);
  m.ApplyTransparency = 1;  // not this colour: blended
  Compute();
  EXPECT_EQ(Result(1), 110);  // 50 + 60
  EXPECT_EQ(Result(3), 112);  // 50 + 61.5 = 111.5 -> 112
  EXPECT_EQ(BlendParams.ResultWeight, 0.5);
  EXPECT_EQ(BlendParams.CurrentWeight, 1.5);
  EXPECT_EQ(BlendParams.TransparencyColor, PackRGB(40, 40, 40));
  EXPECT_EQ(BlendParams.ApplyTransparency, 1);
  // Now the transparency colour is the current layer's: nothing changes.
  m.TransparencyColor = PackRGB(40, 40, 41);
  FillLayer(ResultLayer, SpaceRGB, 0, 0, 0);
  CurrentInstance = second;
  Compute();
  EXPECT_EQ(Result(1), 100);  // the copy of position 1 only
  // In HSL the blend runs on H, S, L and RGB is recomputed from it.
  m.ApplyTransparency = 0;
  m.BlendSpace = 1;
  m.ResultWeight = m.CurrentWeight = 100;
  m.BlendFunction[1] = m.BlendFunction[2] = 1;  // hue and saturation of the current layer
  m.BlendFunction[3] = 0;                         // lightness of the result
  ModuleParams[1].ParamValue[1] = 200;           // position 1: (200, 100, 100)
  Compute();
  int32_t h, s, l, r, g, b;
  RGBToHSL(40, 40, 41, h, s, l);
  int32_t h1, s1, l1;
  RGBToHSL(200, 100, 100, h1, s1, l1);
  HSLToRGB(h, s, l1, r, g, b);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 2, 2), h);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 2, 2), l1);
  EXPECT_EQ(Result(1), r);
  EXPECT_EQ(Result(2), g);
  EXPECT_EQ(Result(3), b);
}

TEST_F(ChainTest, ModifiersChangeTheResultInPlaceAndTheChainStopsAtTheSelection) {
  FillLayer(ResultLayer, SpaceRGB, 50, 60, 70);
  const int dark = CreateInstance(Darkener);
  ModuleParams[dark].ParamValue[1] = 5;
  const int paint = Add(Painter, 1, 1, 1);
  const int dark2 = CreateInstance(Darkener);
  ModuleParams[dark2].ParamValue[1] = 40;
  CurrentInstance = paint;  // the last darkener is after the selection
  Compute();
  EXPECT_EQ(Calls, (std::vector<std::string>{"modify 1", "execute 2"}));
  EXPECT_EQ(Result(1), 46);  // 50 - 5, then + 1
  EXPECT_EQ(Result(3), 66);
  CurrentInstance = dark2;
  FillLayer(ResultLayer, SpaceRGB, 50, 60, 70);
  Compute();
  EXPECT_EQ(Calls, (std::vector<std::string>{"modify 1", "execute 2", "modify 3"}));
  EXPECT_EQ(Result(1), 6);
  EXPECT_EQ(BlendFlag, 0);  // a modifier was last
  // No selection: nothing runs.
  CurrentInstance = 0;
  Compute();
  EXPECT_TRUE(Calls.empty());
}

TEST_F(ChainTest, InstancesOfUnknownTypesAreLeftOut) {
  Add(Painter, 10, 10, 10);
  const int odd = Add(Painter, 1, 1, 1);
  ModuleParams[odd].ModuleType = 4000;  // e.g. from a damaged preset
  Compute();
  EXPECT_EQ(Calls, (std::vector<std::string>{"execute 1"}));
  EXPECT_EQ(Result(1), 10);
}

TEST_F(ChainTest, ResetEngineGivesTheStartUpState) {
  Add(Painter, 1, 2, 3);
  ImageWidth = 1000;
  LanguageFlag = 2;
  TextureName = "Bark";
  NeighbourList[3] = {5, 6};
  ColorWalker[2].Step = 9;
  BlendFlag = 1;
  BlendParams.BlendSpace = 1;
  ImageStore().BlendMask.at(1, 1) = 50;
  TypeNormalGlyphs[Painter] = 0;
  ResetEngine();
  EXPECT_EQ(NextInstance, 1);
  EXPECT_EQ(CurrentInstance, 0);
  EXPECT_EQ(ModuleParams[1].ModuleType, 0);
  EXPECT_EQ(TypeExecuteProc[Painter], nullptr);
  EXPECT_EQ(ImageWidth, 256);
  EXPECT_EQ(ImageHeight, 256);
  EXPECT_EQ(LanguageFlag, 1);
  EXPECT_EQ(TextureName, "No Name");
  EXPECT_EQ(TextureDirty, 0);
  EXPECT_EQ(NeighbourList[3].X, 0);
  EXPECT_EQ(ColorWalker[2].Step, 0);
  EXPECT_EQ(BlendFlag, 0);
  EXPECT_EQ(BlendParams.BlendSpace, 0);
  EXPECT_EQ(ImageStore().BlendMask.at(1, 1), 0);
  EXPECT_EQ(TypeNormalGlyphs[Painter], 1);
}

}  // namespace
}  // namespace quillon::test
