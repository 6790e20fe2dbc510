#include "modules/generators/Twig.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/WorkBound.h"
#include "modules/generators/WalkBand.h"
#include "shell/ColorWalk.h"

namespace quillon {

TTWIGWork TWIGWork;

namespace {

// One step of a twig of orientation O from (x, y) on a W x H picture, with
// its one draw from State. The sideways drift of the straight orientations
// is RandomInt(-1, 1); the diagonal ones pick one of their three moves with
// RandomInt(1, 3), in the order listed (slot 0 unused).
template <int O>
inline void StepTwig(int32_t& State, int W, int H, int& x, int& y) {
  static constexpr int8_t FallingX[4] = {0, 1, 1, 0}, FallingY[4] = {0, 1, 0, 1};  // down-right, right, down
  static constexpr int8_t RisingX[4] = {0, -1, -1, 0}, RisingY[4] = {0, 1, 0, 1};  // down-left, left, down
  if constexpr (O == 1) {
    x += 1;
    y += RandomInt(State, -1, 1);
  } else if constexpr (O == 2) {
    const int move = RandomInt(State, 1, 3);
    x += FallingX[move];
    y += FallingY[move];
  } else if constexpr (O == 3) {
    const int move = RandomInt(State, 1, 3);
    x += RisingX[move];
    y += RisingY[move];
  } else {
    y += 1;
    x += RandomInt(State, -1, 1);
  }
  // One step off the picture wraps to the other side.
  x = x < 1 ? W : (x > W ? 1 : x);
  y = y < 1 ? H : (y > H ? 1 : y);
}

// Calls body with the orientation as a constant: 1, 2, 3, and 0 for any other.
template <typename Body>
void WithOrientation(int orientation, Body&& body) {
  switch (orientation) {
    case 1: body(std::integral_constant<int, 1>{}); break;
    case 2: body(std::integral_constant<int, 2>{}); break;
    case 3: body(std::integral_constant<int, 3>{}); break;
    default: body(std::integral_constant<int, 0>{}); break;
  }
}

// The twigs drawn in batches. The draws are made in order, one twig after
// the other, keeping each twig's pixels cut into runs by bands of columns;
// then each thread draws the runs in its own columns, in their order. Each
// pixel is written by one thread in the order of the serial drawing, so the
// last twig over it ends on top at any number of threads. Every twig
// restarts the pen's colour walk, so the colour of a twig's k-th pixel is
// the same for all twigs, kept once in a table.
class TwigBatch {
 public:
  // Twigs longer than this are drawn as they are walked.
  static constexpr int32_t LongestKept = 1 << 16;

  explicit TwigBatch(const int32_t start[3]) {
    for (int c = 0; c < 3; ++c) start_[c] = start[c];
    for (Band& b : bands_) b.Spots.resize(2 * Batch / bands_.size());
  }

  // Walks a twig of 1..LongestKept pixels from (x, y) and keeps its pixels.
  void Add(int x, int y, int32_t length, int orientation) {
    WithOrientation(orientation, [&](auto o) { Walk<decltype(o)::value>(x, y, length); });
    ColorsUpTo(length);
    pending_ += static_cast<size_t>(length);
    if (pending_ >= Batch) Draw();
  }

  void Draw() {
    if (pending_ == 0) return;
    Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
    Plane& sat = LayerPlane(CurrentLayer, SpaceHSL, 2);
    Plane& lum = LayerPlane(CurrentLayer, SpaceHSL, 3);
    // Band by band: a band's pixels of all three planes stay in the cache.
    ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
      for (int b = (x0 - 1) >> BandShift; b <= (x1 - 1) >> BandShift; ++b) {
        const Band& band = bands_[static_cast<size_t>(b)];
        for (const Run& r : band.Runs) {
          const uint32_t* spot = &band.Spots[r.First];
          const std::array<Sample, 3>* color = &colors_[static_cast<size_t>(r.FirstPixel)];
          for (int32_t k = 0; k < r.Length; ++k) {
            const int x = static_cast<int>(spot[k] >> 16);
            if (x < x0 || x > x1) continue;
            const int y = static_cast<int>(spot[k] & 0xFFFF);
            hue.at(x, y) = color[k][0];
            sat.at(x, y) = color[k][1];
            lum.at(x, y) = color[k][2];
          }
        }
      }
    });
    for (Band& band : bands_) {
      band.Runs.clear();
      band.Used = 0;
    }
    pending_ = 0;
  }

 private:
  static constexpr int BandShift = 5;               // 32 columns a band
  static constexpr size_t Batch = size_t{1} << 18;  // pixels

  // Pixels of one twig in one band, in their order.
  struct Run {
    size_t First;        // in the band's spots
    int32_t FirstPixel;  // of the twig: the index of its colour
    int32_t Length;
  };
  struct Band {
    std::vector<Run> Runs;
    std::vector<uint32_t> Spots;  // x << 16 | y; the first Used are kept pixels
    size_t Used = 0;
  };

