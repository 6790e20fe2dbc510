// Any 32-bit value in any field of a work record: the generators finish,
// stay inside the picture and leave no undefined behaviour (the sanitizer
// build runs these). Counts and lengths are held small only where their
// work is bounded by the count alone.
#include <random>

#include "GeneratorTest.h"
#include "engine/Instances.h"
#include "modules/generators/Blob.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Pls1.h"
#include "modules/generators/Poly.h"
#include "modules/generators/Shapes.h"
#include "modules/generators/SinX.h"
#include "modules/generators/Twig.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;
using namespace quillon::test;

namespace {

const int32_t Extremes[] = {INT32_MIN, INT32_MIN + 1, -65536, -361, -1, 0, 1, 2, 255, 360, 1025, INT32_MAX - 1, INT32_MAX};

struct Fuzz {
  std::mt19937 gen{20240611};
  int32_t Any() {
    if (gen() % 2) return Extremes[gen() % std::size(Extremes)];
    return static_cast<int32_t>(gen());
  }
  int32_t Small(int32_t Lo, int32_t Hi) { return Lo + static_cast<int32_t>(gen() % static_cast<uint32_t>(Hi - Lo + 1)); }
  template <typename Record>
  void Fill(Record& r) {
    int32_t* f = reinterpret_cast<int32_t*>(&r);
    for (size_t i = 0; i < sizeof(Record) / sizeof(int32_t); ++i) f[i] = Any();
  }
};

const std::pair<int, int> Sizes[] = {{1, 1}, {3, 2}, {2, 7}, {9, 5}};

}  // namespace

TEST(GeneratorFuzz, NoiseShapesAndMaps) {
  Fuzz z;
  for (auto [w, h] : Sizes) {
    FreshPicture(w, h);
    for (int round = 0; round < 40; ++round) {
      z.Fill(NoiseWork);
      RunningInstance = z.Any();
      Noise_Compute();
      z.Fill(SH01Work);
      SH01Work.Count = z.Small(-3, 30);
      RandomSeed = z.Any();
      SH01_Compute();
      z.Fill(SIN1Work);
      SinX_ComputeLum();
      z.Fill(SIN3Work);
      SinX_ComputeHue();
    }
  }
  RunningInstance = 0;
  ClearMessageLog();
}

TEST(GeneratorFuzz, WalksAndLines) {
  Fuzz z;
  for (auto [w, h] : Sizes) {
    FreshPicture(w, h);
    for (int round = 0; round < 30; ++round) {
      z.Fill(TWIGWork);
      TWIGWork.Occurences = z.Small(-2, 12);
      TWIGWork.MinLength = z.Small(-50, 100);
      TWIGWork.MaxLength = z.Small(-50, 300);
      TWIG_Compute();
      z.Fill(POLYWork);
      POLYWork.Occurences = z.Small(-2, 12);
      POLY_Run();
      for (int x = 1; x <= w; ++x)
        for (int y = 1; y <= h; ++y) ASSERT_NE(H(x, y), EmptyValue);
    }
  }
}

TEST(GeneratorFuzz, GrainsAndBlobs) {
  Fuzz z;
  for (auto [w, h] : Sizes) {
    FreshPicture(w, h);
    for (int round = 0; round < 30; ++round) {
      z.Fill(BLOBWork);
      BLOBWork.Count = z.Small(-2, 6);
      // Keep the grain work small here; the largest radius is tested once.
      BLOBWork.RadiusMin = z.Small(-40, 40);
      BLOBWork.RadiusMax = z.Small(-40, 40);
      BLOB_Compute();
      z.Fill(PLS1Work);
      PLS1Work.Count = z.Small(-2, 5);
      PLS1_Compute();
      ExpectSoundLayer(SpaceRGB);
    }
  }
}
