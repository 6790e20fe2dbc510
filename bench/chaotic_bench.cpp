// The chaotic functions at their defaults (10,000,000 steps) on a 512 x 512
// picture: each module beside the plain loop with a separate library call
// for every sine and cosine. Items per second are steps per second.
#include <benchmark/benchmark.h>

#include "tests/chaotic/ChaosReference.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/chaotic/ChaosCloud.h"

using namespace quillon;

namespace {

const int32_t Types[10] = {92, 93, 94, 95, 67, 68, 69, 70, 71, 72};

int Prepare(int Member) {
  ResetEngine();
  ImageWidth = 512;
  ImageHeight = 512;
  return CreateInstance(Types[Member]);
}

void Module(benchmark::State& state) {
  const int member = static_cast<int>(state.range(0));
  const int i = Prepare(member);
  RunningInstance = i;
  for (auto _ : state) TypeExecuteProc[Types[member]]();
  state.SetItemsProcessed(state.iterations() * ChaosIterations(ModuleParams[i].ParamValue[7]));
  state.SetLabel(TypeCode[Types[member]]);
}

void Plain(benchmark::State& state) {
  const int member = static_cast<int>(state.range(0));
  const int i = Prepare(member);
  for (auto _ : state) reference::Cloud(member, ModuleParams[i].ParamValue);
  state.SetItemsProcessed(state.iterations() * ChaosIterations(ModuleParams[i].ParamValue[7]));
  state.SetLabel(TypeCode[Types[member]]);
}

}  // namespace

BENCHMARK(Module)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Plain)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
