// The passes of "Red Swimming Pool" other than the colour fill, one by one
// at 1024 x 1024 on the texture's own picture, each beside the memory floor
// timed in the same run: a plain copy of one layer, column by column on the
// same threads. The passes: the noise, the window average, the value replace
// with its stretch, the hue shift and the minimum and maximum of a plane.
// "best_ms" is the best run, "x_floor" that run over the floor's best.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Noise.h"

using namespace quillon;

namespace {

using Clock = std::chrono::steady_clock;

void T001Noise() {
  NoiseWork = {SpaceRGB, 0, 72, 0, 101, 0, 255, 6, 0};
  Noise_Compute();
}

// The texture's picture after its colour fill, kept in the backup layer.
void PreparePicture() {
  ResetEngine();
  ImageWidth = ImageHeight = MaxImageSide;
  RunningInstance = 0;
  T001Noise();
  CopyCurrentToResult();
  RNCCWork = {SpaceHSL, 1, {{10, 10}, {10, 10}, {10, 10}}, {0, 0, 0}};
  RandomSeed = 0;
  RandomColorFill();
  SaveResultToBackup();
}

// Times pass() on Threads threads (state.range(0)), the result layer
// restored from the backup before each run, untimed.
void Measure(benchmark::State& state, const std::function<void()>& pass) {
  PreparePicture();
  SetThreadCount(static_cast<int>(state.range(0)));
  double best = 1e9;
  for (auto _ : state) {
    RestoreResultFromBackup();
    const auto start = Clock::now();
    pass();
    const double s = std::chrono::duration<double>(Clock::now() - start).count();
    best = std::min(best, s);
    state.SetIterationTime(s);
  }
  double floor = 1e9;
  for (int r = 0; r < 7; ++r) {
    const auto start = Clock::now();
    CopyPicture(ImageStore().BackupLayer, ImageStore().Buffers[0]);
    floor = std::min(floor, std::chrono::duration<double>(Clock::now() - start).count());
  }
  state.counters["best_ms"] = best * 1e3;
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = best / floor;
  SetThreadCount(0);
}

void BM_Noise(benchmark::State& state) { Measure(state, T001Noise); }

void BM_WindowAverage(benchmark::State& state) {
  Measure(state, [] {
    FMTCWork = {SpaceHSL, {{3, 1}, {3, 1}, {3, 1}}};
    MatrixFilter_Run();
  });
}

void BM_ValueReplaceStretch(benchmark::State& state) {
  Measure(state, [] {
    VRGHWork = {SpaceHSL, {359, 159, 161}, {0, 1, 1}, {0, 1, 1}};
    VRGH_Compute();
  });
}

void BM_HueShift(benchmark::State& state) {
  Measure(state, [] {
    HSHFWork = {10};
    HSHF_Compute();
  });
}

void BM_PlaneRange(benchmark::State& state) {
  Measure(state, [] {
    int32_t mn, mx;
    PlaneRange(LayerPlane(ResultLayer, SpaceHSL, 3), mn, mx);
    benchmark::DoNotOptimize(mn + mx);
  });
}

}  // namespace

#define QUILLON_POOL_PASS(name) \
  BENCHMARK(name)->ArgName("threads")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseManualTime()

QUILLON_POOL_PASS(BM_Noise);
QUILLON_POOL_PASS(BM_WindowAverage);
QUILLON_POOL_PASS(BM_ValueReplaceStretch);
QUILLON_POOL_PASS(BM_HueShift);
QUILLON_POOL_PASS(BM_PlaneRange);

BENCHMARK_MAIN();
