// BlendCurrentIntoResult: the 24 blend functions worked by hand at rounding
// ties and at the clamps, in RGB and HSL, the mask weights and transparency.
#include "EngineTest.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Pixels.h"

namespace quillon::test {
namespace {

class BlendTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ImageWidth = 4;
    ImageHeight = 3;
  }
  // Both layers filled with one colour per layer in one space.
  void Fill(int space, Sample r1, Sample r2, Sample r3, Sample c1, Sample c2, Sample c3) {
    FillLayer(ResultLayer, space, r1, r2, r3);
    FillLayer(CurrentLayer, space, c1, c2, c3);
  }
  void Blend(int space, int function, double resultWeight, double currentWeight) {
    BlendParams = TBlendParams{};
    BlendParams.BlendSpace = space == SpaceHSL ? 1 : 0;
    BlendParams.ResultWeight = resultWeight;
    BlendParams.CurrentWeight = currentWeight;
    BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = function;
    BlendCurrentIntoResult();
  }
  Sample Result(int space, int channel, int x = 2, int y = 2) { return Pixel(ResultLayer, space, channel, x, y); }
};

// One case: result and current samples (of channel 3 in RGB, of hue and
// lightness in HSL), the two weights, and the expected value of every
// function 0..23.
struct Case {
  const char* name;
  Sample result, current;
  double resultWeight, currentWeight;
  Sample expected[24];
  // Hue clamps at 359, not 255: the one function whose hue differs.
  int hueFunction = -1;
  Sample hue = 0;
};

const Case kCases[] = {
    // X = 3, Y = 2.5: A = Round(2.75) = 3, D = 0.5, V = 3 xor 2 = 1.
    {"X 3, Y 2.5", 3, 5, 1.0, 0.5,
     {3, 2, 6, 0, 0, 3, 0, 2, 3, 1, 2, 3, 0, 2, 0, 3, 0, 3, 4, 2, 1, 2, 1, 3}},
    // X = 3.5, Y = 3: A = Round(3.25) = 3, D = 0.5, V = 4 xor 3 = 7.
    {"X 3.5, Y 3", 7, 3, 0.5, 1.0,
     {4, 3, 6, 0, 0, 3, 0, 0, 7, 7, 3, 4, 0, 3, 0, 4, 0, 3, 4, 2, 3, 7, 4, 7}},
    // X = 200, Y = 101: A = Round(150.5) = 150, D = 99, V = 200 xor 101 = 173;
    // Add clamps 301 to 255, Subtract Current - Result clamps -99 to 0.
    {"X 200, Y 101", 200, 101, 1.0, 1.0,
     {200, 101, 255, 0, 99, 150, 99, 64, 237, 173, 101, 200, 99, 101, 99, 200, 99, 150, 249, 51, 101, 173, 173, 200},
     2, 301},
    // Both weights below 1.0: the mask (50 everywhere) gives 0.5 and 0.5.
    // X = 254.5, Y = 0.5: A = Round(127.5) = 128, D = 254; 255 clamps.
    {"X 254.5, Y 0.5", 509, 1, 0.5, 0.5,
     {254, 0, 255, 0, 254, 128, 254, 0, 254, 254, 0, 254, 0, 254, 254, 254, 128, 254, 255, 126, 0, 254, 254, 254},
     18, 359},  // A + D = 382
};

TEST_F(BlendTest, EveryFunctionAtTiesAndClampsInRGB) {
  for (const Case& c : kCases) {
    for (int f = 0; f < BlendFunctionCount; ++f) {
      Fill(SpaceRGB, 0, 0, c.result, 0, 0, c.current);
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) ImageStore().BlendMask.at(x, y) = 50;
      Blend(SpaceRGB, f, c.resultWeight, c.currentWeight);
      EXPECT_EQ(Result(SpaceRGB, 3), c.expected[f]) << c.name << ", function " << f << " " << BlendFunctionNames[f];
    }
  }
}

