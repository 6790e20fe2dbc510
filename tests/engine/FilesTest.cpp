// Module preset files and the BMP of the result layer, written to a
// temporary folder and read back byte by byte.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "EngineTest.h"
#include "engine/Bitmap.h"
#include "engine/Color.h"
#include "engine/Errors.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/Presets.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

class FilesTest : public EngineTest {
 protected:
  fs::path dir_;
  void SetUp() override {
    EngineTest::SetUp();
    dir_ = fs::temp_directory_path() /
           ("quillon-files-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    EngineTest::TearDown();
  }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  static std::vector<unsigned char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteAll(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
  }
  static uint16_t U16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
  }
  // Files left in the folder, temporary ones included.
  size_t FileCount() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {})); }
};

TEST_F(FilesTest, ModulePresetIs140LittleEndianBytesAndReadsBack) {
  ModuleParams[3].ModuleType = 57;
  for (int k = 1; k <= 33; ++k) ModuleParams[3].ParamValue[k] = k * 1000 - 5000;
  ModuleParams[3].ParamValue[1] = -1;
  ModuleParams[3].ParamValue[33] = INT32_MIN;
  const std::string path = PathOf("a.mpr");
  WriteModulePreset(path, PresetOfInstance(3));
  const std::vector<unsigned char> bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 140u);
  EXPECT_EQ(U32(bytes, 0), 123456604u);  // 5C CC 5B 07
  EXPECT_EQ(bytes[0], 0x5C);
  EXPECT_EQ(bytes[3], 0x07);
  EXPECT_EQ(U32(bytes, 4), 57u);
  EXPECT_EQ(U32(bytes, 8), 0xFFFFFFFFu);
  EXPECT_EQ(U32(bytes, 12), static_cast<uint32_t>(2 * 1000 - 5000));
  EXPECT_EQ(U32(bytes, 136), 0x80000000u);
  EXPECT_EQ(FileCount(), 1u);  // no temporary file left

  ModulePreset read;
  ReadModulePreset(path, read);
  EXPECT_EQ(read.Magic, PresetMagic);
  EXPECT_EQ(read.ModuleType, 57);
  EXPECT_EQ(read.Values[0], -1);
  EXPECT_EQ(read.Values[16], 17 * 1000 - 5000);
  EXPECT_EQ(read.Values[32], INT32_MIN);
  ApplyPresetValues(5, read);
  for (int k = 1; k <= 33; ++k) EXPECT_EQ(ModuleParams[5].ParamValue[k], ModuleParams[3].ParamValue[k]) << k;
  EXPECT_EQ(ModuleParams[5].ModuleType, 0);  // only the values are applied
}

TEST_F(FilesTest, PresetMagicIsReadButNotCompared) {
  std::vector<unsigned char> bytes(140, 0);
  bytes[0] = 1;   // magic 1
  bytes[4] = 42;  // type 42
  bytes[8] = 7;   // value 1 = 7
  bytes[139] = 0x80;  // value 33 = INT32_MIN
  WriteAll(PathOf("b.mpr"), bytes);
  ModulePreset read;
  ReadModulePreset(PathOf("b.mpr"), read);
  EXPECT_EQ(read.Magic, 1);
  EXPECT_EQ(read.ModuleType, 42);
  EXPECT_EQ(read.Values[0], 7);
  EXPECT_EQ(read.Values[32], INT32_MIN);
  // Bytes beyond 140 are not read.
  bytes.resize(200, 0xFF);
  WriteAll(PathOf("c.mpr"), bytes);
  ReadModulePreset(PathOf("c.mpr"), read);
  EXPECT_EQ(read.Values[32], INT32_MIN);
}

