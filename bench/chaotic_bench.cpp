// The chaotic functions and the sine and cosine they are made of, in one run:
// - Sine*: values per second of the fixed sine/cosine (two lanes per call,
//   and one lane) beside the library's 64-bit and 80-bit sin, on arguments
//   of the two-modifier maps (|x| <= 21) and of the phase (around 10^6);
//   *Chain: calls per second when each call needs the one before, as the
//   steps of an orbit do (its latency);
// - Module: each function at its defaults (10,000,000 steps) on a
//   1024 x 1024 picture, items per second being steps per second;
//   ModuleSSE2 with the steps as SSE2 code, as without AVX2;
// - Plain: the same with a separate one-lane call for every sine and cosine;
// - Command: the quillon command rendering each one at 1024 x 1024 (chain,
//   BMP file);
// - LargestDetails: each function at "Details" 10000 (100,000,000 steps).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/FixedTrig.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "modules/chaotic/ChaosCloud.h"
#include "tests/chaotic/ChaosReference.h"
#include "tools/quillon/Cli.h"

using namespace quillon;

namespace {

const int32_t Types[10] = {92, 93, 94, 95, 67, 68, 69, 70, 71, 72};

// 4096 arguments, |x| <= 21 for range 0, 10^6 + [0, 100) for range 1.
const std::vector<double>& Arguments(int64_t Range) {
  static std::vector<double> sets[2];
  std::vector<double>& a = sets[Range];
  if (a.empty()) {
    std::mt19937_64 draw(1);
    std::uniform_real_distribution<double> small(-21, 21), phase(1e6, 1e6 + 100);
    for (int i = 0; i < 4096; ++i) a.push_back(Range == 0 ? small(draw) : phase(draw));
  }
  return a;
}

template <class F>
void Sine(benchmark::State& state, F f) {
  const std::vector<double>& a = Arguments(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(f(a));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(a.size()));
  state.SetLabel(state.range(0) == 0 ? "|x| <= 21" : "x ~ 1e6");
}

void SineFixedTwoLanes(benchmark::State& state) {
  Sine(state, [](const std::vector<double>& a) {
    Double2 sum{0, 0};
    for (size_t i = 0; i < a.size(); i += 2) sum += FixedSinCos2<0b10>(Double2{a[i], a[i + 1]});
    return sum[0] + sum[1];
  });
}

void SineFixedOneLane(benchmark::State& state) {
  Sine(state, [](const std::vector<double>& a) {
    double sum = 0;
    for (double x : a) sum += FixedSin(x);
    return sum;
  });
}

// A step of a map needs the sines and cosines of the step before, so what
// bounds a run is the latency of one evaluation, not the throughput above:
// each call here takes the result of the one before (two lanes, times 3.1
// to keep the arguments spread over several turns).
void SineFixedChain(benchmark::State& state) {
  Double2 p{0.3, 0.7};
  for (auto _ : state)
    for (int i = 0; i < 4096; ++i) p = FixedSinCos2<0b00>(p * 3.1);
  benchmark::DoNotOptimize(p);
  state.SetItemsProcessed(state.iterations() * 4096);
  state.SetLabel("dependent calls");
}

void SineLibrary64Chain(benchmark::State& state) {
  double p = 0.3;
  for (auto _ : state)
    for (int i = 0; i < 4096; ++i) p = std::sin(p * 3.1);
  benchmark::DoNotOptimize(p);
  state.SetItemsProcessed(state.iterations() * 4096);
  state.SetLabel("dependent calls");
}

void SineLibrary64(benchmark::State& state) {
  Sine(state, [](const std::vector<double>& a) {
    double sum = 0;
    for (double x : a) sum += std::sin(x);
    return sum;
  });
}

void SineLibrary80(benchmark::State& state) {
  Sine(state, [](const std::vector<double>& a) {
    long double sum = 0;
    for (double x : a) sum += sinl(x);
    return sum;
  });
}

int Prepare(int Member, int32_t Details) {
  ResetEngine();
  ImageWidth = ImageHeight = 1024;
  const int i = CreateInstance(Types[Member]);
  if (Details > 0) ModuleParams[i].ParamValue[7] = Details;
  return i;
}

void RunModule(benchmark::State& state, int32_t Details) {
  const int member = static_cast<int>(state.range(0));
  const int i = Prepare(member, Details);
  RunningInstance = i;
  for (auto _ : state) TypeExecuteProc[Types[member]]();
  state.SetItemsProcessed(state.iterations() * ChaosIterations(ModuleParams[i].ParamValue[7]));
  state.SetLabel(TypeCode[Types[member]]);
}

void Module(benchmark::State& state) { RunModule(state, 0); }
// The same with the steps as SSE2 code, as on a processor without AVX2.
void ModuleSSE2(benchmark::State& state) {
  const bool wide = ChaosWideSteps;
  ChaosWideSteps = false;
  RunModule(state, 0);
  ChaosWideSteps = wide;
}
void LargestDetails(benchmark::State& state) { RunModule(state, 10000); }

void Plain(benchmark::State& state) {
  const int member = static_cast<int>(state.range(0));
  const int i = Prepare(member, 0);
  for (auto _ : state) reference::Cloud(member, ModuleParams[i].ParamValue);
  state.SetItemsProcessed(state.iterations() * ChaosIterations(ModuleParams[i].ParamValue[7]));
  state.SetLabel(TypeCode[Types[member]]);
}

void Command(benchmark::State& state) {
  const int member = static_cast<int>(state.range(0));
  ResetEngine();
  const std::string name = TypeName[Types[member]];
  const std::string out = "/tmp/quillon-bench-chaos.bmp";
  for (auto _ : state) {
    std::ostringstream o, e;
    if (RunQuillon({"render", "--size", "1024x1024", "-o", out, name}, o, e) != ExitOk)
      state.SkipWithError("render failed");
  }
  std::remove(out.c_str());
  state.SetLabel(name);
}

}  // namespace

BENCHMARK(SineFixedTwoLanes)->DenseRange(0, 1);
BENCHMARK(SineFixedOneLane)->DenseRange(0, 1);
BENCHMARK(SineFixedChain);
BENCHMARK(SineLibrary64Chain);
BENCHMARK(SineLibrary64)->DenseRange(0, 1);
BENCHMARK(SineLibrary80)->DenseRange(0, 1);
BENCHMARK(Module)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ModuleSSE2)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Plain)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Command)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LargestDetails)->DenseRange(0, 9)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
