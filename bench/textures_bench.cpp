// "Red Swimming Pool" at its defaults on square pictures, and the quillon
// command rendering it end to end (start-up, chain, BMP file).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T001.h"
#include "tools/quillon/Cli.h"

using namespace quillon;

static void BM_RedSwimmingPool(benchmark::State& state) {
  ResetEngine();
  SetThreadCount(static_cast<int>(state.range(1)));
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(T001_Type);
  for (auto _ : state) {
    T001_Execute();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
  SetThreadCount(0);
}
// Second argument: threads (0 = every core).
BENCHMARK(BM_RedSwimmingPool)
    ->Args({256, 1})->Args({512, 1})->Args({1024, 1})
    ->Args({256, 0})->Args({512, 0})->Args({1024, 0})
    ->Unit(benchmark::kMillisecond);

static void BM_CommandRenderRedSwimmingPool(benchmark::State& state) {
  const std::string size = std::to_string(state.range(0)) + "x" + std::to_string(state.range(0));
  const std::string out = "/tmp/quillon-bench-pool.bmp";
  for (auto _ : state) {
    std::ostringstream o, e;
    if (RunQuillon({"render", "--size", size, "-o", out, "Red Swimming Pool"}, o, e) != ExitOk)
      state.SkipWithError("render failed");
  }
  std::remove(out.c_str());
}
BENCHMARK(BM_CommandRenderRedSwimmingPool)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
