// The work bounds of the composite textures: the settings that would keep a
// render busy for minutes are refused before anything runs, naming the
// parameter, while large values that finish soon are computed as stored.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "engine/WorkBound.h"

namespace quillon::test {
namespace {

constexpr int32_t Max32 = 2147483647;

class TextureWorkBound : public ::testing::Test {
 protected:
  void SetUp() override { ResetEngine(); }
  void TearDown() override { ResetEngine(); }
};

TEST_F(TextureWorkBound, LongRendersAreRefusedAndShortOnesComputed) {
  struct Row {
    const char* What;
    int32_t Type;
    int W, H;
    std::initializer_list<std::pair<int, int32_t>> Values;
    int Refused;  // the parameter named; 0: computed
  };
  const Row rows[] = {
      // p5 alone at 5000 does not bring the count within the bound: p6 is named.
      {"Neurone, both densities at the 32-bit end", 30, 512, 512, {{5, Max32}, {6, Max32}}, 6},
      {"Neurone, ten thousand times the density", 30, 512, 512, {{5, 50000000}}, 5},
      {"Neurone, ten times the density", 30, 512, 512, {{5, 50000}}, 0},
      {"Neurone, the slowest setting twice over", 30, 1024, 1024, {{1, 500}, {2, 500}, {3, 500}, {4, 500},
                                                                   {5, 10000}, {6, 5000}}, 0},
      // Rectangles as wide as the picture are drawn once a column.
      {"Neurone, the widest rectangles", 30, 1024, 1024, {{1, Max32}, {3, Max32}}, 0},
      {"Neurone, every rectangle the whole picture", 30, 1024, 1024,
       {{1, Max32}, {2, Max32}, {3, Max32}, {4, Max32}}, 1},
      {"Neurone, no rectangles at all", 30, 128, 128, {{5, -Max32}, {6, -1}}, 0},
      {"Microbes, the density at the 32-bit end", 33, 512, 512, {{3, Max32}}, 3},
      {"Microbes, ten times the largest density", 33, 1024, 1024, {{3, 230500}}, 0},
      {"Microbes, cells as large as the picture", 33, 256, 256, {{1, Max32}, {2, Max32}}, 1},
      {"Bark, a variant of 100000", 50, 512, 512, {{6, 100000}}, 6},
      {"Bark, a variant of 100", 50, 1024, 1024, {{6, 100}}, 0},
      {"Bark, no second twigs", 50, 128, 128, {{6, -Max32}}, 0},
      {"Lozenge Distortion, a blur of radius 100000", 56, 1024, 1024, {{13, 100000}}, 13},
      {"Lozenge Distortion, a blur of radius 10", 56, 1024, 1024, {{13, 10}}, 0},
      {"Lozenge Distortion, a blur of radius 11", 56, 128, 128, {{13, 11}}, 13},
      // Regions of one pixel each start afresh: a blur of radius 2 is
      // computed, one of radius 10 only with regions of the smallest size in
      // range, so the size is named.
      {"Lozenge Distortion, one-pixel regions", 56, 512, 512, {{11, -Max32 - 1}, {12, 0}, {13, 2}}, 0},
      {"Lozenge Distortion, one-pixel regions blurred", 56, 512, 512, {{11, 0}, {12, 0}, {13, 10}}, 11},
      // A mean grain size of 0 gives a grain for every pixel; a negative size
      // farther out gives fewer again but is refused with it.
      {"Corn, a mean grain size of 0", 57, 512, 512, {{1, -100}, {2, 10}}, 1},
      {"Corn, a negative size beyond", 57, 1024, 1024, {{1, -Max32 - 1}}, 1},
      {"Corn, a negative size without variation", 57, 1024, 1024, {{1, -100}, {2, 0}}, 0},
      {"Corn, grains larger than the picture", 57, 1024, 1024, {{1, Max32}}, 0},
      {"Corn, a negative variation of 100000", 57, 512, 512, {{2, -100000}}, 2},
      {"Corn, a variation of 100000", 57, 1024, 1024, {{2, 100000}}, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.What);
    ImageWidth = r.W;
    ImageHeight = r.H;
    NextInstance = 1;
    const int i = CreateInstance(r.Type);
    for (auto [k, v] : r.Values) ModuleParams[i].ParamValue[k] = v;
    const std::optional<WorkRefusal> refusal = CheckWork(i);
    EXPECT_EQ(refusal ? refusal->Param : 0, r.Refused);
  }
}

}  // namespace
}  // namespace quillon::test
