#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "modules/filters/ChannelMove.h"
#include "modules/filters/ColorBalance.h"
#include "modules/filters/ColorReplace.h"
#include "modules/filters/Contrast.h"
#include "modules/filters/Foil.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Invert.h"
#include "modules/filters/Levels.h"
#include "modules/filters/ValueReplace.h"

using namespace quillon;
using namespace quillon::test;

// One row of values per test keeps the arithmetic readable.
namespace {
void Row(int space, int channel, std::vector<int> values) {
  UsePicture(static_cast<int>(values.size()), 1);
  Set(space, channel, {values});
}
std::vector<int> RowOf(int space, int channel) { return Get(space, channel)[0]; }

// The RGB space must be what the conversion makes of the HSL space.
::testing::AssertionResult RgbFollowsHsl() {
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      int32_t r, g, b;
      HSLToRGB(Pixel(ResultLayer, SpaceHSL, 1, x, y), Pixel(ResultLayer, SpaceHSL, 2, x, y),
               Pixel(ResultLayer, SpaceHSL, 3, x, y), r, g, b);
      if (r != Pixel(ResultLayer, SpaceRGB, 1, x, y) || g != Pixel(ResultLayer, SpaceRGB, 2, x, y) ||
          b != Pixel(ResultLayer, SpaceRGB, 3, x, y))
        return ::testing::AssertionFailure() << "RGB differs at " << x << ", " << y;
    }
  return ::testing::AssertionSuccess();
}
}  // namespace

// Above the threshold: cut (mode 0) or mirrored, |2t - v|.
TEST(VRGH, CutsAndMirrorsAboveTheThreshold) {
  Row(SpaceHSL, 1, {10, 100, 200, 250});
  Set(SpaceHSL, 2, {{10, 100, 200, 250}});
  Set(SpaceHSL, 3, {{10, 40, 60, 250}});
  VRGHWork = {SpaceHSL, {180, 180, 50}, {0, 1, 1}, {0, 0, 0}};
  VRGH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{10, 100, 180, 180}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{10, 100, 160, 110}));
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{10, 40, 40, 150}));  // 100 - 250 made positive
  EXPECT_TRUE(RgbFollowsHsl());
}

// Stretch 1 takes the channel from its own range to the full one (hue 0..359),
// rounding ties to even; a constant channel becomes 0.
TEST(VRGH, StretchesFlaggedChannels) {
  Row(SpaceHSL, 1, {10, 12, 14, 50});
  Set(SpaceHSL, 2, {{7, 7, 7, 7}});
  Set(SpaceHSL, 3, {{0, 1, 2, 2}});
  VRGHWork = {SpaceHSL, {359, 255, 255}, {0, 0, 0}, {1, 1, 0}};
  VRGH_Compute();
  // (12 - 10) / 40 * 359 = 17.95, (14 - 10) / 40 * 359 = 35.9
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{0, 18, 36, 359}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{0, 1, 2, 2}));
}

// Worked in the RGB space, every change would be overwritten by the final
// recomputation of RGB from HSL.
TEST(VRGH, RgbSpaceLeavesThePictureToTheRecomputation) {
  UsePicture(5, 4);
  RandomPicture(4);
  SyncColorSpace(SpaceHSL);
  const auto expected = Snapshot();
  RandomPicture(4);
  VRGHWork = {SpaceRGB, {0, 0, 0}, {0, 0, 0}, {1, 1, 1}};
  VRGH_Compute();
  EXPECT_EQ(Snapshot(), expected);
}

// Below the threshold: cut or mirrored, 2t - v, reflected at the top.
TEST(VRLH, MirrorsBelowTheThresholdAndReflectsAtTheTop) {
  Row(SpaceHSL, 3, {100, 200, 224, 250});
  Set(SpaceHSL, 1, {{5, 300, 0, 359}});
  Set(SpaceHSL, 2, {{5, 300, 0, 255}});
  VRLHWork = {SpaceHSL, {300, 30, 224}, {1, 0, 1}, {0, 0, 0}};
  VRLH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{162, 248, 224, 250}));  // 348 > 255 -> 510 - 348
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{123, 300, 118, 359}));  // 595 > 359 -> 718 - 595
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{30, 300, 30, 255}));
  EXPECT_TRUE(RgbFollowsHsl());
}

