#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "engine/Random.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/GradientFill.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/Tiles.h"

using namespace quillon;
using namespace quillon::test;

namespace {
const Rows Counting = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}};
}

// The value at (x, y) lands at (x + X, y + Y), wrapped; a negative offset
// moves the other way (sound behaviour: offsets wrap modulo the side).
TEST(OFST, MovesEveryValueByTheOffsetWithWrap) {
  const struct {
    int dx, dy;
    Rows expected;
  } cases[] = {
      {1, 0, {{4, 1, 2, 3}, {8, 5, 6, 7}, {12, 9, 10, 11}}},
      {0, 1, {{9, 10, 11, 12}, {1, 2, 3, 4}, {5, 6, 7, 8}}},
      {-1, -1, {{6, 7, 8, 5}, {10, 11, 12, 9}, {2, 3, 4, 1}}},
      {-9, 0, {{2, 3, 4, 1}, {6, 7, 8, 5}, {10, 11, 12, 9}}},
      {4, 3, Counting},  // one whole side
      // Above the side the offset becomes offset mod side + 1: 5 -> 2, 7 -> 4.
      {5, 0, {{3, 4, 1, 2}, {7, 8, 5, 6}, {11, 12, 9, 10}}},
      {7, 0, Counting},
  };
  for (const auto& t : cases) {
    UsePicture(4, 3);
    for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, Counting);
    OFSTWork = {0, t.dx, t.dy};
    OFST_Compute();
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(Get(SpaceHSL, c), t.expected) << t.dx << ", " << t.dy;
  }
}

TEST(OFST, ChannelSelectorPicksSpaceAndChannel) {
  UsePicture(4, 3);
  for (int c = 1; c <= 3; ++c) Set(SpaceRGB, c, Counting);
  OFSTWork = {2, 1, 0};  // green only, in RGB; HSL follows
  OFST_Compute();
  EXPECT_EQ(Get(SpaceRGB, 1), Counting);
  EXPECT_EQ(Get(SpaceRGB, 2), (Rows{{4, 1, 2, 3}, {8, 5, 6, 7}, {12, 9, 10, 11}}));
  int32_t h, s, l;
  RGBToHSL(1, 4, 1, h, s, l);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 1, 1), h);

  UsePicture(4, 3);
  for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, Counting);
  OFSTWork = {6, 1, 0};  // luminosity only
  OFST_Compute();
  EXPECT_EQ(Get(SpaceHSL, 2), Counting);
  EXPECT_EQ(Get(SpaceHSL, 3)[0], (std::vector<int>{4, 1, 2, 3}));

  const auto before = Snapshot();
  for (int32_t selector : {-1, 7, INT32_MIN}) {
    OFSTWork = {selector, 1, 1};
    OFST_Compute();
    EXPECT_EQ(Snapshot(), before);
  }
}

// Columns x and W - x + 1 for x up to Round(W / 2): an odd width keeps its
// middle column.
TEST(MIRR, MirrorsLeftToRight) {
  for (int w : {4, 5, 7}) {
    UsePicture(w, 2);
    std::vector<int> row;
    for (int x = 1; x <= w; ++x) row.push_back(x);
    for (int c = 1; c <= 3; ++c) Set(SpaceHSL, c, {row, row});
    MIRRWork = {6};
    MIRR_Compute();
    std::vector<int> reversed(row.rbegin(), row.rend());
    EXPECT_EQ(Get(SpaceHSL, 3), (Rows{reversed, reversed})) << w;
    EXPECT_EQ(Get(SpaceHSL, 1), (Rows{row, row}));
  }
  UsePicture(3, 1);
  Set(SpaceRGB, 1, {{1, 2, 3}});
  Set(SpaceRGB, 3, {{7, 8, 9}});
  MIRRWork = {3};
  MIRR_Compute();
  EXPECT_EQ(Get(SpaceRGB, 1), (Rows{{1, 2, 3}}));
  EXPECT_EQ(Get(SpaceRGB, 3), (Rows{{9, 8, 7}}));
  const auto before = Snapshot();
  MIRRWork = {9};
  MIRR_Compute();
  EXPECT_EQ(Snapshot(), before);
}

