// "Plank": registration, the phase table as the callees receive it, the line
// network's counts at rounding ties, the relief kept in buffer 1, and runs
// that end where the grain's seeds leave rows and columns empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Contrast.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/GradientFill.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Poly.h"
#include "modules/textures/Fnc_T014.h"
#include "shell/Application.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class Plank : public TextureTest<T014_Type> {
 protected:
  static std::pair<int, int> HueRange(LayerData& picture) {
    int lo = 1000, hi = -1;
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) {
        lo = std::min<int>(lo, picture.plane(SpaceHSL, 1).at(x, y));
        hi = std::max<int>(hi, picture.plane(SpaceHSL, 1).at(x, y));
      }
    return {lo, hi};
  }
};

TEST_F(Plank, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[53], "Plank");
  EXPECT_EQ(TypeCode[53], "T014");
  EXPECT_EQ(TypeGenerator[53], 1);
  ExpectDefaultsAndRanges({{1, 20, 0, 359},
                           {2, 50, 0, 359},
                           {3, 0, 0, 0},
                           {4, 0, 0, 0},
                           {5, 0, 0, 0},
                           {6, 4, 0, 1000},
                           {7, 4, 0, 1000},
                           {8, 0, 0, 0}});
}

// Distinct values in every used parameter show where each one lands. The
// filters that run twice are read at the mark of the phase after their
// first run.
TEST_F(Plank, FillsEachPhaseFromItsFieldsAndShowsEveryPhase) {
  UseSize(150, 100);  // 15000 pixels: Round(1.25) = 1 line of at least Round(2.5) = 2 pixels
  CreateInstance(T014_Type);
  const int i = CreateInstance(T014_Type);
  ModuleParams[1].Active = 0;
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 11, p[2] = 12, p[4] = 1, p[6] = 21, p[7] = 22;
  std::vector<int32_t> firstLevels;
  PhaseCapture phase7(7, [&] { firstLevels = Fields(LevelsWork); });
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();

  EXPECT_EQ(Fields(T014Work), (std::vector<int32_t>{11, 12, 1, 22, 21}));
  const int32_t cyan = 255 * 256 + 255 * 65536;
  EXPECT_EQ(Fields(POLYWork), (std::vector<int32_t>{1, 100, 8, 100, 2, 100, 12, 2, 0, cyan, 21}));
  EXPECT_EQ(Fields(GFLLWork), (std::vector<int32_t>{0, 1, 0}));
  EXPECT_EQ(Fields(FMTCWork), (std::vector<int32_t>{SpaceHSL, 1, 0, 1, 0, 5, 1}));
  EXPECT_EQ(Fields(MVBFWork), (std::vector<int32_t>{1}));
  EXPECT_EQ(Fields(OFSTWork), (std::vector<int32_t>{0, 5, 5}));
  EXPECT_EQ(Fields(RCBFWork), (std::vector<int32_t>{1}));
  EXPECT_EQ(firstLevels, (std::vector<int32_t>{SpaceHSL, 0, 0, 359, 0, 0, 255, 1, 0, 255}));
  EXPECT_EQ(Fields(NoiseWork), (std::vector<int32_t>{SpaceHSL, 0, 50, 0, 255, 0, 255, 2, 22}));
  EXPECT_EQ(Fields(RNCCWork), (std::vector<int32_t>{SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}));
  EXPECT_EQ(Fields(CAV1Work), (std::vector<int32_t>{0, 50, 5, 0, 50, 5, 1, 50, 5}));
  EXPECT_EQ(Fields(LevelsWork), (std::vector<int32_t>{SpaceHSL, 1, 11, 12, 0, 0, 255, 0, 0, 255}));
  EXPECT_EQ(Fields(CNTRWork), (std::vector<int32_t>{27}));
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(2) Plank", 14));
}

// Round(W x H / 12000) and Round(W x H / 6000), half to even. Every quotient
// here is exact or far from a half in double precision as well, so only the
// ties decide: a rounding of halves away from zero would give 3 lines at
// 200 x 150 and a length of 3 at 150 x 100.
TEST_F(Plank, LineCountsAtRoundingTies) {
  const struct {
    int W, H;
    int32_t lines, length;
  } table[] = {
      {200, 150, 2, 5},  // 2.5 -> 2
      {150, 120, 2, 3},  // 1.5 -> 2
      {150, 100, 1, 2},  // 2.5 -> 2
      {100, 90, 1, 2},   // 0.75, 1.5 -> 2
      {100, 30, 0, 0},   // 0.25, 0.5 -> 0
      {256, 256, 5, 11},
  };
  for (auto& t : table) {
    SCOPED_TRACE(testing::Message() << t.W << " x " << t.H);
    UseSize(t.W, t.H);
    Run();
    EXPECT_EQ(POLYWork.Occurences, t.lines);
    EXPECT_EQ(POLYWork.MinLength, t.length);
  }
  EXPECT_EQ(T014_LineCount(1024 * 1024), 87);
  EXPECT_EQ(T014_MinLineLength(1024 * 1024), 175);
  // Every picture up to 1024 x 1024: the quotients rounded half to even.
  auto exact = [](int64_t n, int64_t d) {
    const int64_t q = n / d, r2 = 2 * (n % d);
    return r2 > d || (r2 == d && q % 2 == 1) ? q + 1 : q;
  };
  for (int64_t pixels = 1; pixels <= 1024 * 1024; ++pixels) {
    ASSERT_EQ(T014_LineCount(pixels), exact(pixels, 12000)) << pixels;
    ASSERT_EQ(T014_MinLineLength(pixels), exact(pixels, 6000)) << pixels;
  }
}

