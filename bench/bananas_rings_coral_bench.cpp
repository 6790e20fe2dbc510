// "Rainbow Bananas", "Blue Gold Rings" and "Coral" at their defaults on
// square pictures, on every core and on one, beside the memory floor of a
// whole-layer pass timed in the same run (x_floor: the texture's time as a
// multiple of it). Each run reports its slowest phase and that phase's share
// of the whole; Coral also reports its random colour fill (phase 2), which
// runs on one thread whatever the thread count.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "LayerFloor.h"
#include "PhaseTimer.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "modules/textures/Fnc_T010.h"
#include "modules/textures/Fnc_T011.h"
#include "modules/textures/Fnc_T016.h"
#include "shell/Application.h"

using namespace quillon;

namespace {

void Texture(benchmark::State& state, int Type, void (*Execute)(), int ReportPhase) {
  StartApplication();
  SetThreadCount(static_cast<int>(state.range(1)));
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(Type);
  const double floor = bench::LayerCopySeconds();
  bench::PhaseTimer phases;
  const auto start = bench::PhaseTimer::Clock::now();
  for (auto _ : state) {
    Execute();
    phases.Close();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
  }
  const double each =
      std::chrono::duration<double>(bench::PhaseTimer::Clock::now() - start).count() / state.iterations();
  SetThreadCount(0);
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = each / floor;
  int slowest = 1;
  for (int k = 1; k <= phases.Phases(); ++k) {
    if (phases.Seconds(k) > phases.Seconds(slowest)) slowest = k;
    // QUILLON_PHASES=1 adds the milliseconds of every phase (p1, p2, ...).
    if (std::getenv("QUILLON_PHASES")) {
      std::string name = "p";
      name += std::to_string(k);
      state.counters[name] = phases.Seconds(k) / state.iterations() * 1e3;
    }
  }
  state.counters["slowest_phase"] = slowest;
  state.counters["slowest_share"] = phases.Seconds(slowest) / state.iterations() / each;
  if (ReportPhase > 0) {
    const double part = phases.Seconds(ReportPhase) / state.iterations();
    state.counters["fill_ms"] = part * 1e3;
    state.counters["rest_ms"] = (each - part) * 1e3;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_RainbowBananas(benchmark::State& state) { Texture(state, T010_Type, T010_Execute, 0); }
void BM_BlueGoldRings(benchmark::State& state) { Texture(state, T011_Type, T011_Execute, 0); }
void BM_Coral(benchmark::State& state) { Texture(state, T016_Type, T016_Execute, 2); }

}  // namespace

// Second argument: threads (0 = every core).
#define SIZES(b) b->Args({256, 0})->Args({512, 0})->Args({1024, 0})->Args({1024, 1})
SIZES(BENCHMARK(BM_RainbowBananas))->Unit(benchmark::kMillisecond)->UseRealTime();
SIZES(BENCHMARK(BM_BlueGoldRings))->Unit(benchmark::kMillisecond)->UseRealTime();
SIZES(BENCHMARK(BM_Coral))->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