// Column x moves by Round(sin(x / (W / period) * 2pi) * amplitude): for W = 4,
// period 1, amplitude 1 the shifts are 1, 0, -1, 0; the value at y becomes the
// former value at y + shift. Channel 2 is not distorted (flag 1); a height
// period of 0 leaves the row pass out.
TEST(SNDS, RotatesColumnsBySineShifts) {
  UsePicture(4, 3);
  for (int c = 1; c <= 3; ++c) Set(SpaceRGB, c, Counting);
  SNDSWork = {1, {0, 1, 0}, 1, 1, 0, 0, 5, 0, 0};
  SNDS_Run();
  const Rows moved = {{5, 2, 11, 4}, {9, 6, 3, 8}, {1, 10, 7, 12}};
  EXPECT_EQ(Get(SpaceRGB, 1), moved);
  EXPECT_EQ(Get(SpaceRGB, 2), Counting);
  EXPECT_EQ(Get(SpaceRGB, 3), moved);
  int32_t h, s, l;
  RGBToHSL(5, 1, 5, h, s, l);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 2, 1, 1), s);
}

// Rows of a 5 x 4 picture, period 1, amplitude 2: shifts 2, 0, -2, 0.
TEST(SNDS, RotatesRowsAndDistortsBothSpaces) {
  UsePicture(5, 4);
  const Rows rows = {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}};
  for (int space : {SpaceRGB, SpaceHSL}) Set(space, 3, rows);
  SNDSWork = {2, {1, 1, 0}, 0, 9, 9, 1, 2, 0, 1};  // channels 2: neither space is recomputed
  SNDS_Run();
  const Rows moved = {{3, 4, 5, 1, 2}, {6, 7, 8, 9, 10}, {14, 15, 11, 12, 13}, {16, 17, 18, 19, 20}};
  EXPECT_EQ(Get(SpaceRGB, 3), moved);
  EXPECT_EQ(Get(SpaceHSL, 3), moved);
}

TEST(SNDS, OrientationOrdersThePasses) {
  auto run = [](int widthPeriod, int heightPeriod, int orientation) {
    UsePicture(12, 9);
    RandomPicture(12);
    SNDSWork = {0, {0, 0, 0}, widthPeriod, 3, 1, heightPeriod, 2, 2, orientation};
    SNDS_Run();
    return Snapshot();
  };
  const auto both = run(2, 1, 0);
  const auto bothRowsFirst = run(2, 1, 7);
  EXPECT_NE(both, bothRowsFirst);
  // Columns first is the column pass followed by the row pass.
  UsePicture(12, 9);
  RandomPicture(12);
  SNDSWork = {5, {0, 0, 0}, 2, 3, 1, 0, 2, 2, 0};
  SNDS_Run();
  SNDSWork = {0, {0, 0, 0}, 0, 3, 1, 1, 2, 2, 0};
  SNDS_Run();
  EXPECT_EQ(Snapshot(), both);
}

TEST(Buffers, StoreAndRecall) {
  UsePicture(6, 5);
  RandomPicture(1);
  const auto stored = Snapshot();
  MVBFWork = {2};
  MVBF_Compute();
  EXPECT_EQ(Snapshot(), stored);  // the result layer is unchanged
  RandomPicture(2);
  RCBFWork = {2};
  RCBF_Compute();
  EXPECT_EQ(Snapshot(CurrentLayer), stored);
  EXPECT_NE(Snapshot(), stored);
  // Buffer numbers outside 1..3 change nothing.
  const auto current = Snapshot(CurrentLayer);
  RCBFWork = {0};
  RCBF_Compute();
  MVBFWork = {4};
  MVBF_Compute();
  RCBFWork = {4};
  RCBF_Compute();
  EXPECT_EQ(Snapshot(CurrentLayer), current);
}

