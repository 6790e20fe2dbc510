// "Inside The Body", "Corn" and "Aliens Skins" at their defaults on square
// pictures of 256, 512 and 1024 pixels, on every core and on one thread,
// beside the memory floor of a whole-layer pass timed in the same run.
#include <benchmark/benchmark.h>

#include "TextureBench.h"
#include "modules/textures/Fnc_T006.h"
#include "modules/textures/Fnc_T018.h"
#include "modules/textures/Fnc_T023.h"

using namespace quillon;

namespace {

// Second argument: threads (0 = every core).
void BM_InsideTheBody(benchmark::State& state) {
  BenchTexture(state, T023_Type, T023_Execute, static_cast<int>(state.range(1)));
}
void BM_Corn(benchmark::State& state) { BenchTexture(state, T018_Type, T018_Execute, static_cast<int>(state.range(1))); }
void BM_AliensSkins(benchmark::State& state) {
  BenchTexture(state, T006_Type, T006_Execute, static_cast<int>(state.range(1)));
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int threads : {0, 1})
    for (int side : {256, 512, 1024}) b->Args({side, threads});
  b->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

BENCHMARK(BM_InsideTheBody)->Apply(Sizes);
BENCHMARK(BM_Corn)->Apply(Sizes);
BENCHMARK(BM_AliensSkins)->Apply(Sizes);

BENCHMARK_MAIN();
