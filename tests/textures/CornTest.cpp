// "Corn": the grain sizes, count and hues derived from the parameters and
// the picture size, the hue clip at both ends, and grains too large for the
// picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "TextureTestSupport.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/generators/Blob.h"
#include "modules/textures/Fnc_T018.h"
#include "modules/textures/Prm_T018.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Lowest = std::numeric_limits<int32_t>::min();
constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

class Corn : public TextureTest<T018_Type> {
 protected:
  void SetUp() override {
    TextureTest::SetUp();
    UseSize(256, 256);
  }
  // Lowest and highest hue over the pixels that are not black.
  static void HueSpan(int32_t& lo, int32_t& hi) {
    lo = 1000, hi = -1;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y)
        if (Pixel(CurrentLayer, SpaceHSL, 3, x, y) > 0) {
          lo = std::min<int32_t>(lo, Pixel(CurrentLayer, SpaceHSL, 1, x, y));
          hi = std::max<int32_t>(hi, Pixel(CurrentLayer, SpaceHSL, 1, x, y));
        }
  }
};

TEST_F(Corn, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[57], "Corn");
  EXPECT_EQ(TypeCode[57], "T018");
  EXPECT_EQ(TypeForm[57], P_T018);
  ExpectDefaultsAndRanges({{1, 40, 30, 400},
                           {2, 5, 0, 10},
                           {3, 0, 0, 0},
                           {4, 40, 0, 359},
                           {5, 10, 0, 30},
                           {6, 0, 0, 0},
                           {7, 5, 0, 20},
                           {8, 5, 0, 20},
                           {9, 0, 0, 0},
                           {10, 1, 1, 1000},
                           {11, 0, 0, 0}});
}

TEST_F(Corn, DerivesSizesCountAndHuesForTheGrains) {
  const struct {
    int32_t p1, p2, p4, p5;
    int32_t Low, High, Count, HueLow, HueHigh;
  } cases[] = {
      {40, 5, 40, 10, 38, 42, 41, 30, 50},      // defaults: Round(65536 / 1600) = Round(40.96)
      {150, 7, 40, 10, 140, 160, 3, 30, 50},    // d = Round(10.5) = 10, not 11
      {350, 7, 40, 10, 326, 374, 1, 30, 50},    // d = Round(24.5) = 24
      {400, 0, 40, 10, 400, 400, 0, 30, 50},    // too large for the picture: no grain
      {30, 0, 5, 10, 30, 30, 73, 0, 15},        // hue clipped at 0, not wrapped to 355
      {30, 0, 355, 10, 30, 30, 73, 345, 359},   // hue clipped at 359
      {8, 50, 40, 0, 10, 18, 334, 40, 40},      // low below 10: 10 .. 10 + 2d
      {Highest, Highest, Highest, Highest, 10, Highest, 0, 0, 359},
      {Lowest, Lowest, Lowest, Lowest, 10, Highest, 0, 0, 0},
  };
  // Through the execute procedure: a render of the last row is refused
  // before anything is computed (a size of 30 with that spread is already
  // too much work), but its values are derived all the same.
  for (auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.p1) + ", " + std::to_string(c.p2));
    F_Synthe->StatusBar1.ClearPainted();
    NextInstance = 1;
    const int i = CreateInstance(T018_Type);
    for (auto [k, v] : {std::pair{1, c.p1}, {2, c.p2}, {4, c.p4}, {5, c.p5}, {7, 3}, {8, 4}, {10, 9}})
      ModuleParams[i].ParamValue[k] = v;
    RunningInstance = i;
    T018_Execute();
    EXPECT_EQ(ProgressTexts(), PhaseTexts("(1) Corn", 1));
    EXPECT_EQ(T018Work.SizeLow, c.Low);
    EXPECT_EQ(T018Work.SizeHigh, c.High);
    const TBLOBWork expected = {BLOBWork.Unused, c.Low, c.High, c.Count, c.HueLow, c.HueHigh, 3, 4, 0, 9};
    EXPECT_EQ(Fields(BLOBWork), Fields(expected));
  }
}

TEST_F(Corn, GrainCountNeverDividesByZeroNorExceedsThePicture) {
  const struct {
    int32_t Low, High, Count;
  } cases[] = {{1, 1, 65536},   {0, 0, 65536},         {-1, 1, 65536},     {-1, 0, 65536},
               {10, -10, 65536}, {2, 2, 16384},        {-3, -3, 7282},     {Highest, Highest, 0},
               {Lowest, Lowest, 0}, {Lowest, Highest, 65536}};
  for (auto& c : cases) EXPECT_EQ(T018_GrainCount(256 * 256, c.Low, c.High), c.Count) << c.Low << ".." << c.High;
}

TEST_F(Corn, GrainsTakeTheirHuesInsideTheClippedRange) {
  const struct {
    int32_t p4, p5, Low, High;
  } cases[] = {{40, 10, 30, 50}, {5, 10, 0, 15}, {355, 10, 345, 359}};
  for (auto& c : cases) {
    Run({{4, c.p4}, {5, c.p5}});
    int32_t lo, hi;
    HueSpan(lo, hi);
    EXPECT_GE(lo, c.Low) << "hue " << c.p4;
    EXPECT_LE(hi, c.High) << "hue " << c.p4;
    EXPECT_LT(lo, hi) << "hue " << c.p4;
  }
}

TEST_F(Corn, LargeGrainsOnASmallPictureLeaveItBlack) {
  Run({{1, 400}, {2, 0}});
  for (int c = 1; c <= 3; ++c)
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) ASSERT_EQ(Pixel(CurrentLayer, SpaceRGB, c, x, y), 0);
}

}  // namespace
