// The work bound: which stored values are refused before a render, which
// parameter a refusal names and the farthest value it says is computed.
#include <optional>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/UserInterface.h"
#include "engine/WorkBound.h"

namespace quillon::test {
namespace {

constexpr int32_t Worker = 120;  // p1 0..10 and p2 -5..5 set the work; p3 0..100 does not

int Executed = 0;

// (1 + p1) * (1 + |p2|) units a pixel, p1 counted from 0: the slowest
// setting (10, 5) costs 66 a pixel, so 8 * 66 = 528 a pixel is computed.
double WorkerCount(const ParamValues& p, int W, int H) {
  const double p1 = p[1] < 0 ? 0 : p[1], p2 = p[2] < 0 ? -static_cast<double>(p[2]) : p[2];
  return (1 + p1) * (1 + p2) * W * H;
}
const TWorkBound WorkerBound{WorkerCount, {{1, 10}, {2, 5}}};

void WorkerRanges(int instance) {
  ClearRanges(instance);
  SetParamRange(instance, 1, 0, 10);
  SetParamRange(instance, 2, -5, 5);
  SetParamRange(instance, 3, 0, 100);
}
void WorkerExecute() {
  ++Executed;
  FillLayer(CurrentLayer, SpaceRGB, 200, 100, 50);
  SyncCurrentColorSpace(SpaceRGB);
}

class WorkBoundTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Executed = 0;
    StoreTypeProcs(Worker, ClearValues, WorkerRanges, WorkerExecute);
    StoreTypeNames(Worker, "Worker", "W001", 1, nullptr);
    StoreTypeWorkBound(Worker, &WorkerBound);
    ImageWidth = 130;
    ImageHeight = 140;
  }
  int Add(int32_t p1, int32_t p2, int32_t p3) {
    const int i = CreateInstance(Worker);
    ModuleParams[i].ParamValue[1] = p1;
    ModuleParams[i].ParamValue[2] = p2;
    ModuleParams[i].ParamValue[3] = p3;
    return i;
  }
};

TEST_F(WorkBoundTest, RefusesBeyondTheBoundAndNamesTheFarthestValueComputed) {
  struct Row {
    int32_t p1, p2, p3;
    int Param;  // 0: computed
    int32_t Limit;
  };
  const Row rows[] = {
      {10, 5, 100, 0, 0},             // the slowest setting
      {0, -5, 0, 0, 0},               // another corner
      {10, 5, 2147483647, 0, 0},      // out of range, but no work
      {87, 5, 0, 0, 0},               // 88 * 6 = 528: just computed
      {88, 5, 0, 1, 87},              // one more
      {2147483647, 0, 0, 1, 527},     // the largest is found with p2 as stored
      {-2147483647 - 1, 0, 0, 0, 0},  // below the range, less work
      {0, -1000000, 0, 2, -527},      // below the range: the smallest
      // Neither alone: p1 is taken at 10, then p2 is named (11 * 48 = 528).
      {1000000, 1000000, 0, 2, 47},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.p1) + ", " + std::to_string(r.p2));
    const int i = Add(r.p1, r.p2, r.p3);
    const std::optional<WorkRefusal> refusal = CheckWork(i);
    ASSERT_EQ(refusal.has_value(), r.Param != 0);
    if (!refusal) continue;
    EXPECT_EQ(refusal->Param, r.Param);
    EXPECT_EQ(refusal->Limit, r.Limit);
    // At the named limit this parameter is no longer the one refused.
    ModuleParams[i].ParamValue[r.Param] = r.Limit;
    const std::optional<WorkRefusal> again = CheckWork(i);
    EXPECT_TRUE(!again || again->Param != r.Param);
  }
}

TEST_F(WorkBoundTest, TheBoundScalesWithThePictureSize) {
  ImageWidth = ImageHeight = 1024;
  EXPECT_FALSE(CheckWork(Add(87, 5, 0)).has_value());
  EXPECT_EQ(WorkLimit(Worker, 1024, 1024), 8 * 66.0 * 1024 * 1024);
}

TEST_F(WorkBoundTest, TheRefusalTextNamesInstanceParameterValueAndLimit) {
  Add(1, 1, 1);
  const int i = Add(2147483647, 0, 0);
  const WorkRefusal r = *CheckWork(i);
  UserInterfaceHooks ui;
  ui.ParamCaption = [](int Type, int Param) { return Type == Worker && Param == 1 ? "Density" : ""; };
  const UserInterfaceHooks saved = SetUserInterface(ui);
  EXPECT_EQ(WorkRefusalText(r),
            "(2) Worker: parameter 1 (Density) = 2147483647 is too much work at 130 x 140; the largest value "
            "computed at this size is 527");
  ModuleParams[i].ParamValue[1] = 0;
  ModuleParams[i].ParamValue[2] = -900;
  EXPECT_EQ(WorkRefusalText(*CheckWork(i)),
            "(2) Worker: parameter 2 = -900 is too much work at 130 x 140; the smallest value computed at this "
            "size is -527");
  SetUserInterface(saved);
}

TEST_F(WorkBoundTest, TheChainShowsTheRefusalLeavesARefusedModuleBlackAndGoesOn) {
  Add(2147483647, 0, 0);
  ComputeChain();
  EXPECT_EQ(Executed, 0);
  ASSERT_EQ(HeadlessMessages().size(), 1u);
  EXPECT_NE(HeadlessMessages()[0].find("(1) Worker: parameter 1"), std::string::npos);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, c, 7, 9), 0);

  // The module after it is computed and blended in as usual.
  Add(1, 1, 1);
  ClearHeadlessMessages();
  ComputeChain();
  EXPECT_EQ(Executed, 1);
  EXPECT_EQ(HeadlessMessages().size(), 1u);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 7, 9), 200);
}

TEST(MeanHeld, IsTheMeanOfADrawHeldInsideZeroToTop) {
  struct Row {
    double A, B, Top, Mean;
  };
  const Row rows[] = {
      {3, 11, 100, 7},                   // inside: the middle
      {11, 3, 100, 7},                   // either order
      {5, 5, 100, 5},                    // one value
      {500, 500, 100, 100},              // one value beyond the top
      {-5, -5, 100, 0},                  // one value below 0
      {-10, 10, 100, 2.5},               // half of it held at 0
      {0, 200, 100, 75},                 // half of it held at the top
      {-100, 300, 100, (50 * 100 + 200 * 100) / 400.0},
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(MeanHeld(r.A, r.B, r.Top), r.Mean) << r.A << ".." << r.B;
  // A range out to the 32-bit ends comes close to the top without passing it.
  const double wide = MeanHeld(3, 2147483647.0, 1024);
  EXPECT_LT(wide, 1024);
  EXPECT_GT(wide, 1023.99);
}

}  // namespace
}  // namespace quillon::test
