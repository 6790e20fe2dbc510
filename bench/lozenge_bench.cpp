// "Lozenge Distortion" with its default parameters on square pictures.
#include <benchmark/benchmark.h>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T017.h"

using namespace quillon;

static void BM_LozengeDefaults(benchmark::State& state) {
  ResetEngine();
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(T017_Type);
  for (auto _ : state) {
    T017_Execute();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}
BENCHMARK(BM_LozengeDefaults)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
