// The twigs of "Rough Paper" (W + H twigs of 20 .. W + H pixels, random
// orientation) at 1024 x 1024 on one thread and on every thread, with the
// memory floor of the same run (a plain copy of one layer) and the ratio.
#include <benchmark/benchmark.h>

#include <chrono>

#include "LayerFloor.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/generators/Twig.h"

using namespace quillon;

namespace {

void BM_Twig_RoughPaper(benchmark::State& state) {
  ResetEngine();
  ImageWidth = ImageHeight = 1024;
  SetThreadCount(static_cast<int>(state.range(0)));
  const double floor = bench::LayerCopySeconds();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    TWIGWork = {20, 2048, 2048, 0, 0, 100, 4, 100, 3, 4, 0, PackRGB(200, 180, 150), 1};
    TWIG_Compute();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceHSL, 1, 1, 1));
  }
  const double each =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
  SetThreadCount(0);
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = each / floor;
}

}  // namespace

// Argument: threads (0 = every core).
BENCHMARK(BM_Twig_RoughPaper)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
