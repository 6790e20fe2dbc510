// The periodic texture pack at its defaults on square pictures, on one
// thread and on every core. Each run also times the memory floor in the same process: a plain
// copy of one layer (both spaces, three channels: the bytes a whole-layer
// pass reads and writes), and reports the texture's time as a multiple of it.
#include <benchmark/benchmark.h>

#include "TextureBench.h"
#include "modules/textures/Fnc_T015.h"
#include "modules/textures/Fnc_T021.h"
#include "modules/textures/Fnc_T022.h"

using namespace quillon;

namespace {

void Pack(benchmark::State& state, int Type, void (*Execute)()) {
  BenchTexture(state, Type, Execute, static_cast<int>(state.range(1)));
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