TEST_F(FilesTest, ShortMissingOrUnreadablePresetIsRefusedAndChangesNothing) {
  ModulePreset kept;
  kept.ModuleType = 9;
  kept.Values[4] = 55;
  auto unchanged = [&](const ModulePreset& p) {
    return p.Magic == PresetMagic && p.ModuleType == 9 && p.Values[4] == 55 && p.Values[0] == 0;
  };
  WriteAll(PathOf("short.mpr"), std::vector<unsigned char>(139, 1));
  ModulePreset p = kept;
  EXPECT_THROW(ReadModulePreset(PathOf("short.mpr"), p), QuillonError);
  EXPECT_TRUE(unchanged(p));
  WriteAll(PathOf("empty.mpr"), {});
  EXPECT_THROW(ReadModulePreset(PathOf("empty.mpr"), p), QuillonError);
  EXPECT_TRUE(unchanged(p));
  EXPECT_THROW(ReadModulePreset(PathOf("missing.mpr"), p), QuillonError);
  EXPECT_TRUE(unchanged(p));
  fs::create_directories(dir_ / "folder.mpr");
  try {
    ReadModulePreset(PathOf("folder.mpr"), p);
    ADD_FAILURE() << "a folder was read as a preset";
  } catch (const QuillonError& e) {
    EXPECT_NE(std::string(e.what()).find("folder.mpr"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(unchanged(p));
}

TEST_F(FilesTest, FailedWriteLeavesNoFile) {
  EXPECT_THROW(WriteModulePreset(PathOf("no/such/folder/x.mpr"), ModulePreset{}), QuillonError);
  EXPECT_THROW(SaveResultBMP(PathOf("no/such/folder/x.bmp")), QuillonError);
  EXPECT_EQ(FileCount(), 0u);
  // A file of that name is replaced whole.
  WriteAll(PathOf("x.mpr"), std::vector<unsigned char>(500, 9));
  WriteModulePreset(PathOf("x.mpr"), ModulePreset{});
  EXPECT_EQ(ReadAll(PathOf("x.mpr")).size(), 140u);
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FilesTest, ResultLayerIsWrittenAsA24BitBottomUpBMP) {
  ImageWidth = 3;  // 9 bytes a row, padded to 12
  ImageHeight = 2;
  const int colours[2][3][3] = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},    // top row, y = 1
                                {{1, 2, 3}, {300, -5, 128}, {10, 20, 30}}};  // y = 2; 300 and -5 clamp
  for (int y = 1; y <= 2; ++y)
    for (int x = 1; x <= 3; ++x)
      for (int c = 1; c <= 3; ++c)
        Pixel(ResultLayer, SpaceRGB, c, x, y) = static_cast<Sample>(colours[y - 1][x - 1][c - 1]);
  // The HSL space and the current layer play no part.
  FillLayer(CurrentLayer, SpaceRGB, 77, 77, 77);
  const std::string path = PathOf("picture.bmp");
  SaveResultBMP(path);
  const std::vector<unsigned char> b = ReadAll(path);
  ASSERT_EQ(b.size(), 54u + 2 * 12);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 2), 78u);   // file size
  EXPECT_EQ(U32(b, 6), 0u);    // reserved
  EXPECT_EQ(U32(b, 10), 54u);  // pixel offset
  EXPECT_EQ(U32(b, 14), 40u);  // info header size
  EXPECT_EQ(U32(b, 18), 3u);   // width
  EXPECT_EQ(U32(b, 22), 2u);   // height, positive: bottom row first
  EXPECT_EQ(U16(b, 26), 1u);   // planes
  EXPECT_EQ(U16(b, 28), 24u);  // bits per pixel
  EXPECT_EQ(U32(b, 30), 0u);   // no compression
  EXPECT_EQ(U32(b, 34), 24u);  // pixel bytes
  // Decode: rows bottom-up, pixels as blue, green, red, rows padded to 4 bytes.
  for (int row = 0; row < 2; ++row) {
    const int y = 2 - row;
    const size_t at = 54 + static_cast<size_t>(row) * 12;
    for (int x = 1; x <= 3; ++x) {
      const int* rgb = colours[y - 1][x - 1];
      auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
      EXPECT_EQ(b[at + (x - 1) * 3 + 0], clamp(rgb[2])) << x << "," << y;
      EXPECT_EQ(b[at + (x - 1) * 3 + 1], clamp(rgb[1])) << x << "," << y;
      EXPECT_EQ(b[at + (x - 1) * 3 + 2], clamp(rgb[0])) << x << "," << y;
    }
    for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(b[at + pad], 0) << row;
  }
  EXPECT_EQ(FileCount(), 1u);
  // The rendered picture itself: packed colours, top row first.
  const std::vector<int32_t> px = RenderResult();
  ASSERT_EQ(px.size(), 6u);
  EXPECT_EQ(px[0], PackRGB(255, 0, 0));
  EXPECT_EQ(px[4], PackRGB(255, 0, 128));
}

TEST_F(FilesTest, WideBMPRowsNeedNoPadding) {
  ImageWidth = 4;
  ImageHeight = 1;
  FillLayer(ResultLayer, SpaceRGB, 9, 8, 7);
  SaveResultBMP(PathOf("wide.bmp"));
  const std::vector<unsigned char> b = ReadAll(PathOf("wide.bmp"));
  ASSERT_EQ(b.size(), 54u + 12);
  EXPECT_EQ(U32(b, 34), 12u);
  EXPECT_EQ(b[54 + 9], 7);
  EXPECT_EQ(b[54 + 11], 9);
}

}  // namespace
}  // namespace quillon::test
