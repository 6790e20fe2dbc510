// Small hand-made pictures for the filter tests: rows are written as the eye
// reads them (rows[y - 1][x - 1]), planes are compared the same way.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Startup.h"

namespace quillon::test {

using Rows = std::vector<std::vector<int>>;

// Start-up state and a picture of the given size.
inline void UsePicture(int w, int h) {
  ResetEngine();
  SetThreadCount(0);
  ImageWidth = w;
  ImageHeight = h;
}

inline void SetRows(int layer, int space, int channel, const Rows& rows) {
  for (size_t y = 0; y < rows.size(); ++y)
    for (size_t x = 0; x < rows[y].size(); ++x)
      Pixel(layer, space, channel, static_cast<int>(x) + 1, static_cast<int>(y) + 1) = static_cast<Sample>(rows[y][x]);
}

inline Rows GetRows(int layer, int space, int channel) {
  Rows rows(ImageHeight, std::vector<int>(ImageWidth));
  for (int y = 1; y <= ImageHeight; ++y)
    for (int x = 1; x <= ImageWidth; ++x) rows[y - 1][x - 1] = Pixel(layer, space, channel, x, y);
  return rows;
}

// Result-layer shorthands.
inline void Set(int space, int channel, const Rows& rows) { SetRows(ResultLayer, space, channel, rows); }
inline Rows Get(int space, int channel) { return GetRows(ResultLayer, space, channel); }

// Every pixel of the result layer's HSL space set to one colour.
inline Rows Constant(int value) { return Rows(ImageHeight, std::vector<int>(ImageWidth, value)); }

// A random picture with every sample in range: RGB drawn, HSL derived.
inline void RandomPicture(uint32_t seed, int layer = ResultLayer) {
  std::mt19937 g(seed);
  std::uniform_int_distribution<int> d(0, 255);
  for (int c = 1; c <= 3; ++c)
    for (int x = 1; x <= ImageWidth; ++x)
      for (int y = 1; y <= ImageHeight; ++y) Pixel(layer, SpaceRGB, c, x, y) = static_cast<Sample>(d(g));
  SyncLayerColorSpace(layer, SpaceRGB);
}

// A copy of a whole layer's picture area, both spaces.
inline std::vector<Sample> Snapshot(int layer = ResultLayer) {
  std::vector<Sample> s;
  for (int space : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) s.push_back(Pixel(layer, space, c, x, y));
  return s;
}

// True when every sample of the result layer lies in its channel's range.
inline ::testing::AssertionResult AllInRange() {
  for (int space : {SpaceRGB, SpaceHSL})
    for (int c = 1; c <= 3; ++c) {
      const int top = (space == SpaceHSL && c == 1) ? 359 : 255;
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) {
          const int v = Pixel(ResultLayer, space, c, x, y);
          if (v < 0 || v > top)
            return ::testing::AssertionFailure() << "space " << space << " channel " << c << " (" << x << ", " << y
                                                 << ") = " << v;
        }
    }
  return ::testing::AssertionSuccess();
}

// Runs a filter on the same random picture at one thread and at several and
// tells whether both layers came out identical.
inline ::testing::AssertionResult SameAtEveryThreadCount(int w, int h, const std::function<void()>& prepare,
                                                          const std::function<void()>& run) {
  std::vector<Sample> results[2];
  const int counts[2] = {1, 5};
  for (int i = 0; i < 2; ++i) {
    UsePicture(w, h);
    RandomPicture(77);
    RandomPicture(78, CurrentLayer);
    if (prepare) prepare();
    SetThreadCount(counts[i]);
    run();
    results[i] = Snapshot(ResultLayer);
    auto current = Snapshot(CurrentLayer);
    results[i].insert(results[i].end(), current.begin(), current.end());
  }
  SetThreadCount(0);
  if (results[0] == results[1]) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pictures differ between 1 and 5 threads";
}

}  // namespace quillon::test
