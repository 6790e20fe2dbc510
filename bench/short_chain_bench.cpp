// The short-chain textures (Grass, Snake Skin, Cloth, Rough Paper) at their
// defaults on square pictures, on one core and on every core. Besides the
// time per run, each benchmark reports the time of every phase and the share
// of the slowest one (timed from one phase mark of the status bar to the next;
// the last phase includes the hand-over copies) and the memory floor measured in the same run: a plain
// copy of one layer (both spaces, three channels), with the texture's time as
// a multiple of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "LayerFloor.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T004.h"
#include "modules/textures/Fnc_T005.h"
#include "modules/textures/Fnc_T008.h"
#include "modules/textures/Fnc_T009.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

using Clock = std::chrono::steady_clock;

void Texture(benchmark::State& state, int Type, void (*Execute)()) {
  ResetEngine();
  SetThreadCount(static_cast<int>(state.range(1)));
  ImageWidth = ImageHeight = static_cast<int32_t>(state.range(0));
  RunningInstance = CreateInstance(Type);
  const double floor = bench::LayerCopySeconds();

  // Phase k runs from its mark to the next one (or to the end of the run).
  std::vector<double> phaseSeconds;
  int phase = 0;
  Clock::time_point mark;
  TStatusBar& bar = F_Synthe->StatusBar1;
  bar.OnPaint = [&](const PaintedText& t) {
    if (t.Panel != 1 || t.Text.find(" [phase ") == std::string::npos) return;
    const auto now = Clock::now();
    if (phase > 0) phaseSeconds[phase - 1] += std::chrono::duration<double>(now - mark).count();
    ++phase;
    if (phaseSeconds.size() < static_cast<size_t>(phase)) phaseSeconds.resize(phase, 0.0);
    mark = now;
  };

  double total = 0;
  for (auto _ : state) {
    phase = 0;
    const auto start = Clock::now();
    Execute();
    const auto end = Clock::now();
    if (phase > 0) phaseSeconds[phase - 1] += std::chrono::duration<double>(end - mark).count();
    total += std::chrono::duration<double>(end - start).count();
    benchmark::DoNotOptimize(Pixel(CurrentLayer, SpaceRGB, 1, 1, 1));
    bar.ClearPainted();
  }
  bar.OnPaint = nullptr;
  SetThreadCount(0);

  size_t slowest = 0;
  for (size_t k = 1; k < phaseSeconds.size(); ++k)
    if (phaseSeconds[k] > phaseSeconds[slowest]) slowest = k;
  for (size_t k = 0; k < phaseSeconds.size(); ++k) {
    std::string name = "p";
    name += std::to_string(k + 1);
    name += "_ms";
    state.counters[name] = phaseSeconds[k] / state.iterations() * 1e3;
  }
  state.counters["slowest_phase"] = static_cast<double>(slowest + 1);
  state.counters["slowest_share"] = phaseSeconds.empty() ? 0.0 : phaseSeconds[slowest] / total;
  state.counters["floor_ms"] = floor * 1e3;
  state.counters["x_floor"] = total / state.iterations() / floor;
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_Grass(benchmark::State& state) { Texture(state, T004_Type, T004_Execute); }
void BM_SnakeSkin(benchmark::State& state) { Texture(state, T005_Type, T005_Execute); }
void BM_Cloth(benchmark::State& state) { Texture(state, T008_Type, T008_Execute); }
void BM_RoughPaper(benchmark::State& state) { Texture(state, T009_Type, T009_Execute); }

}  // namespace

// Second argument: threads (0 = every core).
#define SHORT_CHAIN_SIZES(b) \
  b->Args({256, 1})->Args({512, 1})->Args({1024, 1})->Args({256, 0})->Args({512, 0})->Args({1024, 0})
SHORT_CHAIN_SIZES(BENCHMARK(BM_Grass))->Unit(benchmark::kMillisecond);
SHORT_CHAIN_SIZES(BENCHMARK(BM_SnakeSkin))->Unit(benchmark::kMillisecond);
SHORT_CHAIN_SIZES(BENCHMARK(BM_Cloth))->Unit(benchmark::kMillisecond);
SHORT_CHAIN_SIZES(BENCHMARK(BM_RoughPaper))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
