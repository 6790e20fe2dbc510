// "Roughcast", "Bark" and "Plank" at their defaults on square pictures, on
// every core, beside the memory floor of a whole-layer pass timed in the same
// run. Each run also times its phases from the status marks as they are
// painted and reports the null-colour fill's share of the whole (phase 4 of
// Roughcast, phase 10 of Plank), and Roughcast with all noise bounds 0, where
// the fill has nothing to fill.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "LayerFloor.h"
#include "PhaseTimer.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T012.h"
#include "modules/textures/Fnc_T013.h"
#include "modules/textures/Fnc_T014.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

using namespace quillon;
using Clock = std::chrono::steady_clock;

namespace {

using bench::PhaseTimer;

void Texture(benchmark::State& state, int Type, void (*Execute)(), int FillPhase,
             std::initializer_list<std::pair<int, int32_t>> Values = {}) {
  StartApplication();
  SetThreadCount(0);
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(Type);
  for (auto [k, v] : Values) ModuleParams[RunningInstance].ParamValue[k] = v;
  const double floor = bench::LayerCopySeconds();
  PhaseTimer phases;
  const auto start = Clock::now();
  for (auto _ : state) {
    Execute();
    phases.Close();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
  }
  const double each = std::chrono::duration<double>(Clock::now() - start).count() / state.iterations();
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = each / floor;
  // QUILLON_PHASES=1 adds the milliseconds of every phase (p1, p2, ...).
  if (std::getenv("QUILLON_PHASES"))
    for (int k = 1; k <= 14; ++k) {
      std::string name = "p";
      name += std::to_string(k);
      if (phases.Seconds(k) > 0) state.counters[name] = phases.Seconds(k) / state.iterations() * 1e3;
    }
  if (FillPhase > 0) {
    const double fill = phases.Seconds(FillPhase) / state.iterations();
    state.counters["fill_ms"] = fill * 1e3;
    state.counters["fill_share"] = fill / each;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_Roughcast(benchmark::State& state) { Texture(state, T012_Type, T012_Execute, 4); }
void BM_Bark(benchmark::State& state) { Texture(state, T013_Type, T013_Execute, 0); }
void BM_Plank(benchmark::State& state) { Texture(state, T014_Type, T014_Execute, 10); }
void BM_RoughcastAllBoundsZero(benchmark::State& state) {
  Texture(state, T012_Type, T012_Execute, 4, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}});
}

}  // namespace

BENCHMARK(BM_Roughcast)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Bark)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Plank)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RoughcastAllBoundsZero)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
