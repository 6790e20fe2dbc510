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
// y'. Sines(f, u, v) is (sin u, sin v), Cosines(f, u, v) is (cos u, cos v)
// and SinCos(f, u, v) is (sin u, cos v), evaluated by the step's Trig f:
// FastTrig takes the fast path only and notes whether a lane needed the
// careful one; FullTrig gives every lane its exact result.
struct FastTrig {
  trig::U2 Careful{0, 0};
  template <unsigned CosLanes>
  Double2 Lanes(Double2 Args) {
    trig::U2 careful;
    const Double2 out = FixedSinCos2Fast<CosLanes>(Args, careful);
    Careful |= careful;
    return out;
  }
  bool AnyCareful() const { return trig::AnyLane(Careful); }
};
struct FullTrig {
  template <unsigned CosLanes>
  Double2 Lanes(Double2 Args) {
    return FixedSinCos2<CosLanes>(Args);
  }
};
template <class Trig>
Double2 Sines(Trig& f, double u, double v) {
  return f.template Lanes<0b00>(Double2{u, v});
}
template <class Trig>
Double2 Cosines(Trig& f, double u, double v) {
  return f.template Lanes<0b11>(Double2{u, v});
}
template <class Trig>
Double2 SinCos(Trig& f, double u, double v) {
  return f.template Lanes<0b10>(Double2{u, v});
}

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

// The nearest integers, ties to even, of both lanes, each of magnitude below
// 2^31 (the orbit passes only values in (0, ImageWidth + 1)): at RoundingShift a
// 64-bit real holds whole numbers only, so adding that constant rounds in
// the default mode exactly as Round does, and leaves the rounded value in
// the low 32 bits of each lane.
inline void RoundSmall2(Double2 V, int& X, int& Y) {
  const __m128i m = std::bit_cast<__m128i>(V + Double2{RoundingShift, RoundingShift});
  const uint64_t both = static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_shuffle_epi32(m, 0x08)));
  X = static_cast<int>(static_cast<uint32_t>(both));
  Y = static_cast<int>(static_cast<uint32_t>(both >> 32));
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

// The orbit of one run, all in 64-bit reals. Phase maps take (f, x, y, t),
// the others (f, x, y); both return (x', y') from the values before the step.
template <bool Phase, class Map>
class ChaosOrbit {
 public:
  ChaosOrbit(const ChaosSetup& S, const Map& map)
      : map_(map),
        counts_(LayerPlane(CurrentLayer, SpaceHSL, 3)),
        w_(ImageWidth),
        h_(ImageHeight),
        low_{S.XMin, S.YMin},
        scale_{S.KX, S.KY},
        high_{ImageWidth + 1.0, ImageHeight + 1.0},
        step_(S.PhaseStep),
        p_{S.X, S.Y} {}

  void Run(int64_t Iterations) {
    for (int64_t i = 0; i < Iterations; ++i) {
      i = FastSteps(i, Iterations);
      if (i == Iterations) break;
      FullTrig f;
      Land(Next(f, p_, t_), i, p_, t_);
    }
  }

 private:
  // Steps i.. until one of them needs the careful path (returns its number)
  // or the run ends. No call in here: a call anywhere in a loop makes the
  // compiler keep the orbit in memory, and the careful steps (far fewer
  // than one in a thousand) are made by Run.
  [[gnu::noinline]] int64_t FastSteps(int64_t i, int64_t Iterations) {
    Double2 p = p_;
    double t = t_;
    for (; i < Iterations; ++i) {
      FastTrig f;
      const Double2 next = Next(f, p, t);
      if (f.AnyCareful()) [[unlikely]]
        break;
      Land(next, i, p, t);
    }
    p_ = p;
    t_ = t;
    return i;
  }

  template <class Trig>
  [[gnu::always_inline]] Double2 Next(Trig& f, Double2 p, double t) const {
    if constexpr (Phase)
      return map_(f, p[0], p[1], t);
    else
      return map_(f, p[0], p[1]);
  }

  // Counts the pixel step i lands on and moves on to it. A step is tested
  // as a real first: an extreme offset puts it far outside any integer
  // range, and only a value near the picture is rounded and converted.
  // Both coordinates are tested and rounded side by side, in their lanes.
  [[gnu::always_inline]] void Land(Double2 next, int64_t i, Double2& p, double& t) {
    const Double2 r = (next - low_) * scale_;
    const __m128d rd = std::bit_cast<__m128d>(r);
    if (_mm_movemask_pd(_mm_and_pd(_mm_cmpgt_pd(rd, _mm_setzero_pd()), _mm_cmplt_pd(rd, high_))) == 3) {
      int px, py;
      RoundSmall2(r, px, py);
      if (px >= 1 && px <= w_ && py >= 1 && py <= h_) hits_.Add(&counts_.at(px, py), static_cast<uint64_t>(i));
    }
    p = next;
    if constexpr (Phase) t += step_;
  }

  const Map map_;
  Plane& counts_;
  const int w_, h_;
  const Double2 low_, scale_;
  const __m128d high_;  // (width + 1, height + 1)
  const double step_;
  PendingHits hits_;
  Double2 p_;
  double t_ = 1.0;
};

// A one-modifier member: Map{a, b} with map(x, y, t) -> (x', y').
template <class Map>
void ChaosCloud1(const ChaosWork1& W) {
  const Map map{ChaosScale(W.WidthEffect), ChaosScale(W.HeightEffect)};
  const ChaosSetup s = BeginChaosCloud(W.LeftOffset, W.RightOffset, W.TopOffset, W.BottomOffset, W.PhaseStep,
                                       W.Details, W.Luminosity, W.Seed);
  ChaosOrbit<true, Map>(s, map).Run(s.Iterations);
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
  ChaosOrbit<false, Map>(s, map).Run(s.Iterations);
  FinishChaosCloud(s);
}

}  // namespace quillon
