// Whole-layer passes at 1024 x 1024 against this machine's memory floor: a
// plain copy of the planes the pass writes, at the same thread count,
// measured in the same run. "x_floor" is the pass's best time over the
// floor's best time, so the figures mean the same on a busy machine or an
// idle one and on any other. The colour fill, "Red Swimming Pool" and the
// BMP output are timed too, with the floor of the planes they write.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>

#include "engine/Bitmap.h"
#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/filters/RandomFill.h"
#include "modules/generators/Noise.h"
#include "modules/textures/Fnc_T001.h"
#include "tools/quillon/Cli.h"
#include "BenchPicture.h"

using namespace quillon;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& f) {
  const auto t0 = Clock::now();
  f();
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Planes copied by the floor: buffers 1 and 2 serve as source and target.
Plane& FloorPlane(int buffer, int k) { return ImageStore().Buffers[buffer].planes[k / 3][k % 3]; }

// The best of a few plain copies of Planes whole planes, column by column
// over the threads the passes use.
double MemoryFloor(int Planes) {
  for (int k = 0; k < Planes; ++k)
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) FloorPlane(0, k).at(x, y) = static_cast<Sample>(x ^ y);
  double best = 1e9;
  for (int r = 0; r < 7; ++r)
    best = std::min(best, Seconds([&] {
                      const size_t bytes = static_cast<size_t>(ImageHeight) * sizeof(Sample);
                      ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
                        for (int k = 0; k < Planes; ++k)
                          for (int x = x0; x <= x1; ++x)
                            std::memcpy(FloorPlane(1, k).column(x), FloorPlane(0, k).column(x), bytes);
                      });
                    }));
  return best;
}

// A full-size picture of varied colours in both layers, both spaces
// consistent, a mask of every percentage, and the floor's source planes.
void PreparePicture() {
  bench::FillBenchPicture();
  SaveResultToBackup();
}

// Times pass() per iteration (setup() before each, untimed), then the floor
// of Planes planes, and reports both and their ratio. prepare() runs once,
// after the picture is made.
void Measure(benchmark::State& state, int Planes, const std::function<void()>& setup,
             const std::function<void()>& pass, const std::function<void()>& prepare = [] {}) {
  PreparePicture();
  prepare();
  SetThreadCount(static_cast<int>(state.range(0)));
  double best = 1e9;
  for (auto _ : state) {
    setup();
    const double s = Seconds(pass);
    best = std::min(best, s);
    state.SetIterationTime(s);
  }
  const double floor = MemoryFloor(Planes);
  state.counters["best_ms"] = best * 1e3;
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = best / floor;
  state.counters["threads"] = ThreadCount();
  SetThreadCount(0);
}

void NoSetup() {}
void Restore() { RestoreResultFromBackup(); }

void SetBlend(int space, int f, double resultWeight, double currentWeight) {
  BlendParams = TBlendParams{};
  BlendParams.BlendSpace = space;
  BlendParams.ResultWeight = resultWeight;
  BlendParams.CurrentWeight = currentWeight;
  BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = f;
}

// A blend writes three planes of its space and the sync three of the other.
void Blend(benchmark::State& state, int space, int f, double rw, double cw) {
  Measure(state, 6, [&] { Restore(), SetBlend(space, f, rw, cw); }, [] { BlendCurrentIntoResult(); });
}

void BM_SyncRGBToHSL(benchmark::State& state) { Measure(state, 3, NoSetup, [] { SyncColorSpace(SpaceRGB); }); }
void BM_SyncHSLToRGB(benchmark::State& state) { Measure(state, 3, NoSetup, [] { SyncColorSpace(SpaceHSL); }); }
void BM_CopyCurrentToResult(benchmark::State& state) { Measure(state, 6, NoSetup, [] { CopyCurrentToResult(); }); }
void BM_BlendDefaultRGB(benchmark::State& state) { Blend(state, 0, 2, 1.0, 1.0); }
void BM_BlendDefaultHSL(benchmark::State& state) { Blend(state, 1, 2, 1.0, 1.0); }
void BM_BlendComplex12Full(benchmark::State& state) { Blend(state, 0, 23, 1.0, 1.0); }
void BM_BlendComplex8Weighted(benchmark::State& state) { Blend(state, 0, 19, 0.7, 0.6); }
void BM_BlendAddMaskWeights(benchmark::State& state) { Blend(state, 0, 2, 0.5, 0.5); }

// The BMP file: the RGB planes read, the file's bytes written.
void BM_WriteBMP(benchmark::State& state) {
  Measure(state, 3, NoSetup, [] { SaveResultBMP("/tmp/quillon-floor-bench.bmp"); });
  std::remove("/tmp/quillon-floor-bench.bmp");
}

// The colour fill of "Red Swimming Pool" on its noise picture.
void BM_RandomColorFill(benchmark::State& state) {
  Measure(
      state, 3,
      [] {
        Restore();
        RNCCWork = {SpaceHSL, 1, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}};
        RandomSeed = 0;
      },
      [] { RandomColorFill(); },
      [] {
        NoiseWork = {SpaceRGB, 0, 72, 0, 101, 0, 255, 6, 0};
        RunningInstance = 0;
        Noise_Compute();
        CopyCurrentToResult();
        SaveResultToBackup();
      });
}

void BM_RedSwimmingPool(benchmark::State& state) {
  Measure(state, 6, NoSetup, [] { T001_Execute(); }, [] { RunningInstance = CreateInstance(T001_Type); });
}

void BM_CommandRedSwimmingPool(benchmark::State& state) {
  Measure(state, 6, NoSetup, [] {
    std::ostringstream o, e;
    RunQuillon({"render", "--size", "1024x1024", "-o", "/tmp/quillon-floor-bench.bmp", "Red Swimming Pool"}, o, e);
  });
  std::remove("/tmp/quillon-floor-bench.bmp");
}

}  // namespace

#define QUILLON_FLOOR(name) \
  BENCHMARK(name)->ArgName("threads")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseManualTime()

QUILLON_FLOOR(BM_SyncRGBToHSL);
QUILLON_FLOOR(BM_SyncHSLToRGB);
QUILLON_FLOOR(BM_CopyCurrentToResult);
QUILLON_FLOOR(BM_BlendDefaultRGB);
QUILLON_FLOOR(BM_BlendDefaultHSL);
QUILLON_FLOOR(BM_BlendComplex12Full);
QUILLON_FLOOR(BM_BlendComplex8Weighted);
QUILLON_FLOOR(BM_BlendAddMaskWeights);
QUILLON_FLOOR(BM_WriteBMP);
QUILLON_FLOOR(BM_RandomColorFill);
QUILLON_FLOOR(BM_RedSwimmingPool);
QUILLON_FLOOR(BM_CommandRedSwimmingPool);

BENCHMARK_MAIN();
