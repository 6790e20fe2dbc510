// The memory floor of a whole-layer pass on this machine, timed in the same
// run as the pass it is set beside: a plain copy of one layer (both spaces,
// three channels, the ImageWidth x ImageHeight corner).
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "engine/ImageStore.h"

namespace quillon::bench {

// Seconds per plain copy of the result layer into the backup layer.
inline double LayerCopySeconds() {
  constexpr int Rounds = 20;
  const size_t column = sizeof(Sample) * static_cast<size_t>(ImageHeight);
  const auto start = std::chrono::steady_clock::now();
  for (int r = 0; r < Rounds; ++r)
    for (int s : {SpaceRGB, SpaceHSL})
      for (int c = 1; c <= 3; ++c)
        for (int x = 1; x <= ImageWidth; ++x)
          std::memcpy(ImageStore().BackupLayer.plane(s, c).column(x), Layer(ResultLayer).plane(s, c).column(x), column);
  benchmark::ClobberMemory();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / Rounds;
}

}  // namespace quillon::bench
