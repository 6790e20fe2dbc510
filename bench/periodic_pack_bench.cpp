// The periodic texture pack at its defaults on square pictures, on one
// thread and on every core. Each run also times the memory floor in the same process: a plain
// copy of one layer (both spaces, three channels: the bytes a whole-layer
// pass reads and writes), and reports the texture's time as a multiple of it.
#include <benchmark/benchmark.h>

#include <chrono>

#include "LayerFloor.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T015.h"
#include "modules/textures/Fnc_T021.h"
#include "modules/textures/Fnc_T022.h"

using namespace quillon;
using quillon::bench::LayerCopySeconds;

namespace {

void Pack(benchmark::State& state, int Type, void (*Execute)()) {
  ResetEngine();
  SetThreadCount(static_cast<int>(state.range(1)));
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(Type);
  const double floor = LayerCopySeconds();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    Execute();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
  }
  const double each =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = each / floor;
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
  SetThreadCount(0);
}

void BM_PackTxA(benchmark::State& state) { Pack(state, T021_Type, T021_Execute); }
void BM_PackTxB(benchmark::State& state) { Pack(state, T022_Type, T022_Execute); }
void BM_PackTxC(benchmark::State& state) { Pack(state, T015_Type, T015_Execute); }

}  // namespace

// Side, threads (0 = every core).
#define PACK_SIZES ArgsProduct({{256, 512, 1024}, {1, 0}})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_PackTxA)->PACK_SIZES;
BENCHMARK(BM_PackTxB)->PACK_SIZES;
BENCHMARK(BM_PackTxC)->PACK_SIZES;

BENCHMARK_MAIN();
