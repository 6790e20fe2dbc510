// The ten chaotic functions at their defaults (10,000,000 steps) on a
// 1024 x 1024 picture, against digests recorded once. The pictures depend
// on nothing but the parameters: no library function whose bits change with
// the processor or the build decides a step, so every build type and every
// machine must give these digests, whether the steps run as SSE2 or as
// AVX2 code (both are run where the processor has AVX2). A digest changes
// only by a commit that says why the picture changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/chaotic/ChaosCloud.h"

namespace quillon {
namespace {

struct DefaultPicture {
  int32_t Type;
  const char* Code;
  uint64_t Digest;
};

const DefaultPicture Pictures[] = {
    {92, "K1M1", 0x0cf632332922db6bull},
    {93, "K1M2", 0xc3b59fcceb9724fbull},
    {94, "K1M3", 0xb5fa3ac12884f45bull},
    {95, "K1M4", 0x2bb28847cf818583ull},
    {67, "K2M1", 0xc3ee33c31d8dc6e3ull},
    {68, "K2M2", 0x0f249fd2c72f0a53ull},
    {69, "K2M3", 0x089b6831006f8f2bull},
    {70, "K2M4", 0x9937a97aee98b573ull},
    {71, "K2M5", 0x86af6212d89282c3ull},
    {72, "K2M6", 0x06d7ee55df2a63b3ull},
};

// FNV-1a over every sample of both spaces of the current layer.
uint64_t CurrentLayerDigest() {
  uint64_t h = 1469598103934665603ull;
  for (int s : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) {
          const auto v = static_cast<uint16_t>(LayerPlane(CurrentLayer, s, c).at(x, y));
          h = (h ^ v) * 1099511628211ull;
        }
  return h;
}

class ChaosDefaults : public ::testing::TestWithParam<DefaultPicture> {};

TEST_P(ChaosDefaults, GiveTheRecordedPicture) {
  const DefaultPicture& p = GetParam();
  const bool processorWide = ChaosWideSteps;
  for (bool wide : {false, true}) {
    if (wide && !processorWide) continue;
    ChaosWideSteps = wide;
    ResetEngine();
    ImageWidth = ImageHeight = 1024;
    RunningInstance = CreateInstance(p.Type);
    TypeExecuteProc[p.Type]();
    const uint64_t got = CurrentLayerDigest();
    char now[64];
    std::snprintf(now, sizeof now, "{%d, \"%s\", 0x%016llxull},", p.Type, p.Code, static_cast<unsigned long long>(got));
    EXPECT_EQ(got, p.Digest) << (wide ? "AVX2" : "SSE2") << " steps: the picture changed; now " << now;
  }
  ChaosWideSteps = processorWide;
  ResetEngine();
}

INSTANTIATE_TEST_SUITE_P(TenMembers, ChaosDefaults, ::testing::ValuesIn(Pictures),
                         [](const auto& info) { return std::string(info.param.Code); });

}  // namespace
}  // namespace quillon