  // One run at a time: the twig's pixels until it leaves the band, written
  // through a local pointer (room for the rest of the twig made first).
  template <int O>
  void Walk(int x, int y, int32_t length) {
    const int W = ImageWidth, H = ImageHeight;
    int32_t state = RandomSeed;
    for (int32_t k = 0; k < length;) {
      const int bandIndex = (x - 1) >> BandShift;
      Band& band = bands_[static_cast<size_t>(bandIndex)];
      const size_t need = band.Used + static_cast<size_t>(length - k);
      if (band.Spots.size() < need) band.Spots.resize(std::max(need, 2 * band.Spots.size()));
      uint32_t* spot = &band.Spots[band.Used];
      const int32_t from = k;
      do {
        *spot++ = static_cast<uint32_t>(x) << 16 | static_cast<uint32_t>(y);
        StepTwig<O>(state, W, H, x, y);
      } while (++k < length && (x - 1) >> BandShift == bandIndex);
      band.Runs.push_back({band.Used, from, k - from});
      band.Used += static_cast<size_t>(k - from);
    }
    RandomSeed = state;
  }

  // The pen's colours of the first Length pixels of a twig.
  void ColorsUpTo(int32_t length) {
    if (colors_.empty()) {
      RestartWalk(start_);
      pen_ = ColorWalker;
    }
    while (static_cast<int32_t>(colors_.size()) < length) {
      colors_.push_back({static_cast<Sample>(pen_.Channel[0].Value), static_cast<Sample>(pen_.Channel[1].Value),
                         static_cast<Sample>(pen_.Channel[2].Value)});
      BounceStep(pen_);
    }
  }

  int32_t start_[3];
  std::vector<Band> bands_ = std::vector<Band>(static_cast<size_t>((ImageWidth - 1) >> BandShift) + 1);
  size_t pending_ = 0;                         // pixels kept
  std::vector<std::array<Sample, 3>> colors_;  // by pixel of a twig
  ColorWalkRecord pen_{};                      // after the last colour kept
};

}  // namespace

void TWIG_Compute() {
  const TTWIGWork w = TWIGWork;
  RandomSeed = w.Seed;
  InitRandom(RandomSeed);

  int32_t fore[3];
  ColorToHSL(w.ForeColor, fore[0], fore[1], fore[2]);
  SetWalkBand(1, fore[0], w.HueRange, w.HueVariation, MaxHue);
  SetWalkBand(2, fore[1], w.SatRange, w.SatVariation, MaxSatLum);
  SetWalkBand(3, fore[2], w.LumRange, w.LumVariation, MaxSatLum);

  int32_t bh, bs, bl;
  ColorToHSL(w.BackColor, bh, bs, bl);
  FillLayer(CurrentLayer, SpaceHSL, bh, bs, bl);

  Plane& hue = LayerPlane(CurrentLayer, SpaceHSL, 1);
  Plane& sat = LayerPlane(CurrentLayer, SpaceHSL, 2);
  Plane& lum = LayerPlane(CurrentLayer, SpaceHSL, 3);

  TwigBatch batch(fore);
  int32_t lastKept = -1;  // the length of the last twig when it went to the batch
  for (int64_t twig = 1; twig <= w.Occurences; ++twig) {
    // An orientation outside 0..4 draws as the first one, vertical.
    int orientation = (w.Orientation >= 0 && w.Orientation <= 4) ? w.Orientation : 0;
    if (orientation == 4) orientation = RandomInt(RandomSeed, 0, 3);
    int x = RandomInt(RandomSeed, 1, ImageWidth);
    int y = RandomInt(RandomSeed, 1, ImageHeight);
    const int32_t length = RandomInt(RandomSeed, w.MinLength, w.MaxLength);
    // A length below 1 draws nothing.
    if (length <= TwigBatch::LongestKept) {
      if (length >= 1) batch.Add(x, y, length, orientation);
      lastKept = length < 0 ? 0 : length;
      continue;
    }
    batch.Draw();
    lastKept = -1;
    RestartWalk(fore);
    for (int64_t step = 1; step <= length; ++step) {
      hue.at(x, y) = static_cast<Sample>(ColorWalker[1].Value);
      sat.at(x, y) = static_cast<Sample>(ColorWalker[2].Value);
      lum.at(x, y) = static_cast<Sample>(ColorWalker[3].Value);
      WithOrientation(orientation,
                      [&](auto o) { StepTwig<decltype(o)::value>(RandomSeed, ImageWidth, ImageHeight, x, y); });
      BounceStep();
    }
  }
  batch.Draw();
  // The pen as the last twig left it.
  if (lastKept >= 0) {
    RestartWalk(fore);
    for (int32_t k = 0; k < lastKept; ++k) BounceStep();
  }
  SyncCurrentColorSpace(SpaceHSL);
}

double TWIG_WorkCount(const TTWIGWork& w) {
  const double longest = std::numeric_limits<double>::infinity();
  return std::max(0.0, static_cast<double>(w.Occurences)) * (2 + MeanHeld(w.MinLength, w.MaxLength, longest));
}

}  // namespace quillon
