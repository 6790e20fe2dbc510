// "Microbes", "Neurone" and "Neurons" at their defaults on square pictures,
// on one core and on every core, beside the layer-copy floor.
#include <benchmark/benchmark.h>

#include "TextureBench.h"
#include "modules/textures/Fnc_T002.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Fnc_T007.h"

using namespace quillon;

namespace {

// Arguments: picture side, threads (0 = every core).
void BM_Microbes(benchmark::State& state) {
  BenchTexture(state, T003_Type, T003_Execute, static_cast<int>(state.range(1)));
}
void BM_Neurone(benchmark::State& state) {
  BenchTexture(state, T002_Type, T002_Execute, static_cast<int>(state.range(1)));
}
void BM_Neurons(benchmark::State& state) {
  BenchTexture(state, T007_Type, T007_Execute, static_cast<int>(state.range(1)));
}

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