TEST_F(BlendTest, EveryFunctionAtTiesAndClampsInHSL) {
  for (const Case& c : kCases) {
    for (int f = 0; f < BlendFunctionCount; ++f) {
      Fill(SpaceHSL, c.result, 0, c.result, c.current, 0, c.current);
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) ImageStore().BlendMask.at(x, y) = 50;
      Blend(SpaceHSL, f, c.resultWeight, c.currentWeight);
      const Sample hue = f == c.hueFunction ? c.hue : c.expected[f];
      EXPECT_EQ(Result(SpaceHSL, 1), hue) << c.name << ", function " << f << " " << BlendFunctionNames[f];
      EXPECT_EQ(Result(SpaceHSL, 3), c.expected[f]) << c.name << ", function " << f << " " << BlendFunctionNames[f];
      // The RGB space follows: grey of that lightness (S is 0).
      EXPECT_EQ(Result(SpaceRGB, 1), c.expected[f]);
    }
  }
}

// Hue clamps to 0..359, every other channel to 0..255.
TEST_F(BlendTest, HueClampsTo359AndTheOthersTo255) {
  Fill(SpaceHSL, 300, 200, 10, 100, 100, 5);
  Blend(SpaceHSL, 2, 1.0, 1.0);  // Add: 400, 300, 15
  EXPECT_EQ(Result(SpaceHSL, 1), 359);
  EXPECT_EQ(Result(SpaceHSL, 2), 255);
  EXPECT_EQ(Result(SpaceHSL, 3), 15);
  Fill(SpaceHSL, 200, 200, 200, 100, 50, 50);
  Blend(SpaceHSL, 2, 1.0, 1.0);  // Add: 300 stays in hue, 250, 250
  EXPECT_EQ(Result(SpaceHSL, 1), 300);
  EXPECT_EQ(Result(SpaceHSL, 2), 250);
  Fill(SpaceRGB, 200, 200, 200, 100, 50, 50);
  Blend(SpaceRGB, 2, 1.0, 1.0);  // the same sums in RGB: channel 1 clamps to 255
  EXPECT_EQ(Result(SpaceRGB, 1), 255);
  EXPECT_EQ(Result(SpaceRGB, 2), 250);
  // Complex 7 (A + D) in hue: A = Round(250.5) = 250, D = 101 -> 351;
  // with X = 350, Y = 10: A = 180, D = 340 -> 520 -> 359.
  Fill(SpaceHSL, 301, 0, 0, 200, 0, 0);
  Blend(SpaceHSL, 18, 1.0, 1.0);
  EXPECT_EQ(Result(SpaceHSL, 1), 351);
  Fill(SpaceHSL, 350, 0, 0, 10, 0, 0);
  Blend(SpaceHSL, 18, 1.0, 1.0);
  EXPECT_EQ(Result(SpaceHSL, 1), 359);
  // Below zero: Subtract Result - Current.
  Fill(SpaceHSL, 10, 10, 10, 20, 20, 20);
  Blend(SpaceHSL, 4, 1.0, 1.0);
  EXPECT_EQ(Result(SpaceHSL, 1), 0);
  EXPECT_EQ(Result(SpaceHSL, 3), 0);
}

TEST_F(BlendTest, EachChannelUsesItsOwnFunctionAndTheOtherSpaceFollows) {
  Fill(SpaceRGB, 100, 100, 100, 30, 30, 30);
  FillLayer(CurrentLayer, SpaceHSL, 1, 2, 3);  // stale: must not be read in an RGB blend
  BlendParams = TBlendParams{};
  BlendParams.Function[0] = 2;   // Add 130
  BlendParams.Function[1] = 4;   // Subtract Result - Current 70
  BlendParams.Function[2] = 1;   // Current Layer 30
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceRGB, 1), 130);
  EXPECT_EQ(Result(SpaceRGB, 2), 70);
  EXPECT_EQ(Result(SpaceRGB, 3), 30);
  int32_t h, s, l;
  RGBToHSL(130, 70, 30, h, s, l);
  EXPECT_EQ(Result(SpaceHSL, 1), h);
  EXPECT_EQ(Result(SpaceHSL, 2), s);
  EXPECT_EQ(Result(SpaceHSL, 3), l);
  // The current layer is not changed.
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, 2, 2), 30);
  EXPECT_EQ(Pixel(CurrentLayer, SpaceHSL, 1, 2, 2), 1);
}

