// The generator algorithms at 1024 x 1024 with the work records the
// composite textures pass them.
#include <benchmark/benchmark.h>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Random.h"
#include "engine/Startup.h"
#include "modules/generators/Blob.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Pls1.h"
#include "modules/generators/Poly.h"
#include "modules/generators/Shapes.h"
#include "modules/generators/SinX.h"
#include "modules/generators/Twig.h"

using namespace quillon;

namespace {

void Picture() {
  static bool started = false;
  if (!started) {
    ResetEngine();
    started = true;
  }
  ImageWidth = 1024;
  ImageHeight = 1024;
}

// "Red Swimming Pool", phase 1: sparse RGB noise.
void BM_Noise_RedSwimmingPool(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    NoiseWork = {SpaceRGB, 0, 72, 0, 101, 0, 255, 6, 0};
    Noise_Compute();
  }
}
BENCHMARK(BM_Noise_RedSwimmingPool)->Unit(benchmark::kMillisecond);

// "Bark", phase 6: every pixel drawn (rate 100), HSL.
void BM_Noise_Bark(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    NoiseWork = {SpaceHSL, 0, 39, 0, 222, 0, 255, 100, 0};
    Noise_Compute();
  }
}
BENCHMARK(BM_Noise_Bark)->Unit(benchmark::kMillisecond);

// "Grass": W + H twigs of 20 .. W + H pixels, random orientation.
void BM_Twig_Grass(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    TWIGWork = {20, 2048, 2048, 0, 0, 100, 4, 100, 10, 4, 0, PackRGB(0, 128, 0), 500};
    TWIG_Compute();
  }
}
BENCHMARK(BM_Twig_Grass)->Unit(benchmark::kMillisecond);

// "Neurons", phase 1 at 1024 x 1024: 4096 rectangles of 3..32 with both
// gradient modes drawn.
void BM_Shapes_Neurons(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    SH01Work = {SpaceHSL, 3, 32, 3, 32, 0, 359, 0, 255, 0, 255, 4096, 1, 1, 1, 0};
    RandomSeed = 0;
    SH01_Compute();
  }
}
BENCHMARK(BM_Shapes_Neurons)->Unit(benchmark::kMillisecond);

// "Plank", phase 1: 87 grown lines of at least 175 pixels.
void BM_Poly_Plank(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    POLYWork = {87, 100, 8, 100, 2, 100, 12, 175, 0, PackRGB(0, 255, 255), 4};
    POLY_Run();
  }
}
BENCHMARK(BM_Poly_Plank)->Unit(benchmark::kMillisecond);

// "Corn" with its defaults: 655 grains of radius 38..42.
void BM_Blob_Corn(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    BLOBWork = {0, 38, 42, 655, 30, 50, 5, 5, 0, 1};
    BLOB_Compute();
  }
}
BENCHMARK(BM_Blob_Corn)->Unit(benchmark::kMillisecond);

// "Inside The Body", phase 1: 10 blobs.
void BM_Pls1_InsideTheBody(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    PLS1Work = {100, 80, 60, 120, 100, 80, 10, 10, 10, 0, 0, 0, 15, 10, 0};
    PLS1_Compute();
  }
}
BENCHMARK(BM_Pls1_InsideTheBody)->Unit(benchmark::kMillisecond);

// The same with a blur of 5 on every channel (no texture asks for it).
void BM_Pls1_Blurred(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    PLS1Work = {100, 80, 60, 120, 100, 80, 10, 10, 10, 5, 5, 5, 15, 10, 0};
    PLS1_Compute();
  }
}
BENCHMARK(BM_Pls1_Blurred)->Unit(benchmark::kMillisecond);

// Periodic texture pack, phase 1: Tx A (sine), Tx B (triangle), Tx C
// (sawtooth) with their default values.
void BM_SinX_Lum(benchmark::State& state) {
  Picture();
  const int32_t wave = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    if (wave == 2)
      SIN1Work = {4, 0, 100, 4, 0, 100, 0, 255, 0, 255, 2, 1};
    else
      SIN1Work = {3, 0, 100, 2, 0, 100, 0, 255, 0, 255, wave, 3};
    SinX_ComputeLum();
  }
}
BENCHMARK(BM_SinX_Lum)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// "Rainbow Bananas", phase 3 at 1024 x 1024: PW 4, PH 18, product.
void BM_SinX_Hue_RainbowBananas(benchmark::State& state) {
  Picture();
  for (auto _ : state) {
    SIN3Work = {4, 0, 100, 18, 0, 100, 255, 255, 0, 359, 0, 3};
    SinX_ComputeHue();
  }
}
BENCHMARK(BM_SinX_Hue_RainbowBananas)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