TEST(VRLH, StretchFlagsActAfterTheMirror) {
  Row(SpaceHSL, 3, {100, 200, 224, 250});
  VRLHWork = {SpaceRGB, {0, 0, 224}, {0, 0, 1}, {0, 0, 1}};  // the space field is not read
  VRLH_Compute();
  // 162, 248, 224, 250 stretched from 162..250 to 0..255: 249.2, 179.7
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{0, 249, 180, 255}));
}

// The hue wraps past 359; a shift outside 0..359 turns the circle by the same
// angle.
TEST(HSHF, ShiftsTheHueAroundTheCircle) {
  for (int shift : {20, 380, -340}) {
    Row(SpaceHSL, 1, {0, 10, 339, 340, 350, 359});
    Set(SpaceHSL, 2, {{255, 255, 255, 255, 255, 255}});
    Set(SpaceHSL, 3, {{255, 255, 255, 255, 255, 255}});
    HSHFWork = {shift};
    HSHF_Compute();
    EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{20, 30, 359, 0, 10, 19})) << shift;
    EXPECT_TRUE(RgbFollowsHsl());
  }
}

// Stretch to the record's range: (1 - 0) / 2 * 3 = 1.5 and (1 - 0) / 4 * 10 = 2.5
// both round to 2; a constant channel takes the record's minimum; a minimum
// above the maximum turns the channel over.
TEST(NRMC, StretchesAppliedChannelsToTheRecordRange) {
  Row(SpaceRGB, 1, {0, 1, 2});
  Set(SpaceRGB, 2, {{0, 1, 4}});
  Set(SpaceRGB, 3, {{9, 9, 9}});
  LevelsWork = {SpaceRGB, {{1, 0, 3}, {1, 0, 10}, {1, 20, 30}}};
  NRMC_Run();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(RowOf(SpaceRGB, 2), (std::vector<int>{0, 2, 10}));
  EXPECT_EQ(RowOf(SpaceRGB, 3), (std::vector<int>{20, 20, 20}));

  Row(SpaceHSL, 1, {100, 200, 300});
  Set(SpaceHSL, 2, {{1, 2, 3}});
  LevelsWork = {SpaceHSL, {{1, 359, 0}, {0, 0, 255}, {2, 0, 255}}};
  NRMC_Run();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{359, 180, 0}));  // 359 - 179.5 = 179.5 -> 180
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(RgbFollowsHsl());
}

// Values above the maximum are cut first, then values below the minimum;
// flag 0 then stretches the channel to its full range.
TEST(LVLH, ClampsThenStretchesChannelsWithFlagZero) {
  Row(SpaceHSL, 3, {10, 100, 200, 250});
  Set(SpaceHSL, 1, {{10, 100, 200, 250}});
  Set(SpaceHSL, 2, {{10, 100, 200, 250}});
  LevellingWork = {SpaceHSL, {359, 120, 200}, {0, 150, 50}, {1, 1, 0}};
  LVLH_Run();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{10, 100, 200, 250}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{150, 150, 150, 150}));  // minimum above maximum wins
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{0, 85, 255, 255}));     // 50, 100, 200, 200 stretched
  EXPECT_TRUE(RgbFollowsHsl());
}

TEST(Invert, InvertsFlaggedChannelsOfQualifyingPixels) {
  Row(SpaceHSL, 1, {0, 100, 200, 300});
  Set(SpaceHSL, 2, {{68, 67, 255, 30}});
  Set(SpaceHSL, 3, {{10, 10, 10, 10}});
  // All three channels in range: only the first and third pixels qualify.
  INVCWork = {SpaceHSL, {{0, 359}, {68, 255}, {0, 255}}, 1, {0, 0, 1}};
  Invert_Run();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{359, 100, 159, 300}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{187, 67, 0, 30}));
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{10, 10, 10, 10}));
  EXPECT_TRUE(RgbFollowsHsl());

  // Condition 0: one channel in its range is enough.
  Row(SpaceRGB, 1, {5, 50, 100});
  Set(SpaceRGB, 2, {{0, 0, 0}});
  Set(SpaceRGB, 3, {{0, 0, 0}});
  INVCWork = {SpaceRGB, {{40, 60}, {1, 2}, {1, 2}}, 0, {0, 1, 1}};
  Invert_Run();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{5, 205, 100}));
}

