// The work of the chaotic functions: which stored values are computed and
// which are refused before the orbit starts.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/FixedTrig.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "engine/WorkBound.h"
#include "modules/chaotic/ChaosModules.h"

using namespace quillon;

namespace {

constexpr int32_t Min32 = std::numeric_limits<int32_t>::min();
constexpr int32_t Max32 = std::numeric_limits<int32_t>::max();
const int32_t OneModifier[] = {92, 93, 94, 95};
const int32_t TwoModifiers[] = {67, 68, 69, 70, 71, 72};

// The steps whose phase, grown as the orbit grows it, may put a phase
// argument x + t (|x| <= 1) into the sine's careful range.
int64_t PhaseStepsAtTheCarefulRange(int32_t Variant, int64_t Iterations) {
  const double step = ChaosScale(Variant);
  double t = 1.0;
  int64_t n = 0;
  for (int64_t i = 0; i < Iterations; ++i, t += step)
    if (std::fabs(t) + 1 >= trig::FastLimit) ++n;
  return n;
}

TEST(ChaosWork, CarefulPhaseStepsCoverTheOrbitsOwnAndLittleMore) {
  const struct {
    int32_t Variant;
    int64_t Iterations;
  } cases[] = {
      {1, 1000},          {200, 1000},          {0, 1000},          {3000, 9000000},  {-3000, 9000000},
      {1000000, 100000},  {-1000000, 100000},   {Max32, 100},       {Min32, 100},     {Max32, 0},
      {-1, 1000},         {270, 100000000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "Variant " << c.Variant << ", " << c.Iterations << " steps");
    const int64_t actual = PhaseStepsAtTheCarefulRange(c.Variant, c.Iterations);
    const double counted = ChaosCarefulPhaseSteps(c.Variant, c.Iterations);
    EXPECT_GE(counted, actual);
    // The margin on the phase is 64, so many steps' growth.
    EXPECT_LE(counted, actual + 1 + 64 / std::fabs(ChaosScale(c.Variant)));
    EXPECT_LE(counted, static_cast<double>(c.Iterations));
  }
  // The largest step inside the range never gets there in 10^8 steps.
  EXPECT_EQ(ChaosCarefulPhaseSteps(200, ChaosIterations(10000)), 0);
  EXPECT_EQ(ChaosCarefulPhaseSteps(-200, ChaosIterations(10000)), 0);
}

class ChaosBound : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngine(); }
  void TearDown() override { ResetEngine(); }
  int Add(int32_t Type, std::initializer_list<std::pair<int, int32_t>> Changes) {
    NextInstance = 1;
    const int i = CreateInstance(Type);
    for (auto [k, v] : Changes) ModuleParams[i].ParamValue[k] = v;
    return i;
  }
};

// With the most steps, a phase step far beyond its range is refused, at
// the same farthest value on either side; a phase step of any size is
// computed with fewer steps, and "Details" beyond 10000 count as 10000.
TEST_F(ChaosBound, OneModifierRefusesALargePhaseStepOnlyWithManySteps) {
  const int sizes[][2] = {{128, 128}, {1024, 1024}, {200, 1024}};
  for (int32_t type : OneModifier)
    for (const auto& size : sizes) {
      SCOPED_TRACE(testing::Message() << TypeName[type] << " at " << size[0] << " x " << size[1]);
      ImageWidth = size[0];
      ImageHeight = size[1];
      auto refusal = CheckWork(Add(type, {{7, 10000}, {4, Max32}}));
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(refusal->Param, 4);
      EXPECT_GT(refusal->Limit, 200);
      const int32_t limit = refusal->Limit;

      refusal = CheckWork(Add(type, {{7, 10000}, {4, Min32}}));
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(refusal->Param, 4);
      EXPECT_EQ(refusal->Limit, -limit);

      refusal = CheckWork(Add(type, {{7, Max32}, {4, limit + 1}, {1, Min32}, {2, Max32}, {11, Min32}, {14, Max32}}));
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(refusal->Param, 4);
      EXPECT_EQ(refusal->Limit, limit);

      for (int32_t variant : {Max32, Min32}) {
        EXPECT_FALSE(CheckWork(Add(type, {{7, 4000}, {4, variant}})).has_value());
        EXPECT_FALSE(CheckWork(Add(type, {{7, Min32}, {4, variant}})).has_value());
      }
    }
}

// No value takes a two-modifier member's arguments to the careful range,
// and "Details" counts at most 10000: nothing is refused.
TEST_F(ChaosBound, TwoModifiersRefuseNothing) {
  ImageWidth = 1024;
  ImageHeight = 1024;
  for (int32_t type : TwoModifiers)
    for (int32_t extreme : {Max32, Min32}) {
      SCOPED_TRACE(testing::Message() << TypeName[type] << ", " << extreme);
      std::initializer_list<std::pair<int, int32_t>> all = {{1, extreme},  {2, extreme},  {4, extreme},
                                                            {5, extreme},  {7, Max32},    {8, extreme},
                                                            {10, extreme}, {11, extreme}, {12, extreme},
                                                            {13, extreme}, {14, extreme}};
      EXPECT_FALSE(CheckWork(Add(type, all)).has_value());
    }
}

}  // namespace