TEST_F(BlendTest, FunctionsOutsideTheListKeepTheWeightedResult) {
  Fill(SpaceRGB, 40, 41, 43, 200, 200, 200);
  BlendParams = TBlendParams{};
  BlendParams.ResultWeight = 0.5;
  BlendParams.Function[0] = 24;
  BlendParams.Function[1] = -1;
  BlendParams.Function[2] = 1000;
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceRGB, 1), 20);
  EXPECT_EQ(Result(SpaceRGB, 2), 20);  // 20.5 -> 20
  EXPECT_EQ(Result(SpaceRGB, 3), 22);  // 21.5 -> 22
}

// Both weights below 1.0: each pixel takes current = mask / 100 and
// result = 1 - mask / 100. Masks 0, 25, 50, 75, 100 give exact weights.
TEST_F(BlendTest, MaskWeightsWhenBothWeightsAreBelowOne) {
  Fill(SpaceRGB, 0, 0, 0, 0, 0, 0);
  const Sample mask[4] = {0, 25, 50, 100};
  for (int x = 1; x <= 4; ++x)
    for (int y = 1; y <= 3; ++y) {
      ImageStore().BlendMask.at(x, y) = mask[x - 1];
      Pixel(ResultLayer, SpaceRGB, 1, x, y) = 6;
      Pixel(CurrentLayer, SpaceRGB, 1, x, y) = 2;
      Pixel(ResultLayer, SpaceRGB, 2, x, y) = 10;
      Pixel(CurrentLayer, SpaceRGB, 2, x, y) = 11;
    }
  BlendParams = TBlendParams{};
  BlendParams.ResultWeight = 0.99;
  BlendParams.CurrentWeight = 0.0;
  BlendParams.Function[0] = 2;  // Add
  BlendParams.Function[1] = 1;  // Current Layer
  BlendParams.Function[2] = 0;
  BlendCurrentIntoResult();
  // Channel 1, Add: 6 (1 - m) + 2 m: m = 0 -> 6; 0.25 -> 4.5 + 0.5 = 5; 0.5 -> 3 + 1 = 4; 1 -> 2.
  // Channel 2, Current Layer: 11 m: 0, 2.75 -> 3, 5.5 -> 6, 11.
  const Sample add[4] = {6, 5, 4, 2}, current[4] = {0, 3, 6, 11};
  for (int x = 1; x <= 4; ++x) {
    EXPECT_EQ(Result(SpaceRGB, 1, x, 3), add[x - 1]) << x;
    EXPECT_EQ(Result(SpaceRGB, 2, x, 3), current[x - 1]) << x;
  }
  // One weight at 1.0 or above: the record's weights, the mask is ignored.
  Fill(SpaceRGB, 6, 10, 0, 2, 11, 0);
  BlendParams.ResultWeight = 1.0;
  BlendParams.CurrentWeight = 0.5;
  BlendCurrentIntoResult();
  for (int x = 1; x <= 4; ++x) {
    EXPECT_EQ(Result(SpaceRGB, 1, x, 1), 7) << x;  // 6 + 1
    EXPECT_EQ(Result(SpaceRGB, 2, x, 1), 6) << x;  // 5.5 -> 6
  }
  Fill(SpaceRGB, 6, 10, 0, 2, 11, 0);
  BlendParams.ResultWeight = 0.5;
  BlendParams.CurrentWeight = 1.5;
  BlendCurrentIntoResult();
  for (int x = 1; x <= 4; ++x) {
    EXPECT_EQ(Result(SpaceRGB, 1, x, 1), 6) << x;   // 3 + 3
    EXPECT_EQ(Result(SpaceRGB, 2, x, 1), 16) << x;  // 16.5 -> 16
  }
}

