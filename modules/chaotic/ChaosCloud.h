// The point cloud shared by every chaotic function: a sine/cosine map is
// iterated from a random start point, every step lands on a pixel whose hit
// count grows, and the counts become a grey picture in the current layer.
//
// The members differ only in their map. A map is a small function object;
// the loop below is instantiated once per map, so the map is inlined into it
// and nothing but the map, two roundings and one sample update is done per
// step.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/FixedTrig.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"

namespace quillon {

// The work record of a one-modifier function, in this field order. Each
// member keeps its own record of this layout (K1M1Work, ...).
struct ChaosWork1 {
  double WidthEffect;   // parameter 1, not yet divided by 50
  double HeightEffect;  // parameter 2
  double PhaseStep;     // parameter 4
  double LeftOffset;    // parameter 11
  double RightOffset;   // parameter 12
  double TopOffset;     // parameter 13
  double BottomOffset;  // parameter 14
  int32_t Details;      // parameter 7
  int32_t Luminosity;   // parameter 8
  int32_t Seed;         // parameter 10
};
static_assert(offsetof(ChaosWork1, PhaseStep) == 16 && offsetof(ChaosWork1, BottomOffset) == 48 &&
              offsetof(ChaosWork1, Details) == 56 && offsetof(ChaosWork1, Seed) == 64);

// The work record of a two-modifier function. Both width effects come
// before both height effects, unlike the parameter numbers (1, 2, 4, 5).
struct ChaosWork2 {
  double WidthEffect1;   // parameter 1
  double WidthEffect2;   // parameter 4
  double HeightEffect1;  // parameter 2
  double HeightEffect2;  // parameter 5
  double LeftOffset;     // parameter 11
  double RightOffset;    // parameter 12
  double TopOffset;      // parameter 13
  double BottomOffset;   // parameter 14
  int32_t Details;       // parameter 7
  int32_t Luminosity;    // parameter 8
  int32_t Seed;          // parameter 10
};
static_assert(offsetof(ChaosWork2, WidthEffect2) == 8 && offsetof(ChaosWork2, HeightEffect1) == 16 &&
              offsetof(ChaosWork2, Details) == 64 && offsetof(ChaosWork2, Seed) == 72);

// "Details" is documented up to 10000 (100,000,000 steps). A larger stored
// value is used as 10000, so no preset can make a run last for hours or
// overflow the count; 0 or less runs no step at all.
inline constexpr int32_t ChaosMaxDetails = 10000;
int64_t ChaosIterations(int32_t Details);

// Parameters are stored as 64-bit reals and scaled by exactly 50 (in
// extended precision, then kept as a 64-bit real).
inline double ChaosScale(double Value) { return static_cast<double>(static_cast<Real>(Value) / 50); }

// The sines and cosines of one step, two at a time: lane 0 feeds x', lane 1
// y'. Sines(u, v) is (sin u, sin v), Cosines(u, v) is (cos u, cos v) and
// SinCos(u, v) is (sin u, cos v).
inline Double2 Sines(double u, double v) { return FixedSinCos2<0b00>(Double2{u, v}); }
inline Double2 Cosines(double u, double v) { return FixedSinCos2<0b11>(Double2{u, v}); }
inline Double2 SinCos(double u, double v) { return FixedSinCos2<0b10>(Double2{u, v}); }

// Everything the loop needs besides the map: the window and scales of
// the value domain, the phase step and the start point, as 64-bit reals.
struct ChaosSetup {
  double XMin, YMin, KX, KY;
  double PhaseStep;  // 0 for the two-modifier family
  double X, Y;       // the start point
  int64_t Iterations;
  int32_t Clip;      // 1001 - luminosity, within the sample range
};

// Seeds the generator, clears the HSL space of the current layer and draws
// the start point. Offsets and the phase step as stored in the work record.
ChaosSetup BeginChaosCloud(double Left, double Right, double Top, double Bottom, double PhaseStep, int32_t Details,
                           int32_t Luminosity, int32_t Seed);

// Counts to grey: stretch to 0..1000, clip at the luminosity level, stretch
// to 0..255.
void FinishChaosCloud(const ChaosSetup& S);

// Nearest integer, ties to even, of a value of magnitude below 2^31 (the
// loop passes only values in (0, ImageWidth + 1)): at 1.5 * 2^52 a 64-bit
// real holds whole numbers only, so adding and taking away that constant
// rounds in the default mode exactly as Round does, without a library call.
inline int RoundSmall(double V) {
  const double m = (V + 0x1.8p52) - 0x1.8p52;
  return static_cast<int>(m);
}

// Hit counts go up a few steps after their pixel is found. The orbit jumps
// across the whole plane, so nearly every count is a cache miss; waiting
// for it at once would hold up the sine and cosine work of the next steps.
// Each hit is prefetched and parked in the slot of its step number (mod
// Depth); the hit parked there before is counted when it is replaced, the
// rest at the end. Saturating increments give the same counts in any order.
class PendingHits {
 public:
  static constexpr unsigned Depth = 8;
  PendingHits() {
    for (Sample*& s : queue_) s = &sink_;
  }
  ~PendingHits() {
    for (Sample* s : queue_) Count(s);
  }
  void Add(Sample* s, uint64_t Step) {
    __builtin_prefetch(s, 1);
    Sample*& slot = queue_[Step % Depth];
    Count(slot);
    slot = s;
  }

