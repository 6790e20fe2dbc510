// Shared by the engine's test suites: a fixture that starts every test from
// the start-up state, and a hand-written replica of the random generator.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"

namespace quillon::test {

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine();
    SetThreadCount(0);
  }
  void TearDown() override {
    SetThreadCount(0);
    ResetEngine();
  }
};

// The generator replayed by hand: s := (s * 843314861 + 453816693) mod 2^31
// on the unsigned 32-bit pattern of s, draw s / 2^31, and a 97-slot shuffle
// table of its own, so a test can predict every value the engine returns.
struct ReplayGenerator {
  int32_t State;
  double Slot[98] = {};  // 1..97

  explicit ReplayGenerator(int32_t seed) : State(seed) {}

  double Step() {
    uint64_t s = static_cast<uint32_t>(State);
    s = (s * 843314861ull + 453816693ull) % 2147483648ull;
    State = static_cast<int32_t>(s);
    return static_cast<double>(s) / 2147483648.0;
  }
  void Init() {
    for (int i = 1; i <= 97; ++i) Slot[i] = Step();
  }
  double Next01() {
    const double r = Step();
    // Round(r * 97) + 1 with ties to even: r * 97 is exact in long double.
    long double scaled = static_cast<long double>(r) * 97;
    long double whole = static_cast<long double>(static_cast<int64_t>(scaled));
    long double frac = scaled - whole;
    int64_t rounded = static_cast<int64_t>(whole);
    if (frac > 0.5L || (frac == 0.5L && (rounded % 2) != 0)) ++rounded;
    int64_t j = rounded + 1;
    if (j < 1 || j > 97) j = 1;
    const double v = Slot[j];
    Slot[j] = r;
    return v;
  }
  int32_t NextInt(int32_t lo, int32_t hi) {
    long double scaled = static_cast<long double>(Next01()) * (static_cast<long double>(hi) - lo);
    long double whole = static_cast<long double>(static_cast<int64_t>(scaled));
    long double frac = scaled - whole;
    int64_t rounded = static_cast<int64_t>(whole);
    if (frac > 0.5L || (frac == 0.5L && (rounded % 2) != 0)) ++rounded;
    return static_cast<int32_t>(lo + rounded);
  }
};

// Whole planes compared over the picture area.
inline bool SamePlanes(const Plane& a, const Plane& b) {
  for (int x = 1; x <= ImageWidth; ++x)
    if (std::memcmp(a.column(x), b.column(x), sizeof(Sample) * static_cast<size_t>(ImageHeight)) != 0) return false;
  return true;
}

inline bool SamePictures(const LayerData& a, const LayerData& b) {
  for (int s : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c)
      if (!SamePlanes(a.plane(s, c), b.plane(s, c))) return false;
  return true;
}

}  // namespace quillon::test