// Ranges inclusive and used as given: a hue range reaching past 359 still
// takes 359; the yellow replacement is (60, 255, 255) in HSL.
TEST(ColorReplace, ReplacesPixelsInsideAllThreeRanges) {
  Row(SpaceHSL, 1, {69, 70, 359, 240});
  Set(SpaceHSL, 2, {{255, 155, 255, 154}});
  Set(SpaceHSL, 3, {{255, 215, 255, 255}});
  CRPCWork = {SpaceHSL, {{70, 410}, {155, 355}, {215, 295}}, PackRGB(255, 255, 0)};
  ColorReplace_Run();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{69, 60, 60, 240}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{255, 255, 255, 154}));
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 1, 2, 1), 255);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 2, 2, 1), 255);
  EXPECT_EQ(Pixel(ResultLayer, SpaceRGB, 3, 2, 1), 0);

  Row(SpaceRGB, 1, {1, 2, 3});
  Set(SpaceRGB, 2, {{0, 0, 0}});
  Set(SpaceRGB, 3, {{0, 0, 0}});
  CRPCWork = {SpaceRGB, {{3, 2}, {0, 0}, {0, 0}}, PackRGB(9, 9, 9)};  // an inverted range takes nothing
  ColorReplace_Run();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{1, 2, 3}));
}

// Three levels: steps of 127.5 (and 179.5 for the hue); Round(Round(v / s) * s)
// makes 127.5 and 179.5 ties that go to 128 and 180.
TEST(FOIL, PosterisesToEvenlySpacedLevels) {
  Row(SpaceHSL, 3, {0, 63, 64, 127, 191, 192, 255});
  Set(SpaceHSL, 2, {{0, 63, 64, 127, 191, 192, 255}});
  Set(SpaceHSL, 1, {{0, 89, 90, 269, 270, 300, 359}});
  FOILWork = {{{1, 3}, {1, 2}, {1, 3}}};
  FOIL_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{0, 0, 128, 128, 128, 255, 255}));
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{0, 0, 0, 0, 255, 255, 255}));
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{0, 0, 180, 180, 359, 359, 359}));
  EXPECT_TRUE(RgbFollowsHsl());
}

// Sound behaviour: fewer than two levels leave the channel unchanged, as does
// the apply flag 0.
TEST(FOIL, FewerThanTwoLevelsLeaveTheChannel) {
  Row(SpaceHSL, 3, {0, 63, 64, 127, 191});
  Set(SpaceHSL, 2, {{0, 63, 64, 127, 191}});
  Set(SpaceHSL, 1, {{0, 63, 64, 127, 191}});
  FOILWork = {{{1, 1}, {1, 0}, {0, 3}}};
  FOIL_Compute();
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(RowOf(SpaceHSL, c), (std::vector<int>{0, 63, 64, 127, 191}));
  FOILWork = {{{1, INT32_MIN}, {1, -5}, {1, INT32_MAX}}};
  FOIL_Compute();
  EXPECT_TRUE(AllInRange());
}

TEST(BLCL, PushesEachChannelAlongASine) {
  Row(SpaceRGB, 1, {0, 30, 100, 255});
  Set(SpaceRGB, 2, {{0, 30, 100, 255}});
  Set(SpaceRGB, 3, {{0, 50, 200, 255}});
  BLCLWork = {{100, 0, -100}};
  BLCL_Run();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{0, 73, 161, 255}));
  EXPECT_EQ(RowOf(SpaceRGB, 2), (std::vector<int>{0, 30, 100, 255}));
  EXPECT_EQ(RowOf(SpaceRGB, 3), (std::vector<int>{0, 25, 138, 255}));
  int32_t h, s, l;
  RGBToHSL(161, 100, 138, h, s, l);
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 1, 3, 1), h);
}

// Positive variation 27 (the plank's): below 34.56 to 0, above 221.44 to 255,
// between them v + Round(v f - 128 f). Negative variation -50: v + Round(0.5 v
// ... ) with 255 -> 255 + Round(-63.5) = 191, a tie to even.
TEST(CNTR, SpreadsOrNarrowsAroundTheMiddle) {
  Row(SpaceRGB, 1, {30, 34, 35, 100, 128, 200, 221, 222});
  CNTRWork = {27};
  CNTR_Compute();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{0, 0, 1, 90, 128, 227, 255, 255}));

  Row(SpaceRGB, 1, {0, 100, 128, 255});
  CNTRWork = {-50};
  CNTR_Compute();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{64, 114, 128, 191}));

  Row(SpaceRGB, 1, {0, 100, 128, 255});
  CNTRWork = {0};
  CNTR_Compute();
  EXPECT_EQ(RowOf(SpaceRGB, 1), (std::vector<int>{0, 100, 128, 255}));
}

