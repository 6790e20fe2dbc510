// Whole-picture passes of the engine at 1024 x 1024: both colour-space syncs,
// the blend of a generator's layer into the texture, and the layer copies.
// Each pass runs on one thread (Arg 1) and on every hardware thread (Arg 0);
// the "Mpx/s" counter is million pixels per second.
#include <benchmark/benchmark.h>

#include <atomic>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "BenchPicture.h"

using namespace quillon;

namespace {

// A full-size picture of varied colours in both layers, both spaces
// consistent, and a mask of every percentage.
void PreparePicture() {
  static bool ready = false;
  if (ready) return;
  bench::FillBenchPicture();
  ready = true;
}

template <typename Pass>
void RunPass(benchmark::State& state, Pass pass) {
  PreparePicture();
  SetThreadCount(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pass();
    benchmark::ClobberMemory();
  }
  state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * ImageWidth * ImageHeight / 1e6,
                                               benchmark::Counter::kIsRate);
  state.counters["threads"] = ThreadCount();
  SetThreadCount(0);
}

void SetBlend(int space, int f, double resultWeight, double currentWeight) {
  BlendParams = TBlendParams{};
  BlendParams.BlendSpace = space;
  BlendParams.ResultWeight = resultWeight;
  BlendParams.CurrentWeight = currentWeight;
  BlendParams.Function[0] = BlendParams.Function[1] = BlendParams.Function[2] = f;
}

// Every blend overwrites the result layer; it is restored from a copy kept in
// the backup layer so each iteration blends the same pictures. The restore is
// timed outside the pass.
template <typename Pass>
void RunBlend(benchmark::State& state, Pass setup) {
  PreparePicture();
  SaveResultToBackup();
  SetThreadCount(static_cast<int>(state.range(0)));
  setup();
  for (auto _ : state) {
    BlendCurrentIntoResult();
    benchmark::ClobberMemory();
    state.PauseTiming();
    RestoreResultFromBackup();
    state.ResumeTiming();
  }
  state.counters["Mpx/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * ImageWidth * ImageHeight / 1e6,
                                               benchmark::Counter::kIsRate);
  state.counters["threads"] = ThreadCount();
  SetThreadCount(0);
}

void BM_SyncRGBToHSL(benchmark::State& state) { RunPass(state, [] { SyncColorSpace(SpaceRGB); }); }
void BM_SyncHSLToRGB(benchmark::State& state) { RunPass(state, [] { SyncColorSpace(SpaceHSL); }); }
void BM_SyncCurrentRGBToHSL(benchmark::State& state) { RunPass(state, [] { SyncCurrentColorSpace(SpaceRGB); }); }
void BM_SyncCurrentHSLToRGB(benchmark::State& state) { RunPass(state, [] { SyncCurrentColorSpace(SpaceHSL); }); }

void BM_BlendAddRGB(benchmark::State& state) {
  RunBlend(state, [] { SetBlend(0, 2, 1.0, 1.0); });
}
void BM_BlendComplex8RGB(benchmark::State& state) {
  RunBlend(state, [] { SetBlend(0, 19, 0.7, 0.6); });
}
void BM_BlendAddHSL(benchmark::State& state) {
  RunBlend(state, [] { SetBlend(1, 2, 1.0, 1.0); });
}
void BM_BlendAddMaskWeights(benchmark::State& state) {
  RunBlend(state, [] { SetBlend(0, 2, 0.5, 0.5); });
}
void BM_BlendComplex12MaskWeights(benchmark::State& state) {
  RunBlend(state, [] { SetBlend(0, 23, 0.5, 0.5); });
}

void BM_CopyCurrentToResult(benchmark::State& state) { RunPass(state, [] { CopyCurrentToResult(); }); }
void BM_CopyResultToCurrent(benchmark::State& state) { RunPass(state, [] { CopyResultToCurrent(); }); }
void BM_SaveResultToBackup(benchmark::State& state) { RunPass(state, [] { SaveResultToBackup(); }); }
void BM_RestoreResultFromBackup(benchmark::State& state) { RunPass(state, [] { RestoreResultFromBackup(); }); }

// The cost of a pass itself, after every pool thread has been started: a
// pass over Columns columns of almost no work per column.
void BM_PassOverhead(benchmark::State& state) {
  ParallelItems(1, 64, [](int, int) {});
  std::atomic<int64_t> sink{0};
  const int columns = static_cast<int>(state.range(0));
  for (auto _ : state) ParallelColumns(1, columns, [&](int a, int b) { sink += b - a; });
  state.counters["threads"] = ThreadCount();
}

}  // namespace

BENCHMARK(BM_PassOverhead)->ArgName("columns")->Arg(64)->Arg(256)->Unit(benchmark::kMicrosecond)->UseRealTime();

#define QUILLON_PASS(name) \
  BENCHMARK(name)->ArgName("threads")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()

QUILLON_PASS(BM_SyncRGBToHSL);
QUILLON_PASS(BM_SyncHSLToRGB);
QUILLON_PASS(BM_SyncCurrentRGBToHSL);
QUILLON_PASS(BM_SyncCurrentHSLToRGB);
QUILLON_PASS(BM_BlendAddRGB);
QUILLON_PASS(BM_BlendComplex8RGB);
QUILLON_PASS(BM_BlendAddHSL);
QUILLON_PASS(BM_BlendAddMaskWeights);
QUILLON_PASS(BM_BlendComplex12MaskWeights);
QUILLON_PASS(BM_CopyCurrentToResult);
QUILLON_PASS(BM_CopyResultToCurrent);
QUILLON_PASS(BM_SaveResultToBackup);
QUILLON_PASS(BM_RestoreResultFromBackup);

BENCHMARK_MAIN();
