// The CPU time of the textures that fill, on every thread against one: each
// texture at its defaults at 1024 x 1024, run again and again in one process
// (its memory already mapped, unlike a whole command's), timed in wall time
// ("Time") and in the CPU time of all the process's threads ("CPU").
// Second argument: threads (0 = every core).
#include <benchmark/benchmark.h>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"
#include "modules/textures/Fnc_T001.h"
#include "modules/textures/Fnc_T008.h"
#include "modules/textures/Fnc_T012.h"
#include "modules/textures/Fnc_T014.h"
#include "modules/textures/Fnc_T016.h"

using namespace quillon;

namespace {

struct FillTexture {
  int32_t type;
  void (*execute)();
};
const FillTexture Textures[] = {{T001_Type, T001_Execute}, {T008_Type, T008_Execute}, {T012_Type, T012_Execute},
                                {T014_Type, T014_Execute}, {T016_Type, T016_Execute}};
const char* const Names[] = {"Red Swimming Pool", "Cloth", "Roughcast", "Plank", "Coral"};

void BM_FillTexture(benchmark::State& state) {
  const FillTexture& t = Textures[state.range(0)];
  ResetEngine();
  SetThreadCount(static_cast<int>(state.range(1)));
  ImageWidth = ImageHeight = 1024;
  RunningInstance = CreateInstance(t.type);
  t.execute();  // maps the memory the runs use
  for (auto _ : state) t.execute();
  state.SetLabel(Names[state.range(0)]);
  SetThreadCount(0);
}

}  // namespace

BENCHMARK(BM_FillTexture)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 0}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
