// "Microbes", "Neurone" and "Neurons" at their defaults on square pictures,
// on one core and on every core. Each run also times the memory floor in the
// same process: a plain copy of one layer (both spaces, three channels: the
// bytes a whole-layer pass reads and writes), and reports the texture's time
// as a multiple of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T002.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Fnc_T007.h"

using namespace quillon;

namespace {

// Seconds per plain copy of the result layer into the backup layer.
double LayerCopySeconds() {
  constexpr int Rounds = 20;
  const size_t column = sizeof(Sample) * static_cast<size_t>(ImageHeight);
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < Rounds; ++r)
    for (int s : {SpaceRGB, SpaceHSL})
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= ImageWidth; ++x)
          std::memcpy(BackupLayer.plane(s, c).column(x), Layer(ResultLayer).plane(s, c).column(x), column);
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / Rounds;
}

// Arguments: picture side, threads (0 = every core).
void Texture(benchmark::State& state, int Type, void (*Execute)()) {
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

void BM_Microbes(benchmark::State& state) { Texture(state, T003_Type, T003_Execute); }
void BM_Neurone(benchmark::State& state) { Texture(state, T002_Type, T002_Execute); }
void BM_Neurons(benchmark::State& state) { Texture(state, T007_Type, T007_Execute); }

void Sizes(benchmark::internal::Benchmark* b) {
  for (int threads : {1, 0})
    for (int side : {256, 512, 1024}) b->Args({side, threads});
  b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Microbes)->Apply(Sizes);
BENCHMARK(BM_Neurone)->Apply(Sizes);
BENCHMARK(BM_Neurons)->Apply(Sizes);

BENCHMARK_MAIN();
