// The clear of the image store: every part of it reads zero afterwards, at
// its first and last sample and between, also after a second round of
// writes, and a store nothing wrote to stays zero. Readying planes for
// writing changes none of their samples.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EngineTest.h"

namespace quillon::test {
namespace {

// One part of the store: a name and a sample at an index (0 = first, 1 =
// middle, 2 = last) read or written as a float.
struct StorePart {
  std::string Name;
  std::function<float&(int)> FloatAt;
  std::function<Sample&(int)> SampleAt;
};

template <typename T>
T& At(PlaneOf<T>& p, int where) {
  const int x = where == 0 ? 1 : (where == 1 ? 517 : MaxImageSide);
  const int y = where == 0 ? 1 : (where == 1 ? 300 : MaxImageSide);
  return p.at(x, y);
}

std::vector<StorePart> Parts() {
  std::vector<StorePart> parts;
  auto plane = [&](std::string name, Plane& p) {
    parts.push_back({name, nullptr, [&p](int w) -> Sample& { return At(p, w); }});
  };
  for (int l : {CurrentLayer, ResultLayer})
    for (int s : {SpaceRGB, SpaceHSL})
      for (int c : {1, 3}) plane("layer " + std::to_string(l) + "/" + std::to_string(s) + "/" + std::to_string(c),
                                 LayerPlane(l, s, c));
  plane("backup", ImageStore().BackupLayer.plane(SpaceHSL, 3));
  for (int b = 0; b < 3; ++b) plane("buffer " + std::to_string(b + 1), ImageStore().Buffers[b].plane(SpaceRGB, 2));
  plane("mask", ImageStore().BlendMask);
  parts.push_back({"float matrix", [](int w) -> float& { return At(ImageStore().FloatMatrix, w); }, nullptr});
  for (int c = 0; c < 3; ++c)
    parts.push_back({"float plane " + std::to_string(c + 1),
                     [c](int w) -> float& { return At(ImageStore().FloatPlanes[c], w); }, nullptr});
  return parts;
}

void WriteEverywhere(float value) {
  for (const StorePart& p : Parts())
    for (int w = 0; w < 3; ++w) {
      if (p.SampleAt) p.SampleAt(w) = static_cast<Sample>(value);
      if (p.FloatAt) p.FloatAt(w) = value;
    }
  LineBuffer[0] = LineBuffer[MaxImageSide - 1] = static_cast<int32_t>(value);
}

void ExpectZeroEverywhere(const char* when) {
  for (const StorePart& p : Parts())
    for (int w = 0; w < 3; ++w) {
      const float v = p.SampleAt ? p.SampleAt(w) : p.FloatAt(w);
      EXPECT_EQ(v, 0.0f) << p.Name << " sample " << w << " " << when;
    }
  EXPECT_EQ(LineBuffer[0], 0) << when;
  EXPECT_EQ(LineBuffer[MaxImageSide - 1], 0) << when;
}

using ImageStoreTest = EngineTest;

TEST_F(ImageStoreTest, ClearZeroesEveryPartAgainAndAgain) {
  ClearImageStore();
  ExpectZeroEverywhere("after a clear of a clear store");
  WriteEverywhere(-7);
  ClearImageStore();
  ExpectZeroEverywhere("after the first clear");
  WriteEverywhere(1234);
  EXPECT_EQ(At(ImageStore().Layers[1].plane(SpaceRGB, 1), 1), 1234) << "a cleared store takes new samples";
  ClearImageStore();
  ExpectZeroEverywhere("after the second clear");
}

// Readying planes for writing keeps what they hold, written or still zero,
// at any picture width, again after a clear, and when readied twice or after
// a narrower picture.
TEST_F(ImageStoreTest, PreparingKeepsEveryPartAsItIs) {
  for (int width : {0, 1, 300, 517, MaxImageSide}) {
    ImageWidth = width;
    ClearImageStore();
    WriteEverywhere(-7);
    PrepareToWrite(Layer(CurrentLayer));
    PrepareToWrite(ImageStore().BackupLayer, SpaceHSL);
    PrepareToWrite({&ImageStore().Buffers[0].plane(SpaceRGB, 2), &ImageStore().BlendMask});
    PrepareToWrite({&ImageStore().FloatMatrix, &ImageStore().FloatPlanes[0], &ImageStore().FloatPlanes[2]});
    for (const StorePart& p : Parts())
      for (int w = 0; w < 3; ++w) {
        const float v = p.SampleAt ? p.SampleAt(w) : p.FloatAt(w);
        EXPECT_EQ(v, -7.0f) << p.Name << " sample " << w << " at width " << width;
      }
    ClearImageStore();
    for (const StorePart& p : Parts()) {
      if (p.SampleAt) p.SampleAt(1) = 5;
    }
    PrepareToWrite(Layer(ResultLayer));
    ImageWidth = MaxImageSide;
    PrepareToWrite(Layer(ResultLayer));
    PrepareToWrite(Layer(CurrentLayer));
    EXPECT_EQ(At(ImageStore().Layers[0].plane(SpaceRGB, 1), 0), 0) << "width " << width;
    EXPECT_EQ(At(ImageStore().Layers[1].plane(SpaceHSL, 3), 1), 5) << "width " << width;
    EXPECT_EQ(At(ImageStore().Layers[1].plane(SpaceHSL, 3), 2), 0) << "width " << width;
  }
}

// A table of LargeTable's is readied as the store's planes are, at any
// width, and keeps what it holds; clearing the store leaves it as it is.
struct ReadiedTable {
  Plane Columns;
};
TEST_F(ImageStoreTest, PreparingATableKeepsWhatItHolds) {
  Plane& t = LargeTable<ReadiedTable>().Columns;
  for (int width : {1, 517, MaxImageSide}) {
    ImageWidth = width;
    t.at(width, 1) = static_cast<Sample>(width);
    PrepareToWrite({&t});
    PrepareColumnsToWrite(t.v, sizeof(t.v[0]));
    ClearImageStore();
    EXPECT_EQ(t.at(width, 1), width);
  }
  EXPECT_EQ(t.at(1, 2), 0);
}

// A picture outside the store, a copy on the heap, is copied into and out of
// as any other: only the store's own planes are readied for writing.
TEST_F(ImageStoreTest, CopiesIntoAndOutOfAPictureOutsideTheStore) {
  ImageWidth = ImageHeight = MaxImageSide;
  auto copy = std::make_unique<LayerData>();
  ImageStore().Layers[1].plane(SpaceRGB, 2).at(MaxImageSide, MaxImageSide) = 77;
  CopyPicture(ImageStore().Layers[1], *copy);
  EXPECT_EQ(copy->plane(SpaceRGB, 2).at(MaxImageSide, MaxImageSide), 77);
  CopyPicture(*copy, ImageStore().BackupLayer);
  EXPECT_EQ(ImageStore().BackupLayer.plane(SpaceRGB, 2).at(MaxImageSide, MaxImageSide), 77);
  EXPECT_EQ(ImageStore().BackupLayer.plane(SpaceRGB, 1).at(1, 1), 0);
}

TEST_F(ImageStoreTest, ClearLeavesTheMemoryAroundTheStoreAlone) {
  // The picture size and the neighbour list live beside the store.
  ImageWidth = 300;
  ImageHeight = 200;
  ClearImageStore();
  EXPECT_EQ(ImageWidth, 300);
  EXPECT_EQ(ImageHeight, 200);
}

}  // namespace
}  // namespace quillon::test