 private:
  // A pixel hit more than 32767 times stays at 32767: the brightest point
  // of a settled orbit must not wrap to a negative count.
  static void Count(Sample* s) {
    if (*s < 32767) ++*s;
  }
  Sample* queue_[Depth];
  Sample sink_ = 0;
};

// The iteration, all in 64-bit reals. Phase maps take (x, y, t), the others
// (x, y); both return (x', y') from the values before the step.
template <bool Phase, class Map>
void IterateChaosCloud(const ChaosSetup& S, const Map& map) {
  Plane& counts = LayerPlane(CurrentLayer, SpaceHSL, 3);
  const int w = ImageWidth, h = ImageHeight;
  const Double2 low{S.XMin, S.YMin}, scale{S.KX, S.KY};
  // A step is tested as a real first: an extreme offset puts it far
  // outside any integer range, and only a value near the picture is
  // rounded and converted.
  const double xlimit = w + 1.0, ylimit = h + 1.0;
  PendingHits hits;
  Double2 p{S.X, S.Y};
  double t = 1.0;
  for (int64_t i = 0; i < S.Iterations; ++i) {
    Double2 next;
    if constexpr (Phase)
      next = map(p[0], p[1], t);
    else
      next = map(p[0], p[1]);
    const Double2 r = (next - low) * scale;
    if (r[0] > 0 && r[0] < xlimit && r[1] > 0 && r[1] < ylimit) {
      const int px = RoundSmall(r[0]), py = RoundSmall(r[1]);
      if (px >= 1 && px <= w && py >= 1 && py <= h) hits.Add(&counts.at(px, py), static_cast<uint64_t>(i));
    }
    p = next;
    if constexpr (Phase) t += S.PhaseStep;
  }
}

// A one-modifier member: Map{a, b} with map(x, y, t) -> (x', y').
template <class Map>
void ChaosCloud1(const ChaosWork1& W) {
  const Map map{ChaosScale(W.WidthEffect), ChaosScale(W.HeightEffect)};
  const ChaosSetup s = BeginChaosCloud(W.LeftOffset, W.RightOffset, W.TopOffset, W.BottomOffset, W.PhaseStep,
                                       W.Details, W.Luminosity, W.Seed);
  IterateChaosCloud<true>(s, map);
  FinishChaosCloud(s);
}

// A two-modifier member: Map{a, b, c, d} with map(x, y) -> (x', y'). In
// every member the x terms take a and d, the y terms b and c.
template <class Map>
void ChaosCloud2(const ChaosWork2& W) {
  const Map map{ChaosScale(W.WidthEffect1), ChaosScale(W.HeightEffect1), ChaosScale(W.WidthEffect2),
                ChaosScale(W.HeightEffect2)};
  const ChaosSetup s = BeginChaosCloud(W.LeftOffset, W.RightOffset, W.TopOffset, W.BottomOffset, 0.0, W.Details,
                                       W.Luminosity, W.Seed);
  IterateChaosCloud<false>(s, map);
  FinishChaosCloud(s);
}

}  // namespace quillon