// Direction 1 (right) everywhere (a constant direction plane takes the lower
// bound 1); distances from the green plane {0, 10, 5, 0, 0, 0} rescaled to
// 1..3. Each exchange sees the results of the earlier ones.
TEST(TB01, SwapsInOrderSeeingEarlierSwaps) {
  UsePicture(6, 1);
  SetRows(ResultLayer, SpaceRGB, 1, {{1, 2, 3, 4, 5, 6}});
  SetRows(ResultLayer, SpaceRGB, 3, {{1, 2, 3, 4, 5, 6}});
  for (int x = 1; x <= 6; ++x) ImageStore().Buffers[0].plane(SpaceRGB, 1).at(x, 1) = 50;
  const int green[6] = {0, 10, 5, 0, 0, 0};
  for (int x = 1; x <= 6; ++x) ImageStore().Buffers[0].plane(SpaceRGB, 2).at(x, 1) = static_cast<Sample>(green[x - 1]);
  TB01Work = {1, SpaceRGB, 1, 1, 3, SpaceRGB, 3};
  TB01_Compute();
  EXPECT_EQ(Get(SpaceRGB, 3), (Rows{{4, 5, 1, 3, 6, 2}}));
  EXPECT_EQ(Get(SpaceRGB, 1), (Rows{{1, 2, 3, 4, 5, 6}}));  // only channel 3 was asked for
  EXPECT_FLOAT_EQ(ImageStore().FloatPlanes[1].at(3, 1), 2.0f);        // the rescaled distance plane
  int32_t h, s, l;
  RGBToHSL(1, 0, 4, h, s, l);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 1, 1), h);

  // Channel 0 exchanges all three; out-of-range selectors change nothing.
  const auto before = Snapshot();
  for (TTB01Work w : {TTB01Work{0, 1, 1, 1, 3, 1, 0}, TTB01Work{4, 1, 1, 1, 3, 1, 0}, TTB01Work{1, 1, 0, 1, 3, 1, 0},
                      TTB01Work{1, 1, 7, 1, 3, 1, 0}, TTB01Work{1, 1, 1, 1, 3, 1, 4}}) {
    TB01Work = w;
    TB01_Compute();
    EXPECT_EQ(Snapshot(), before);
  }
  TB01Work = {1, SpaceRGB, 1, 1, 3, SpaceRGB, 0};
  TB01_Compute();
  EXPECT_EQ(Get(SpaceRGB, 1), (Rows{{4, 5, 1, 3, 6, 2}}));
}

// Down the column (direction 7): with the direction plane {0, 6, 6, 7} the
// directions are 1, 7, 7, 8 and distance 1 everywhere; on a one-column
// picture right, left and the diagonals all come back to the same column.
TEST(TB01, DirectionsFollowTheRescaledPlane) {
  UsePicture(1, 4);
  SetRows(ResultLayer, SpaceHSL, 3, {{1}, {2}, {3}, {4}});
  const int dir[4] = {0, 6, 6, 7};
  for (int y = 1; y <= 4; ++y) ImageStore().Buffers[2].plane(SpaceHSL, 2).at(1, y) = static_cast<Sample>(dir[y - 1]);
  TB01Work = {3, SpaceHSL, 4, 1, 1, SpaceHSL, 3};  // direction from saturation, distance from hue
  TB01_Compute();
  // y=1: d 1, partner itself. y=2: d 7, swap with y=3 -> 1,3,2,4. y=3: d 7, swap
  // with y=4 -> 1,3,4,2. y=4: d 8 (x+1, y+1) wraps to (1, 1) -> 2,3,4,1.
  EXPECT_EQ(Get(SpaceHSL, 3), (Rows{{2}, {3}, {4}, {1}}));
}

