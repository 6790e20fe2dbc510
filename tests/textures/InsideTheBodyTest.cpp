// "Inside The Body": the blob count from the picture area, the ring
// distances from the width, the six phase marks, and a wide, low picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "TextureTestSupport.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/RotationalSampling.h"
#include "modules/generators/Pls1.h"
#include "modules/textures/Fnc_T023.h"
#include "modules/textures/Prm_T023.h"

using namespace quillon;
using namespace quillon::test;

namespace {

class InsideTheBody : public TextureTest<T023_Type> {};

TEST_F(InsideTheBody, RegistersWithItsDefaultsAndRanges) {
  EXPECT_EQ(TypeName[105], "Inside The Body");
  EXPECT_EQ(TypeCode[105], "T023");
  EXPECT_EQ(TypeGenerator[105], 1);
  EXPECT_EQ(TypeForm[105], P_T023);
  ExpectDefaultsAndRanges({{1, 0, 0, 100}, {2, 0, 0, 1550}, {3, 0, 0, 0}});
}

TEST_F(InsideTheBody, BaseBlobCountFollowsTheArea) {
  const int64_t cases[][2] = {{0, 3},         {40999, 3},     {41000, 4},     {65999, 4},      {66000, 5},
                              {163999, 5},    {164000, 6},    {262999, 6},    {263000, 7},     {458999, 7},
                              {459000, 8},    {656999, 8},    {657000, 9},    {851999, 9},     {852000, 10},
                              {128 * 128, 3}, {256 * 256, 4}, {512 * 512, 6}, {1024 * 1024, 10}};
  for (auto& c : cases) EXPECT_EQ(T023_BaseBlobCount(c[0]), c[1]) << "area " << c[0];
}

TEST_F(InsideTheBody, RingDistancesComeFromTheWidthRoundedToNearest) {
  const int32_t cases[][3] = {{128, 50, 17}, {256, 100, 33}, {512, 199, 67}, {1024, 399, 134}, {1, 0, 0}};
  for (auto& c : cases) {
    EXPECT_EQ(T023_WideRing(c[0]), c[1]) << "width " << c[0];
    EXPECT_EQ(T023_NarrowRing(c[0]), c[2]) << "width " << c[0];
  }
}

TEST_F(InsideTheBody, ShowsSixPhaseMarksTheLastWithoutAnOperation) {
  UseSize(96, 64);
  F_Synthe->StatusBar1.ClearPainted();
  Run({{1, 3}});
  EXPECT_EQ(ProgressTexts(), PhaseTexts("(1) Inside The Body", 6));
  // 96 x 64 is 6,144 pixels: 3 blobs, plus p1.
  EXPECT_EQ(PLS1Work.Count, 6);
  EXPECT_EQ(Fields(PLS1Work), (std::vector<int32_t>{100, 80, 60, 120, 100, 80, 10, 10, 10, 0, 0, 0, 15, 6, 0}));
  // The record of phase 3: the narrow ring, from the width alone.
  EXPECT_EQ(Fields(FXC1Work), (std::vector<int32_t>{0, 1, 13, 0, 3, 1, 13, 0, 3, 1, 13, 0, 3}));
}

TEST_F(InsideTheBody, AWideLowPictureIsSampledInsideItself) {
  // Distance 399 on a picture 128 pixels high: the vertical samples wrap
  // modulo the height (the sanitizers report any sample outside).
  UseSize(1024, 128);
  Run();
  EXPECT_EQ(PLS1Work.Count, 5);  // 131,072 pixels
  EXPECT_EQ(FXC1Work.Channel[0].DX, 134);
  int32_t lo = 255, hi = 0;
  for (int x = 1; x <= 1024; ++x)
    for (int y = 1; y <= 128; ++y) {
      lo = std::min<int32_t>(lo, Pixel(CurrentLayer, SpaceRGB, 1, x, y));
      hi = std::max<int32_t>(hi, Pixel(CurrentLayer, SpaceRGB, 1, x, y));
    }
  // The offset effect stretches every plane to 0..255.
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 255);
}

}  // namespace
