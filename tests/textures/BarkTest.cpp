// "Bark": registration, the phase table as the callees receive it, the
// twig counts at rounding ties, the compose that makes the luminosity follow
// the second twigs, and orientations outside the form's list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "TextureTestSupport.h"
#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Twig.h"
#include "modules/textures/Fnc_T013.h"
#include "shell/Application.h"

using namespace quillon;
using namespace quillon::test;

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();

class Bark : public TextureTest<T013_Type> {};

TEST_F(Bark, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[50], "Bark");
  EXPECT_EQ(TypeCode[50], "T013");
  EXPECT_EQ(TypeGenerator[50], 1);
  ExpectDefaultsAndRanges({{1, 0, 0, 359},
                           {2, 39, 0, 359},
                           {3, 0, 0, 255},
                           {4, 222, 0, 255},
                           {5, 0, 0, 0},
                           {6, 1, 1, 10},
                           {7, 3, 0, 0},
                           {8, 0, 0, 0},
                           {9, 0, 0, 1000},
                           {10, 0, 0, 1000},
                           {11, 0, 0, 0}});
}

TEST_F(Bark, FillsEachPhaseFromItsFieldsAndShowsEveryPhase) {
  CreateInstance(T013_Type);
  const int i = CreateInstance(T013_Type);
  ModuleParams[1].Active = 0;
  auto& p = ModuleParams[i].ParamValue;
  p[1] = 11, p[2] = 12, p[3] = 13, p[4] = 14, p[6] = 3, p[7] = 2, p[9] = 21, p[10] = 22;
  std::vector<int32_t> firstTwigs;
  PhaseCapture phase1(1, [&] { firstTwigs = Fields(TWIGWork); });
  F_Synthe->StatusBar1.ClearPainted();
  ComputeChain();

  EXPECT_EQ(Fields(T013Work), (std::vector<int32_t>{11, 12, 13, 14, 3, 2, 21, 22}));
  // W + H = 112: lengths up to 56 and 56 twigs; 28 and Round(145.6) = 146 second twigs.
  const int32_t green = 32 + 161 * 256 + 7 * 65536, yellow = 255 + 255 * 256;
  EXPECT_EQ(firstTwigs, (std::vector<int32_t>{20, 56, 56, 0, 0, 100, 8, 100, 7, 4, 0, green, 21}));
  EXPECT_EQ(Fields(TWIGWork), (std::vector<int32_t>{51, 28, 146, 0, 0, 0, 0, 0, 0, 2, 0, yellow, 22}));
  EXPECT_EQ(Fields(SNDSWork), (std::vector<int32_t>{0, 0, 0, 0, 4, 10, 0, 4, 10, 0, 0}));
  EXPECT_EQ(Fields(CAV1Work), (std::vector<int32_t>{0, 50, 1, 0, 50, 1, 1, 50, 5}));
  EXPECT_EQ(Fields(NoiseWork), (std::vector<int32_t>{SpaceHSL, 11, 12, 13, 14, 0, 255, 100, 21}));
  EXPECT_EQ(Fields(FMTCWork), (std::vector<int32_t>{SpaceHSL, 1, 1, 5, 1, 1, 0}));
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(2) Bark", 7));
}

// The counts are rounded half to even from extended precision. Where a sum
// W + H is odd its half is a tie; 1.1 x 55 and 1.3 x 95 are ties in exact
// arithmetic, but their extended products fall exactly on 60.5 and just
// below 123.5 (double precision would give 61 and 124).
TEST_F(Bark, TwigCountsAtRoundingTies) {
  const struct {
    int W, H;
    int32_t variant, longest, secondLongest, secondCount;
  } table[] = {
      {256, 256, 1, 256, 128, 563},    // Round(563.2)
      {256, 255, 1, 256, 128, 562},    // 255.5 -> 256
      {255, 254, 1, 254, 127, 560},    // 254.5 -> 254, 127.25
      {255, 255, 5, 255, 128, 765},    // 127.5 -> 128
      {257, 257, 10, 257, 128, 1028},  // 128.5 -> 128; 2 x (W + H)
      {30, 25, 1, 28, 14, 60},         // 27.5 -> 28, 13.75; 60.5 -> 60
      {50, 45, 3, 48, 24, 123},        // 47.5 -> 48, 23.75; just below 123.5
  };
  for (auto& t : table) {
    SCOPED_TRACE(testing::Message() << t.W << " x " << t.H << ", variant " << t.variant);
    UseSize(t.W, t.H);
    std::vector<int32_t> first;
    PhaseCapture phase1(1, [&] { first = Fields(TWIGWork); });
    Run({{6, t.variant}});
    EXPECT_EQ(first[1], t.longest);
    EXPECT_EQ(first[2], t.longest);
    EXPECT_EQ(TWIGWork.MaxLength, t.secondLongest);
    EXPECT_EQ(TWIGWork.Occurences, t.secondCount);
  }
  // Stored variants far outside 1..10 keep the count within 32 bits.
  EXPECT_EQ(T013_SecondTwigCount(Int32Max, 2048), Int32Max);
  EXPECT_EQ(T013_SecondTwigCount(Int32Min, 2048), Int32Min);
  EXPECT_EQ(T013_SecondTwigCount(-10, 2048), 0);
}

