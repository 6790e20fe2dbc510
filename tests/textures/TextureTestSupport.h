// Shared helpers of the composite-texture tests: pictures as sample lists,
// the status texts of a run, and the null-colour fill exactly as its loop is
// written, to hold the fill of the engine against.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "engine/Chain.h"
#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/RandomFill.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

namespace quillon::test {

// A composite texture of module type Type on a fresh application, at 64 x 48
// unless a test chooses another size.
template <int Type>
class TextureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartApplication();
    UseSize(64, 48);
  }
  void TearDown() override { StartApplication(); }
  static void UseSize(int W, int H) {
    ImageWidth = W;
    ImageHeight = H;
  }
  // A new instance at chain position 1, its values set, computed alone.
  static void Run(std::initializer_list<std::pair<int, int32_t>> values = {}) {
    NextInstance = 1;
    const int i = CreateInstance(Type);
    for (auto [k, v] : values) ModuleParams[i].ParamValue[k] = v;
    ComputeChain();
  }
  // Parameter k's default and range: {k, default, minimum, maximum} rows.
  static void ExpectDefaultsAndRanges(std::initializer_list<std::array<int32_t, 4>> rows) {
    const int i = CreateInstance(Type);
    for (auto& t : rows) {
      EXPECT_EQ(ModuleParams[i].ParamValue[t[0]], t[1]) << "p" << t[0];
      EXPECT_EQ(ModuleParams[i].ParamMin[t[0]], t[2]) << "p" << t[0];
      EXPECT_EQ(ModuleParams[i].ParamMax[t[0]], t[3]) << "p" << t[0];
    }
  }
};

// Both spaces of a picture over the ImageWidth x ImageHeight corner.
inline std::vector<Sample> Snapshot(LayerData& picture) {
  std::vector<Sample> v;
  v.reserve(static_cast<size_t>(ImageWidth) * ImageHeight * 6);
  for (int s = SpaceRGB; s <= SpaceHSL; ++s)
    for (int c = 1; c <= 3; ++c)
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y) v.push_back(picture.plane(s, c).at(x, y));
  return v;
}
inline std::vector<Sample> Snapshot(int layer) { return Snapshot(Layer(layer)); }

// The fields of a work record, in their order.
template <typename Record>
std::vector<int32_t> Fields(const Record& record) {
  std::vector<int32_t> v(sizeof(Record) / sizeof(int32_t));
  std::memcpy(v.data(), &record, sizeof(Record));
  return v;
}

// The work image just before phase k of a composite texture runs and just
// after it, and the current layer just after it (the drawing of a generator
// phase), taken from the status marks as they are painted: the mark of phase
// k is shown before its work record is filled, that of phase k + 1 after
// phase k and its copy or compose. AtNext runs at the mark of phase k + 1.
struct PhaseCapture {
  explicit PhaseCapture(int k, std::function<void()> AtNext = nullptr)
      : Before(std::make_unique<LayerData>()),
        After(std::make_unique<LayerData>()),
        Drawn(std::make_unique<LayerData>()) {
    const std::string mark = " [phase " + std::to_string(k) + "]";
    const std::string next = " [phase " + std::to_string(k + 1) + "]";
    auto endsWith = [](const std::string& t, const std::string& e) {
      return t.size() >= e.size() && t.compare(t.size() - e.size(), e.size(), e) == 0;
    };
    previous_ = F_Synthe->StatusBar1.OnPaint;
    F_Synthe->StatusBar1.OnPaint = [this, mark, next, endsWith, AtNext](const PaintedText& t) {
      if (previous_) previous_(t);
      if (t.Panel != 1) return;
      if (endsWith(t.Text, mark)) CopyPicture(Layer(ResultLayer), *Before);
      if (endsWith(t.Text, next)) {
        CopyPicture(Layer(ResultLayer), *After);
        CopyPicture(Layer(CurrentLayer), *Drawn);
        if (AtNext) AtNext();
      }
    };
  }
  ~PhaseCapture() { F_Synthe->StatusBar1.OnPaint = previous_; }
  std::unique_ptr<LayerData> Before, After, Drawn;

 private:
  std::function<void(const PaintedText&)> previous_;  // captures of other phases
};

// The texts painted into the progress panel since the last ClearPainted.
inline std::vector<std::string> ProgressTexts() {
  std::vector<std::string> texts;
  for (const auto& t : F_Synthe->StatusBar1.Painted())
    if (t.Panel == 1) texts.push_back(t.Text);
  return texts;
}

// The running module's text and then "[phase k]" for k = 1..Phases.
inline std::vector<std::string> PhaseTexts(const std::string& Running, int Phases) {
  std::vector<std::string> texts = {Running};
  for (int k = 1; k <= Phases; ++k) texts.push_back(Running + " [phase " + std::to_string(k) + "]");
  return texts;
}