TEST_F(BlendTest, TransparencyLeavesPixelsOfTheColourAlone) {
  Fill(SpaceRGB, 50, 60, 70, 1, 2, 3);
  Pixel(CurrentLayer, SpaceRGB, 1, 3, 1) = 9;  // one pixel of another colour
  BlendParams = TBlendParams{};
  BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = 1;  // Current Layer
  BlendParams.TransparencyColor = PackRGB(1, 2, 3);
  BlendParams.ApplyTransparency = 1;
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceRGB, 1, 2, 2), 50);
  EXPECT_EQ(Result(SpaceRGB, 3, 2, 2), 70);
  EXPECT_EQ(Result(SpaceRGB, 1, 3, 1), 9);
  EXPECT_EQ(Result(SpaceRGB, 2, 3, 1), 2);
  // Only the value 1 switches it on.
  Fill(SpaceRGB, 50, 60, 70, 1, 2, 3);
  BlendParams.ApplyTransparency = 2;
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceRGB, 1, 2, 2), 1);
}

TEST_F(BlendTest, TransparencyInHSLComparesThePackedHSL) {
  // Current pixels: HSL (300, 10, 20) everywhere, RGB (44, 44, 44) - unrelated.
  Fill(SpaceHSL, 100, 100, 100, 300, 10, 20);
  FillLayer(CurrentLayer, SpaceRGB, 44, 44, 44);
  Pixel(CurrentLayer, SpaceHSL, 3, 1, 1) = 21;
  BlendParams = TBlendParams{};
  BlendParams.BlendSpace = 1;
  BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = 1;
  BlendParams.TransparencyColor = PackRGB(300, 10, 20);  // 300 + 10 * 256 + 20 * 65536, hue unmasked
  BlendParams.ApplyTransparency = 1;
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceHSL, 1, 2, 2), 100);
  EXPECT_EQ(Result(SpaceHSL, 1, 1, 1), 300);
  EXPECT_EQ(Result(SpaceHSL, 3, 1, 1), 21);
  // A colour whose RGB packs to the transparency colour does not count in HSL.
  Fill(SpaceHSL, 100, 100, 100, 0, 0, 0);
  FillLayer(CurrentLayer, SpaceRGB, 1, 2, 3);
  BlendParams.TransparencyColor = PackRGB(1, 2, 3);
  BlendCurrentIntoResult();
  EXPECT_EQ(Result(SpaceHSL, 1, 2, 2), 0);
  EXPECT_EQ(Result(SpaceHSL, 3, 2, 2), 0);
}

TEST_F(BlendTest, BlendReadsOnlyThePictureArea) {
  Fill(SpaceRGB, 10, 10, 10, 20, 20, 20);
  for (int c = 1; c <= 3; ++c) {
    Pixel(ResultLayer, SpaceRGB, c, 5, 1) = 10;
    Pixel(CurrentLayer, SpaceRGB, c, 5, 1) = 20;
    Pixel(ResultLayer, SpaceRGB, c, 1, 4) = 10;
  }
  Blend(SpaceRGB, 2, 1.0, 1.0);
  EXPECT_EQ(Result(SpaceRGB, 1, 4, 3), 30);
  EXPECT_EQ(Result(SpaceRGB, 1, 5, 1), 10);
  EXPECT_EQ(Result(SpaceRGB, 1, 1, 4), 10);
  EXPECT_EQ(BlendFlag, 0);  // not the blend's business
}

}  // namespace
}  // namespace quillon::test
