// The filters at 1024 x 1024 with the work records the composite textures
// pass them. Each benchmark takes the thread count as its argument; the
// picture is restored outside the timed part before every run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/filters/Filters.h"

using namespace quillon;

namespace {

enum class Input { Noise, SparseNoise6, SparseNoise2, SparseLines, Black };

// The pictures the textures hand to the filters: a colour noise, sparse noise
// on black (the fills' input), or thin lines on black (the gradient fill's).
void MakeInput(Input input) {
  static bool started = false;
  if (!started) {
    ResetEngine();
    started = true;
  }
  ImageWidth = ImageHeight = 1024;
  std::mt19937 g(12345);
  std::uniform_int_distribution<int> d(0, 255);
  for (int c = 1; c <= 3; ++c)
    for (int x = 1; x <= 1024; ++x)
      for (int y = 1; y <= 1024; ++y) Pixel(ResultLayer, SpaceRGB, c, x, y) = static_cast<Sample>(d(g));
  if (input != Input::Noise) {
    const int keep = input == Input::SparseNoise6 ? 6 : (input == Input::SparseNoise2 ? 2 : (input == Input::Black ? -1 : 0));
    for (int x = 1; x <= 1024; ++x)
      for (int y = 1; y <= 1024; ++y) {
        const bool line = input == Input::SparseLines && (x % 37 == 0 || y % 53 == 0 || (x + 3 * y) % 211 == 0);
        if (!line && static_cast<int>(g() % 100) >= keep)
          for (int c = 1; c <= 3; ++c) Pixel(ResultLayer, SpaceRGB, c, x, y) = 0;
      }
  }
  SyncColorSpace(SpaceRGB);
  CopyPicture(Layer(ResultLayer), Layer(CurrentLayer));
  CopyPicture(Layer(ResultLayer), ImageStore().Buffers[0]);
}

void Run(benchmark::State& state, Input input, const std::function<void()>& filter) {
  MakeInput(input);
  LayerData& saved = ImageStore().BackupLayer;
  CopyPicture(Layer(ResultLayer), saved);
  SetThreadCount(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    CopyPicture(saved, Layer(ResultLayer));
    state.ResumeTiming();
    filter();
  }
  SetThreadCount(0);
}

#define FILTER_BENCH(Name, input, ...)                                   \
  void BM_##Name(benchmark::State& state) { Run(state, input, [] { __VA_ARGS__; }); } \
  BENCHMARK(BM_##Name)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()

// Red Swimming Pool phase 2 and Cloth / Roughcast / Plank phase 2 / 4 / 10.
FILTER_BENCH(RandomColorFill_Mode1, Input::SparseNoise6,
             RNCCWork = (TRNCCWork{SpaceHSL, 1, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}});
             RandomSeed = 0; RandomColorFill());
FILTER_BENCH(RandomColorFill_Mode2, Input::SparseNoise2,
             RNCCWork = (TRNCCWork{SpaceHSL, 2, {{0, 0}, {10, 10}, {10, 10}}, {0, 0, 0}});
             RandomSeed = 0; RandomColorFill());
// Roughcast with all six noise bounds 0: nothing but key pixels.
FILTER_BENCH(RandomColorFill_OnlyKeyPixels, Input::Black,
             RNCCWork = (TRNCCWork{SpaceHSL, 2, {{0, 0}, {10, 10}, {10, 10}}, {0, 0, 0}});
             RandomSeed = 0; RandomColorFill());
// The matrix filter at radius 1 and 5 side by side: averages on all three
// HSL channels, and the saturation minimum of Blue Gold Rings.
FILTER_BENCH(MatrixFilter_Average_Radius1, Input::Noise,
             FMTCWork = (TFMTCWork{SpaceHSL, {{1, 1}, {1, 1}, {1, 1}}}); MatrixFilter_Run());
FILTER_BENCH(MatrixFilter_Average_Radius5, Input::Noise,
             FMTCWork = (TFMTCWork{SpaceHSL, {{5, 1}, {5, 1}, {5, 1}}}); MatrixFilter_Run());
FILTER_BENCH(MatrixFilter_Minimum_Radius1, Input::Noise,
             FMTCWork = (TFMTCWork{SpaceHSL, {{1, 2}, {1, 2}, {1, 2}}}); MatrixFilter_Run());
FILTER_BENCH(MatrixFilter_Minimum_Radius5, Input::Noise,
             FMTCWork = (TFMTCWork{SpaceHSL, {{5, 2}, {5, 2}, {5, 2}}}); MatrixFilter_Run());
FILTER_BENCH(MatrixFilter_SaturationMinimum_Radius2, Input::Noise,
             FMTCWork = (TFMTCWork{SpaceHSL, {{1, 0}, {2, 2}, {1, 0}}}); MatrixFilter_Run());
FILTER_BENCH(VRGH, Input::Noise,
             VRGHWork = (TVRGHWork{SpaceHSL, {359, 255, 80}, {0, 0, 1}, {0, 0, 1}}); VRGH_Compute());
FILTER_BENCH(VRLH, Input::Noise,
             VRLHWork = (TVRLHWork{SpaceHSL, {0, 0, 224}, {0, 0, 1}, {0, 0, 1}}); VRLH_Compute());
FILTER_BENCH(HSHF, Input::Noise, HSHFWork = {219}; HSHF_Compute());
FILTER_BENCH(MVBF, Input::Noise, MVBFWork = {1}; MVBF_Compute());
FILTER_BENCH(RCBF, Input::Noise, RCBFWork = {1}; RCBF_Compute());
FILTER_BENCH(CAV1, Input::Noise,
             CAV1Work = (TCAV1Work{{{0, 50, 5}, {0, 50, 5}, {1, 50, 5}}}); CAV1_Compute());
FILTER_BENCH(NRMC_Hue, Input::Noise,
             LevelsWork = (TLevelsWork{SpaceHSL, {{1, 30, 300}, {0, 0, 255}, {0, 0, 255}}}); NRMC_Run());
FILTER_BENCH(NRMC_Rgb, Input::Noise,
             LevelsWork = (TLevelsWork{SpaceRGB, {{1, 0, 255}, {1, 0, 255}, {1, 0, 255}}}); NRMC_Run());
FILTER_BENCH(LVLH, Input::Noise,
             LevellingWork = (TLevellingWork{SpaceHSL, {359, 255, 217}, {0, 0, 0}, {1, 1, 0}}); LVLH_Run());
FILTER_BENCH(Invert, Input::Noise,
             INVCWork = (TINVCWork{SpaceHSL, {{0, 359}, {0, 255}, {0, 255}}, 1, {0, 0, 0}}); Invert_Run());
FILTER_BENCH(OFST, Input::Noise, OFSTWork = (TOFSTWork{0, 5, 5}); OFST_Compute());
FILTER_BENCH(MIRR, Input::Noise, MIRRWork = {0}; MIRR_Compute());
FILTER_BENCH(TB01_Hsl, Input::Noise,
             TB01Work = (TTB01Work{1, 2, 4, 1, 3, 2, 0}); TB01_Compute());
FILTER_BENCH(TB01_RgbBlue, Input::Noise,
             TB01Work = (TTB01Work{1, 1, 2, 1, 11, 1, 3}); TB01_Compute());
FILTER_BENCH(ColorReplace, Input::Noise,
             CRPCWork = (TCRPCWork{SpaceHSL, {{70, 410}, {155, 355}, {215, 295}}, PackRGB(255, 255, 0)});
             ColorReplace_Run());
FILTER_BENCH(FOIL, Input::Noise, FOILWork = (TFOILWork{{{0, 3}, {1, 3}, {1, 3}}}); FOIL_Compute());
FILTER_BENCH(BLCL, Input::Noise, BLCLWork = (TBLCLWork{{100, 0, -100}}); BLCL_Run());
FILTER_BENCH(SNDS, Input::Noise,
             SNDSWork = (TSNDSWork{0, {0, 0, 0}, 4, 10, 0, 4, 10, 0, 0}); SNDS_Run());
FILTER_BENCH(GFLL_Vertical, Input::SparseLines, GFLLWork = (TGFLLWork{0, 0, 0}); GFLL_Compute());
FILTER_BENCH(GFLL_Horizontal, Input::SparseLines, GFLLWork = (TGFLLWork{0, 1, 0}); GFLL_Compute());
FILTER_BENCH(CNTR, Input::Noise, CNTRWork = {27}; CNTR_Compute());
FILTER_BENCH(FXC1_Sum, Input::Noise,
             FXC1Work = (TFXC1Work{0, {{1, 80, 80, 3}, {1, 80, 80, 3}, {1, 80, 80, 3}}}); FXC1_Compute());
FILTER_BENCH(FXC1_Minimum, Input::Noise,
             FXC1Work = (TFXC1Work{0, {{1, 120, 0, 1}, {1, 120, 0, 1}, {1, 120, 0, 1}}}); FXC1_Compute());
FILTER_BENCH(COL1, Input::Noise, COL1Work = (TCOL1Work{1, -1, 4}); COL1_Compute());
FILTER_BENCH(MVLH, Input::Noise, MVLHWork = (TMVLHWork{3, 1}); MVLH_Compute());

}  // namespace

BENCHMARK_MAIN();
