// "Roughcast": registration, the phase table as the callees receive it, the
// twig field left in buffer 1, and runs that end on noise the null-colour
// fill cannot finish.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Levels.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/Tiles.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Twig.h"
#include "modules/textures/Fnc_T012.h"
#include "shell/Application.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

class Roughcast : public TextureTest<T012_Type> {
 protected:
  static bool AllBlack() {
    for (int s = SpaceRGB; s <= SpaceHSL; ++s)
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= ImageWidth; ++x)
          for (int y = 1; y <= ImageHeight; ++y)
            if (Pixel(CurrentLayer, s, c, x, y) != 0) return false;
    return true;
  }
};

TEST_F(Roughcast, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[45], "Roughcast");
  EXPECT_EQ(TypeCode[45], "T012");
  EXPECT_EQ(TypeGenerator[45], 1);
  ExpectDefaultsAndRanges({{1, 0, 0, 359},
                           {2, 30, 0, 359},
                           {3, 0, 0, 255},
                           {4, 255, 0, 255},
                           {5, 0, 0, 255},
                           {6, 255, 0, 255},
                           {7, 0, 0, 0},
                           {8, 10, 1, 10},
                           {9, 1, 1, 2},
                           {10, 0, 0, 20},
                           {11, 0, 0, 1000},
                           {12, 0, 0, 1000},
                           {13, 0, 0, 0},
                           {33, 0, 0, 0}});
}

// Distinct values in every used parameter show where each one lands; every
// callee runs once, so each record still holds what its phase wrote.
TEST_F(Roughcast, FillsEachPhaseFromItsFieldsAndShowsEveryPhase) {
  CreateInstance(T012_Type);
  const int i = CreateInstance(T012_Type);
  ModuleParams[1].Active = 0;
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 11, p[2] = 12, p[3] = 13, p[4] = 14, p[5] = 15, p[6] = 16;
  p[8] = 3, p[9] = 2, p[10] = 7, p[11] = 21, p[12] = 22;
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();

  EXPECT_EQ(Fields(T012Work), (std::vector<int32_t>{11, 12, 13, 14, 15, 16, 3, 2, 7, 21, 22}));
  const int32_t side = 64 + 48, green = 128 * 256;
  EXPECT_EQ(Fields(TWIGWork), (std::vector<int32_t>{20, side, side, 0, 0, 100, 4, 100, 10, 4, green, 0, 21}));
  EXPECT_EQ(Fields(MVBFWork), (std::vector<int32_t>{1}));
  EXPECT_EQ(Fields(NoiseWork), (std::vector<int32_t>{SpaceHSL, 11, 12, 13, 14, 15, 16, 16, 21}));
  EXPECT_EQ(Fields(RNCCWork), (std::vector<int32_t>{SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}));
  EXPECT_EQ(Fields(CAV1Work), (std::vector<int32_t>{0, 50, 5, 0, 50, 5, 1, 50, 5}));
  EXPECT_EQ(Fields(TB01Work), (std::vector<int32_t>{1, 2, 1, 1, 13, SpaceRGB, 0}));
  EXPECT_EQ(Fields(LevelsWork), (std::vector<int32_t>{SpaceHSL, 0, 0, 359, 0, 0, 255, 1, 0, 255}));
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(2) Roughcast", 7));
}

// The reach and the rate at the ends of the form's ranges, and stored values
// whose reach or rate would not fit in 32 bits, which keep to its ends.
TEST_F(Roughcast, ReachAndRateFromTheVariants) {
  UseSize(16, 16);
  const int32_t table[][4] = {// p8, p10, largest swap distance, noise rate
                              {1, 0, 11, 2},
                              {10, 20, 20, 42},
                              {Int32Max, Int32Max, Int32Max, Int32Max},
                              {Int32Min, Int32Min, Int32Min + 10, Int32Min}};
  for (auto& t : table) {
    Run({{8, t[0]}, {10, t[1]}});
    EXPECT_EQ(TB01Work.DistanceMax, t[2]) << "p8 " << t[0];
    EXPECT_EQ(NoiseWork.Rate, t[3]) << "p10 " << t[1];
  }
}

// Buffer 1 keeps the twig field drawn with Random Seed 1; Random Seed 2
// changes the fill only.
TEST_F(Roughcast, LeavesTheTwigFieldInBufferOneAndSplitsTheSeeds) {
  Run({{11, 5}});
  const auto field = Snapshot(ImageStore().Buffers[0]);
  const auto picture = Snapshot(CurrentLayer);
  TWIG_Compute();  // the record phase 1 wrote, drawn again into the current layer
  EXPECT_EQ(Snapshot(CurrentLayer), field);

  Run({{11, 5}, {12, 9}});
  EXPECT_EQ(Snapshot(ImageStore().Buffers[0]), field);
  EXPECT_NE(Snapshot(CurrentLayer), picture);

  Run({{11, 6}});
  EXPECT_NE(Snapshot(ImageStore().Buffers[0]), field);
}

// Sound behaviour: with all six noise bounds 0 every pixel is the key colour
// and the fill has nothing to fill from; the written loop would probe for
// ever. The run ends and the texture is black (a constant luminosity
// stretches to 0).
TEST_F(Roughcast, AllNoiseBoundsZeroEndsBlack) {
  for (int side : {128, 1024}) {
    SCOPED_TRACE(side);
    UseSize(side, side);
    PhaseCapture fill(4);
    Run({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}});
    EXPECT_EQ(KeyPixelsOutOfReach(RNCCWork), int64_t{side} * side);
    EXPECT_EQ(Snapshot(*fill.After), Snapshot(*fill.Before));
    EXPECT_TRUE(AllBlack());
  }
}

// Sound behaviour: at 128 x 128 the sparse noise of Random Seed 1 = 10 leaves
// whole rows and columns without a coloured pixel, more than a tenth of the
// picture, so the written probing rounds would never end. The fill stops
// probing when a round makes no progress and its sweeps fill the rest.
TEST_F(Roughcast, RowsAndColumnsWithoutNoiseEnd) {
  UseSize(128, 128);
  PhaseCapture fill(4);
  Run({{11, 10}});
  CopyPicture(*fill.Before, Layer(ResultLayer));
  EXPECT_GE(KeyPixelsOutOfReach(RNCCWork), Round(128 * 128 * 10 / 100.0L));
  RandomSeed = 0;  // Random Seed 2
  EXPECT_FALSE(WrittenFill());

  CopyPicture(*fill.After, Layer(ResultLayer));
  EXPECT_EQ(KeyPixelsOutOfReach(RNCCWork), 0);
  for (int x = 1; x <= 128; ++x)
    for (int y = 1; y <= 128; ++y) ASSERT_FALSE(IsKey(RNCCWork, x, y)) << x << ", " << y;
}

// Wherever the written loop ends, the fill gives its picture exactly.
TEST_F(Roughcast, FillsAsTheWrittenLoopWheneverItEnds) {
  UseSize(128, 128);
  const std::initializer_list<std::pair<int, int32_t>> cases[] = {
      {}, {{10, 20}, {12, 3}}, {{11, 7}, {1, 200}, {2, 40}, {5, 30}}};
  for (const auto& values : cases) {
    PhaseCapture fill(4);
    Run(values);
    ASSERT_NE(Snapshot(*fill.Before), Snapshot(*fill.After));
    CopyPicture(*fill.Before, Layer(ResultLayer));
    RandomSeed = T012Work.Seed2;
    ASSERT_TRUE(WrittenFill());
    EXPECT_EQ(Snapshot(ResultLayer), Snapshot(*fill.After));
  }
}

}  // namespace