// Sound behaviour: at 100 the factor's divisor is zero; the variation is
// taken as 99.
TEST(CNTR, VariationOfOneHundredActsAsNinetyNine) {
  std::vector<int> values;
  for (int v = 0; v <= 255; v += 5) values.push_back(v);
  Row(SpaceRGB, 1, values);
  CNTRWork = {99};
  CNTR_Compute();
  const auto at99 = RowOf(SpaceRGB, 1);
  Row(SpaceRGB, 1, values);
  CNTRWork = {100};
  CNTR_Compute();
  EXPECT_EQ(RowOf(SpaceRGB, 1), at99);
  for (int32_t v : {101, 200, 201, INT32_MAX, -99, -100, INT32_MIN}) {
    Row(SpaceRGB, 1, values);
    CNTRWork = {v};
    CNTR_Compute();
    EXPECT_TRUE(AllInRange()) << v;
  }
}

TEST(MVLH, MovesAChannelWithTheHueScale) {
  Row(SpaceHSL, 3, {0, 128, 255});
  Set(SpaceHSL, 1, {{0, 180, 359}});
  Set(SpaceHSL, 2, {{7, 7, 7}});
  MVLHWork = {3, 1};  // Round(v / 255 * 359): 180.2 -> 180
  MVLH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 1), (std::vector<int>{0, 180, 359}));
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{0, 128, 255}));
  EXPECT_TRUE(RgbFollowsHsl());

  MVLHWork = {1, 2};  // Round(h / 359 * 255): 127.86 -> 128
  MVLH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 2), (std::vector<int>{0, 128, 255}));
  MVLHWork = {2, 3};
  Set(SpaceHSL, 2, {{1, 2, 3}});
  MVLH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{1, 2, 3}));
  MVLHWork = {0, 3};  // no such channel: nothing moves
  MVLH_Compute();
  EXPECT_EQ(RowOf(SpaceHSL, 3), (std::vector<int>{1, 2, 3}));
}

TEST(PointFilters, SamePictureAtEveryThreadCount) {
  const std::pair<const char*, std::function<void()>> runs[] = {
      {"VRGH", [] { VRGHWork = {SpaceHSL, {200, 100, 150}, {1, 0, 1}, {1, 1, 1}}; VRGH_Compute(); }},
      {"VRLH", [] { VRLHWork = {SpaceHSL, {30, 100, 224}, {1, 0, 1}, {0, 1, 1}}; VRLH_Compute(); }},
      {"HSHF", [] { HSHFWork = {219}; HSHF_Compute(); }},
      {"NRMC", [] { LevelsWork = {SpaceHSL, {{1, 30, 300}, {1, 0, 255}, {1, 0, 255}}}; NRMC_Run(); }},
      {"LVLH", [] { LevellingWork = {SpaceHSL, {359, 255, 190}, {0, 0, 0}, {1, 1, 0}}; LVLH_Run(); }},
      {"Invert", [] { INVCWork = {SpaceHSL, {{0, 359}, {68, 255}, {0, 255}}, 1, {1, 0, 1}}; Invert_Run(); }},
      {"ColorReplace", [] { CRPCWork = {SpaceHSL, {{70, 410}, {155, 355}, {215, 295}}, 65535}; ColorReplace_Run(); }},
      {"FOIL", [] { FOILWork = {{{0, 3}, {1, 3}, {1, 3}}}; FOIL_Compute(); }},
      {"BLCL", [] { BLCLWork = {{100, 0, -100}}; BLCL_Run(); }},
      {"CNTR", [] { CNTRWork = {27}; CNTR_Compute(); }},
      {"MVLH", [] { MVLHWork = {3, 1}; MVLH_Compute(); }},
  };
  for (auto& [name, run] : runs) {
    EXPECT_TRUE(SameAtEveryThreadCount(130, 40, nullptr, run)) << name;
    EXPECT_TRUE(AllInRange()) << name;
  }
}
