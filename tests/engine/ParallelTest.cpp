// Whole-picture passes give the same pictures, bit for bit, at one thread and
// at several.
#include <functional>

#include "EngineTest.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon::test {
namespace {

struct Store {
  LayerData layers[2];
  LayerData backup;
};

class ParallelTest : public EngineTest {
 protected:
  // A 256 x 200 picture of random samples (a few out of range), both layers,
  // both spaces, and a random mask.
  void Scramble() {
    ImageWidth = 256;
    ImageHeight = 200;
    int32_t seed = 2024;
    InitRandom(seed);
    for (int layer : {CurrentLayer, ResultLayer})
      for (int s : {SpaceRGB, SpaceHSL})
        for (int c = 1; c <= 3; ++c)
          for (int x = 1; x <= ImageWidth; ++x)
            for (int y = 1; y <= ImageHeight; ++y)
              Pixel(layer, s, c, x, y) = static_cast<Sample>(RandomInt(seed, -2, s == SpaceHSL && c == 1 ? 361 : 257));
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y)
        ImageStore().BlendMask.at(x, y) = static_cast<Sample>(RandomInt(seed, 0, 100));
  }
  // Runs the pass from the same start at 1 and at 7 threads.
  void ExpectSameAtEveryThreadCount(const char* name, const std::function<void()>& pass) {
    static Store single, several;
    Scramble();
    SetThreadCount(1);
    pass();
    single.layers[0] = ImageStore().Layers[0];
    single.layers[1] = ImageStore().Layers[1];
    single.backup = ImageStore().BackupLayer;
    Scramble();
    SetThreadCount(7);
    ASSERT_EQ(ThreadCount(), 7);
    pass();
    several.layers[0] = ImageStore().Layers[0];
    several.layers[1] = ImageStore().Layers[1];
    several.backup = ImageStore().BackupLayer;
    SetThreadCount(0);
    EXPECT_TRUE(SamePictures(single.layers[0], several.layers[0])) << name << ": current layer";
    EXPECT_TRUE(SamePictures(single.layers[1], several.layers[1])) << name << ": result layer";
    EXPECT_TRUE(SamePictures(single.backup, several.backup)) << name << ": backup layer";
  }
  static void SetBlend(int space, int f1, int f2, int f3, double rw, double cw, int transparency) {
    BlendParams = TBlendParams{};
    BlendParams.BlendSpace = space;
    BlendParams.Function[0] = f1;
    BlendParams.Function[1] = f2;
    BlendParams.Function[2] = f3;
    BlendParams.ResultWeight = rw;
    BlendParams.CurrentWeight = cw;
    BlendParams.ApplyTransparency = transparency >= 0;
    BlendParams.TransparencyColor = transparency;
  }
};

TEST_F(ParallelTest, ColourSyncs) {
  ExpectSameAtEveryThreadCount("RGB -> HSL", [] { SyncColorSpace(SpaceRGB); });
  ExpectSameAtEveryThreadCount("HSL -> RGB", [] { SyncColorSpace(SpaceHSL); });
  ExpectSameAtEveryThreadCount("current RGB -> HSL", [] { SyncCurrentColorSpace(SpaceRGB); });
  ExpectSameAtEveryThreadCount("current HSL -> RGB", [] { SyncCurrentColorSpace(SpaceHSL); });
}

TEST_F(ParallelTest, Blends) {
  ExpectSameAtEveryThreadCount("add", [] {
    SetBlend(0, 2, 2, 2, 1.0, 1.0, -1);
    BlendCurrentIntoResult();
  });
  ExpectSameAtEveryThreadCount("mixed HSL", [] {
    SetBlend(1, 5, 19, 23, 0.7, 1.3, -1);
    BlendCurrentIntoResult();
  });
  ExpectSameAtEveryThreadCount("mask", [] {
    SetBlend(0, 9, 16, 21, 0.5, 0.5, -1);
    BlendCurrentIntoResult();
  });
  ExpectSameAtEveryThreadCount("transparency", [] {
    // Some current pixels of the transparency colour, spread over the columns.
    for (int x = 1; x <= ImageWidth; x += 3) SetLayerPixel3(CurrentLayer, SpaceRGB, x, 5, 10, 20, 30);
    SetBlend(0, 1, 1, 1, 1.0, 1.0, PackRGB(10, 20, 30));
    BlendCurrentIntoResult();
  });
}

TEST_F(ParallelTest, CopiesFillAndStretch) {
  ExpectSameAtEveryThreadCount("copy current to result", [] { CopyCurrentToResult(); });
  ExpectSameAtEveryThreadCount("copy result to current", [] { CopyResultToCurrent(); });
  ExpectSameAtEveryThreadCount("backup and restore", [] {
    SaveResultToBackup();
    FillLayer(ResultLayer, SpaceRGB, 1, 2, 3);
    RestoreResultFromBackup();
  });
  ExpectSameAtEveryThreadCount("fill", [] { FillLayer(CurrentLayer, SpaceHSL, 7, 8, 9); });
  ExpectSameAtEveryThreadCount("stretch", [] { StretchChannel(ResultLayer, SpaceHSL, 2, 3.5, 250.25); });
}

// The copies move exactly the picture area, both spaces, all channels.
TEST_F(ParallelTest, CopiesCoverThePictureAreaOnly) {
  ImageWidth = 70;
  ImageHeight = 5;
  for (int s : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= 71; ++x)
        for (int y = 1; y <= 6; ++y) {
          Pixel(CurrentLayer, s, c, x, y) = static_cast<Sample>(x + y + c + s);
          Pixel(ResultLayer, s, c, x, y) = -7;
        }
  SetThreadCount(3);
  CopyCurrentToResult();
  SetThreadCount(0);
  for (int s : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(Pixel(ResultLayer, s, c, 70, 5), 70 + 5 + c + s);
      EXPECT_EQ(Pixel(ResultLayer, s, c, 1, 1), 1 + 1 + c + s);
      EXPECT_EQ(Pixel(ResultLayer, s, c, 71, 1), -7);
      EXPECT_EQ(Pixel(ResultLayer, s, c, 1, 6), -7);
    }
  SaveResultToBackup();
  FillLayer(ResultLayer, SpaceHSL, 0, 0, 0);
  RestoreResultFromBackup();
  EXPECT_EQ(Pixel(ResultLayer, SpaceHSL, 3, 35, 3), 35 + 3 + 3 + 2);
  EXPECT_EQ(ImageStore().BackupLayer.plane(SpaceHSL, 3).at(35, 3), 35 + 3 + 3 + 2);
  EXPECT_EQ(ImageStore().BackupLayer.plane(SpaceHSL, 3).at(71, 3), 0);
  FillLayer(CurrentLayer, SpaceRGB, 1, 1, 1);
  CopyResultToCurrent();
  EXPECT_EQ(Pixel(CurrentLayer, SpaceRGB, 1, 10, 2), 10 + 2 + 1 + 1);
}

}  // namespace
}  // namespace quillon::test