inline bool IsKey(const TRNCCWork& w, int x, int y) {
  for (int c = 0; c < 3; ++c)
    if (Pixel(ResultLayer, SpaceHSL, c + 1, x, y) != w.Key[c]) return false;
  return true;
}

// Key pixels of the result layer (HSL) whose row or column holds no other
// pixel: the nearest-pixel fill (mode 2) can never reach them.
inline int64_t KeyPixelsOutOfReach(const TRNCCWork& w) {
  const int W = ImageWidth, H = ImageHeight;
  std::vector<int> inRow(H + 1, 0), inColumn(W + 1, 0);
  for (int x = 1; x <= W; ++x)
    for (int y = 1; y <= H; ++y)
      if (!IsKey(w, x, y)) ++inRow[y], ++inColumn[x];
  int64_t n = 0;
  for (int x = 1; x <= W; ++x)
    for (int y = 1; y <= H; ++y) n += IsKey(w, x, y) && (inRow[y] == 0 || inColumn[x] == 0);
  return n;
}

// The null-colour fill of the result layer's HSL space exactly as its loop is
// written, with HSL records and equal deviation bounds: rounds of W x H
// probes until fewer than a tenth of the pixels are key pixels, then sweeps
// of the 3 x 3 average until none is left. Returns false, leaving the
// picture as the probing rounds left it, when the rounds would go on for
// ever: a round changed nothing and no key pixel left has a pixel of another
// colour in both its row and its column.
inline bool WrittenFill() {
  const TRNCCWork w = RNCCWork;
  const int W = ImageWidth, H = ImageHeight;
  InitRandom(RandomSeed);
  auto fill = [&](int x, int y, const int64_t sum[3], int count) {
    bool changed = false;
    for (int c = 0; c < 3; ++c) {
      const int32_t dev = RandomInt(RandomSeed, -w.Deviation[c].Minus, w.Deviation[c].Plus);
      const int32_t v = Clamp(RoundDiv(sum[c], int64_t{count}) + dev, 0, c == 0 ? MaxHue : MaxSatLum);
      changed |= v != w.Key[c];
      Pixel(ResultLayer, SpaceHSL, c + 1, x, y) = static_cast<Sample>(v);
    }
    return changed;
  };
  auto keys = [&] {
    int64_t n = 0;
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) n += IsKey(w, x, y);
    return n;
  };
  const int64_t enough = Round(static_cast<Real>(W) * H * 10 / 100);
  do {
    bool changed = false;
    for (int64_t i = 0; i < int64_t{W} * H; ++i) {
      const int x = static_cast<int>(Round(static_cast<Real>(Random01(RandomSeed)) * (W - 1))) + 1;
      const int y = static_cast<int>(Round(static_cast<Real>(Random01(RandomSeed)) * (H - 1))) + 1;
      if (!IsKey(w, x, y)) continue;
      int64_t sum[3] = {0, 0, 0};
      int found = 0;
      const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (const auto& s : steps) {
        int px = x, py = y;
        for (int k = 1; k < (s[0] != 0 ? W : H); ++k) {
          px = WrapIndex(px - 1 + s[0], W) + 1;
          py = WrapIndex(py - 1 + s[1], H) + 1;
          if (!IsKey(w, px, py)) {
            for (int c = 0; c < 3; ++c) sum[c] += Pixel(ResultLayer, SpaceHSL, c + 1, px, py);
            ++found;
            break;
          }
        }
      }
      if (found == 4) changed |= fill(x, y, sum, 4);
    }
    if (!changed && keys() >= enough) {
      bool reachable = false;
      std::vector<int> inRow(H + 1, 0), inColumn(W + 1, 0);
      for (int x = 1; x <= W; ++x)
        for (int y = 1; y <= H; ++y)
          if (!IsKey(w, x, y)) ++inRow[y], ++inColumn[x];
      for (int x = 1; x <= W && !reachable; ++x)
        for (int y = 1; y <= H; ++y) reachable |= IsKey(w, x, y) && inRow[y] > 0 && inColumn[x] > 0;
      if (!reachable) return false;
    }
  } while (keys() >= enough);
  while (keys() > 0)
    for (int x = 1; x <= W; ++x)
      for (int y = 1; y <= H; ++y) {
        if (!IsKey(w, x, y)) continue;
        int64_t sum[3] = {0, 0, 0};
        int count = 0;
        for (int dx = -1; dx <= 1; ++dx)
          for (int dy = -1; dy <= 1; ++dy) {
            const int nx = WrapIndex(x - 1 + dx, W) + 1, ny = WrapIndex(y - 1 + dy, H) + 1;
            if ((dx != 0 || dy != 0) && !IsKey(w, nx, ny)) {
              for (int c = 0; c < 3; ++c) sum[c] += Pixel(ResultLayer, SpaceHSL, c + 1, nx, ny);
              ++count;
            }
          }
        if (count > 0) fill(x, y, sum, count);
      }
  SyncColorSpace(SpaceHSL);
  return true;
}

}  // namespace quillon::test
