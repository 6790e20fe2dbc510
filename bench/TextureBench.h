// Timing of a texture's execute procedure beside the memory floor
// (LayerFloor.h) timed in the same run, shared by the texture benchmarks; the
// texture's time is reported as a multiple of the floor.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

#include "LayerFloor.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"

namespace quillon {

// One instance of Type at its defaults on a square picture of state.range(0)
// pixels, run by Execute on Threads threads (0 = every core); counters
// floor_ms and x_floor.
inline void BenchTexture(benchmark::State& state, int Type, void (*Execute)(), int Threads) {
  ResetEngine();
  SetThreadCount(Threads);
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(Type);
  const double floor = bench::LayerCopySeconds();
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

}  // namespace quillon