// A run of the target colour between two pixels becomes the morph between
// them; the run after the last pixel wraps to the first.
TEST(GFLL, MorphsRunsOfTheTargetColour) {
  UsePicture(1, 6);
  Set(SpaceHSL, 3, {{40}, {0}, {0}, {0}, {80}, {0}});
  GFLLWork = {0, 0, PackRGB(0, 0, 0)};
  GFLL_Compute();
  EXPECT_EQ(Get(SpaceHSL, 3), (Rows{{40}, {50}, {60}, {70}, {80}, {60}}));
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 1, 2), 50);  // grey: S = 0

  // Along the rows, halves rounded to even: 1.5 -> 2, 12.5 -> 12.
  UsePicture(4, 1);
  Set(SpaceHSL, 1, {{0, 0, 3, 0}});
  Set(SpaceHSL, 2, {{10, 0, 15, 0}});
  Set(SpaceHSL, 3, {{10, 0, 10, 0}});
  GFLLWork = {0, 1, 0};
  GFLL_Compute();
  EXPECT_EQ(Get(SpaceHSL, 1), (Rows{{0, 2, 3, 2}}));
  EXPECT_EQ(Get(SpaceHSL, 2), (Rows{{10, 12, 15, 12}}));
}

TEST(GFLL, DiagonalsAndOrientationsOutsideTheRange) {
  UsePicture(3, 3);
  Set(SpaceHSL, 3, {{30, 0, 0}, {0, 0, 0}, {0, 0, 90}});
  const auto before = Snapshot();
  for (int32_t o : {-1, 4, INT32_MAX}) {
    GFLLWork = {0, o, 0};
    GFLL_Compute();
    EXPECT_EQ(Snapshot(), before);
  }
  GFLLWork = {0, 2, 0};  // (+1, +1): (1,1) -> (2,2) -> (3,3)
  GFLL_Compute();
  EXPECT_EQ(Get(SpaceHSL, 3)[1][1], 60);
  EXPECT_TRUE(AllInRange());
}

TEST(Geometry, SamePictureAtEveryThreadCount) {
  const std::pair<const char*, std::function<void()>> runs[] = {
      {"OFST", [] { OFSTWork = {0, 37, -5}; OFST_Compute(); }},
      {"MIRR", [] { MIRRWork = {0}; MIRR_Compute(); }},
      {"SNDS", [] { SNDSWork = {0, {0, 0, 0}, 4, 10, 0, 4, 10, 0, 0}; SNDS_Run(); }},
      {"TB01",
       [] {
         CopyPicture(Layer(CurrentLayer), ImageStore().Buffers[0]);
         TB01Work = {1, 2, 4, 1, 3, 2, 0};
         TB01_Compute();
       }},
      {"GFLL",
       [] {
         for (int x = 1; x <= ImageWidth; ++x)
           for (int y = 1; y <= ImageHeight; ++y)
             if ((x * 7 + y * 3) % 5 != 0)
               for (int c = 1; c <= 3; ++c) Pixel(ResultLayer, SpaceHSL, c, x, y) = 0;
         GFLLWork = {0, 3, 0};
         GFLL_Compute();
       }},
      {"RandomColorFill",
       [] {
         for (int x = 1; x <= ImageWidth; ++x)
           for (int y = 1; y <= ImageHeight; ++y)
             if ((x * 7 + y * 3) % 11 != 0)
               for (int c = 1; c <= 3; ++c) Pixel(ResultLayer, SpaceHSL, c, x, y) = 0;
         RNCCWork = {SpaceHSL, 2, {{0, 0}, {10, 10}, {10, 10}}, {0, 0, 0}};
         RandomSeed = 3;
         RandomColorFill();
       }},
  };
  for (auto& [name, run] : runs) {
    EXPECT_TRUE(SameAtEveryThreadCount(140, 50, nullptr, run)) << name;
    EXPECT_TRUE(AllInRange()) << name;
  }
}