// The compose of phase 4, per pixel of the yellow twigs (60, 255, 255) and
// of the black elsewhere: hue max(X xor Y, Y), saturation X - Y, luminosity
// Y - X, clamped; the luminosity then only softens (phase 5) and is kept to
// the end.
TEST_F(Bark, LuminosityFollowsTheSecondTwigs) {
  PhaseCapture phase4(4);
  std::unique_ptr<LayerData> softened = std::make_unique<LayerData>();
  {
    PhaseCapture phase5(5);
    Run();
    CopyPicture(*phase5.After, *softened);
  }
  int twigs = 0;
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y) {
      int32_t X[3], Y[3], Z[3];
      for (int c = 0; c < 3; ++c) {
        X[c] = phase4.Before->plane(SpaceHSL, c + 1).at(x, y);
        Y[c] = phase4.Drawn->plane(SpaceHSL, c + 1).at(x, y);
        Z[c] = phase4.After->plane(SpaceHSL, c + 1).at(x, y);
      }
      const bool twig = Y[0] == 60 && Y[1] == 255 && Y[2] == 255;
      ASSERT_TRUE(twig || (Y[0] == 0 && Y[1] == 0 && Y[2] == 0)) << x << ", " << y;
      twigs += twig;
      EXPECT_EQ(Z[0], std::min(359, std::max(X[0] ^ Y[0], Y[0]))) << x << ", " << y;
      EXPECT_EQ(Z[1], std::max(0, X[1] - Y[1])) << x << ", " << y;
      EXPECT_EQ(Z[2], std::max(0, Y[2] - X[2])) << x << ", " << y;
      ASSERT_EQ(Pixel(CurrentLayer, SpaceHSL, 3, x, y), softened->plane(SpaceHSL, 3).at(x, y)) << x << ", " << y;
    }
  EXPECT_GT(twigs, 0);
}

// Random Seed 1 draws the first twigs and the noise, Random Seed 2 the second
// twigs only.
TEST_F(Bark, SeedsSplitTheirPhases) {
  auto secondTwigsAndPicture = [](std::initializer_list<std::pair<int, int32_t>> values) {
    PhaseCapture phase4(4);
    Run(values);
    return std::make_pair(Snapshot(*phase4.Drawn), Snapshot(CurrentLayer));
  };
  const auto base = secondTwigsAndPicture({});
  const auto seed1 = secondTwigsAndPicture({{9, 5}});
  const auto seed2 = secondTwigsAndPicture({{10, 5}});
  EXPECT_EQ(seed1.first, base.first);
  EXPECT_NE(seed1.second, base.second);
  EXPECT_NE(seed2.first, base.first);
}

// Sound behaviour: an orientation the list does not hold (-1 when the typed
// text matched no item, or any stored value outside 0..4) draws the second
// twigs vertically, as the first item does; the random orientation 4 stays
// what it is.
TEST_F(Bark, OrientationOutsideTheListActsAsVertical) {
  Run({{7, 0}});
  const auto vertical = Snapshot(CurrentLayer);
  for (int32_t orientation : {-1, 5, Int32Min, Int32Max}) {
    Run({{7, orientation}});
    EXPECT_EQ(Snapshot(CurrentLayer), vertical) << orientation;
  }
  for (int32_t orientation : {1, 4}) {
    Run({{7, orientation}});
    EXPECT_NE(Snapshot(CurrentLayer), vertical) << orientation;
  }
}

}  // namespace
