// Module preset files through the forms' dialogs: saved, loaded, refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <unistd.h>

#include "engine/Instances.h"
#include "engine/Presets.h"
#include "engine/Startup.h"
#include "shell/ModulePresets.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/Events.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
namespace fs = std::filesystem;

namespace {

void NoWork() {}

class ModulePresets : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine();
    ClearMessageLog();
    ClearDialogAnswers();
    dir = fs::temp_directory_path() /
          ("quillon-presets-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    TypeExecuteProc[54] = NoWork;
    TypeExecuteProc[101] = NoWork;
    ASSERT_EQ(CreateInstance(54), 1);
    for (int k = 1; k <= ParamCount; ++k) ModuleParams[1].ParamValue[k] = k * 1000 - 7;
    ModuleParams[1].ParamValue[33] = -123456789;
    TextureDirty = 0;
  }
  void TearDown() override {
    ClearDialogAnswers();
    fs::remove_all(dir);
    ResetEngine();
  }
  std::vector<unsigned char> Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  fs::path dir;
};

int32_t At(const std::vector<unsigned char>& b, size_t offset) {
  return static_cast<int32_t>(b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 |
                              static_cast<uint32_t>(b[offset + 3]) << 24);
}

}  // namespace

TEST_F(ModulePresets, SavedWithTheDefaultExtensionAndLoadedBack) {
  QueueFileAnswer((dir / "pack").string());
  SaveModulePresetDialog();
  const fs::path file = dir / "pack.mpr";
  const std::vector<unsigned char> b = Bytes(file);
  ASSERT_EQ(b.size(), 140u);
  EXPECT_EQ(At(b, 0), 123456604);
  EXPECT_EQ(At(b, 4), 54);
  EXPECT_EQ(At(b, 8), 993);
  EXPECT_EQ(At(b, 136), -123456789);
  EXPECT_EQ(TextureDirty, 0);

  // Into a second instance of the same type: the 33 values, as stored.
  ASSERT_EQ(CreateInstance(54), 2);
  TextureDirty = 0;
  QueueFileAnswer(file.string());
  LoadModulePreset();
  for (int k = 1; k <= ParamCount; ++k) EXPECT_EQ(ModuleParams[2].ParamValue[k], ModuleParams[1].ParamValue[k]);
  EXPECT_EQ(TextureDirty, 1);
  EXPECT_TRUE(MessageLog().empty());

  QueueCancelAnswer();  // a cancelled save writes nothing
  SaveModulePresetDialog();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(ModulePresets, AnotherTypeIsRefusedWithItsMessage) {
  ModulePreset other;
  other.ModuleType = 101;
  for (int k = 0; k < 33; ++k) other.Values[k] = 5;
  WriteModulePreset((dir / "other.mpr").string(), other);
  QueueFileAnswer((dir / "other.mpr").string());
  LoadModulePreset();
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Text, "The current module type doesn't match the module preset type");
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(ModuleParams[1].ParamValue[1], 993);
  EXPECT_EQ(TextureDirty, 1);
}

TEST_F(ModulePresets, AShortOrMissingFileIsAStopBoxAndTheValuesStay) {
  {
    std::ofstream out(dir / "short.mpr", std::ios::binary);
    const char head[12] = {0x5c, 0x0c, 0x5c, 0x07, 54, 0, 0, 0, 1, 0, 0, 0};  // magic, type 54, one value
    out.write(head, sizeof head);
  }
  QueueFileAnswer((dir / "short.mpr").string());
  LoadModulePreset();
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);
  EXPECT_EQ(ModuleParams[1].ParamValue[1], 993);
  EXPECT_EQ(TextureDirty, 1);

  QueueFileAnswer((dir / "missing.mpr").string());
  EXPECT_TRUE(DispatchEvent(LoadModulePreset));  // handled inside: the event ends normally
  ASSERT_EQ(MessageLog().size(), 2u);
  EXPECT_EQ(MessageLog()[1].Icon, MessageIcon::Stop);
  EXPECT_EQ(ModuleParams[1].ParamValue[33], -123456789);
}

TEST_F(ModulePresets, ACancelledLoadStillMarksTheTextureChanged) {
  QueueCancelAnswer();
  LoadModulePreset();
  EXPECT_EQ(TextureDirty, 1);
  EXPECT_EQ(ModuleParams[1].ParamValue[1], 993);
  EXPECT_TRUE(MessageLog().empty());
}
