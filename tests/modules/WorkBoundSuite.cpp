// Every module type with a work bound: no setting inside the ranges is
// refused at any picture size, and a refused value names a farthest value
// that is computed, with the next one refused again.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/Instances.h"
#include "engine/ImageStore.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "engine/WorkBound.h"

using namespace quillon;

namespace {

const int Sizes[][2] = {{128, 128}, {1024, 1024}, {128, 1024}, {1024, 200}, {333, 517}};

class WorkBoundSuite : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngine(); }
  void TearDown() override { ResetEngine(); }
};

TEST_F(WorkBoundSuite, NoSettingInsideTheRangesIsRefused) {
  int32_t state = 99;
  for (int type = 1; type <= MaxModuleTypes; ++type) {
    if (!RegisteredType(type) || TypeWorkBound[type] == nullptr) continue;
    SCOPED_TRACE(TypeName[type]);
    NextInstance = 1;
    const int i = CreateInstance(type);
    T_Prm_Module_Synthe& m = ModuleParams[i];
    const T_Prm_Module_Synthe fresh = m;
    for (const auto& size : Sizes) {
      ImageWidth = size[0];
      ImageHeight = size[1];
      // The range ends drawn at random, and values anywhere inside.
      for (int n = 0; n < 400; ++n) {
        for (int k = 1; k <= ParamCount; ++k) {
          const int32_t lo = fresh.ParamMin[k], hi = std::max(lo, fresh.ParamMax[k]);
          const int32_t pick = RandomInt(state, 0, 2);
          m.ParamValue[k] = pick == 0 ? lo : (pick == 1 ? hi : RandomInt(state, lo, hi));
        }
        ASSERT_FALSE(CheckWork(i).has_value()) << "at " << size[0] << " x " << size[1] << ", draw " << n;
      }
    }
  }
}

TEST_F(WorkBoundSuite, TheFarthestValueNamedIsComputedAndTheNextIsNot) {
  constexpr int32_t Extremes[] = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()};
  int refusals = 0;
  for (int type = 1; type <= MaxModuleTypes; ++type) {
    if (!RegisteredType(type) || TypeWorkBound[type] == nullptr) continue;
    SCOPED_TRACE(TypeName[type]);
    for (const auto& size : Sizes) {
      ImageWidth = size[0];
      ImageHeight = size[1];
      for (int k = 1; k <= ParamCount; ++k)
        for (int32_t extreme : Extremes) {
          NextInstance = 1;
          const int i = CreateInstance(type);
          int32_t& value = ModuleParams[i].ParamValue[k];
          value = extreme;
          const auto refusal = CheckWork(i);
          if (!refusal) continue;
          ++refusals;
          SCOPED_TRACE(testing::Message() << "p" << k << " = " << extreme);
          ASSERT_EQ(refusal->Param, k);
          value = refusal->Limit;
          EXPECT_FALSE(CheckWork(i).has_value());
          value = refusal->Limit + (extreme > 0 ? 1 : -1);
          const auto next = CheckWork(i);
          ASSERT_TRUE(next.has_value());
          EXPECT_EQ(next->Limit, refusal->Limit);
        }
    }
  }
  if (refusals == 0) GTEST_SKIP() << "no module refuses an extreme value";
}

}  // namespace