// Buffer 1 ends with the relief of phase 8, which the line network (Random
// Seed 1) makes and the grain (Random Seed 2) does not touch.
TEST_F(Plank, LeavesTheReliefInBufferOneAndSplitsTheSeeds) {
  std::vector<Sample> relief, picture;
  {
    PhaseCapture phase7(7);
    Run();
    relief = Snapshot(*phase7.After);
    picture = Snapshot(CurrentLayer);
  }
  EXPECT_EQ(Snapshot(ImageStore().Buffers[0]), relief);
  Run({{7, 9}});
  EXPECT_EQ(Snapshot(ImageStore().Buffers[0]), relief);
  EXPECT_NE(Snapshot(CurrentLayer), picture);
  Run({{6, 9}});
  EXPECT_NE(Snapshot(ImageStore().Buffers[0]), relief);
}

// The hue stretch of phase 13 maps the lowest hue to p1 and the highest to
// p2, also when p1 is the larger.
TEST_F(Plank, HueStretchedOntoTheChosenRange) {
  for (auto [low, high] : {std::pair{20, 50}, std::pair{300, 10}}) {
    PhaseCapture phase13(13);
    Run({{1, low}, {2, high}});
    EXPECT_EQ(HueRange(*phase13.After), std::make_pair(std::min(low, high), std::max(low, high)));
    const auto before = HueRange(*phase13.Before);
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y)
        if (phase13.Before->plane(SpaceHSL, 1).at(x, y) == before.first) {
          ASSERT_EQ(phase13.After->plane(SpaceHSL, 1).at(x, y), low);
        }
  }
}

// Sound behaviour: an orientation the gradient fill does not know (-1 when
// the typed text matched no item, or any other value outside 0..3) leaves
// the line network as it is.
TEST_F(Plank, OrientationOutsideTheFillLeavesTheCellsBlack) {
  std::vector<Sample> vertical;
  {
    PhaseCapture phase2(2);
    Run({{4, 0}});
    vertical = Snapshot(CurrentLayer);
    EXPECT_NE(Snapshot(*phase2.After), Snapshot(*phase2.Before));
  }
  for (int32_t orientation : {-1, 4, std::numeric_limits<int32_t>::min()}) {
    PhaseCapture phase2(2);
    Run({{4, orientation}});
    EXPECT_EQ(Snapshot(*phase2.After), Snapshot(*phase2.Before)) << orientation;
    EXPECT_NE(Snapshot(CurrentLayer), vertical) << orientation;
  }
}

// Sound behaviour: at 128 x 128 the seeds of Random Seed 2 = 10 leave whole
// rows and columns empty, more than a tenth of the picture, so the written
// probing rounds would never end. The fill stops probing when a round makes
// no progress and its sweeps fill the rest.
TEST_F(Plank, RowsAndColumnsWithoutSeedsEnd) {
  UseSize(128, 128);
  PhaseCapture fill(10);
  Run({{7, 10}});
  CopyPicture(*fill.Before, Layer(ResultLayer));
  EXPECT_GE(KeyPixelsOutOfReach(RNCCWork), Round(128 * 128 * 10 / 100.0L));
  RandomSeed = 10;
  EXPECT_FALSE(WrittenFill());

  CopyPicture(*fill.After, Layer(ResultLayer));
  for (int x = 1; x <= 128; ++x)
    for (int y = 1; y <= 128; ++y) ASSERT_FALSE(IsKey(RNCCWork, x, y)) << x << ", " << y;
}

// Wherever the written loop ends, the fill gives its picture exactly.
TEST_F(Plank, FillsAsTheWrittenLoopWheneverItEnds) {
  UseSize(128, 128);
  for (int32_t seed : {4, 0, 7}) {
    PhaseCapture fill(10);
    Run({{7, seed}});
    ASSERT_NE(Snapshot(*fill.Before), Snapshot(*fill.After));
    CopyPicture(*fill.Before, Layer(ResultLayer));
    RandomSeed = seed;
    ASSERT_TRUE(WrittenFill()) << seed;
    EXPECT_EQ(Snapshot(ResultLayer), Snapshot(*fill.After)) << seed;
  }
}

}  // namespace
