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
#include <utility>

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

// Whether the steps run as AVX2 code, four lanes in one register: set where
// the processor has AVX2. Either way the pictures are the same, bit for bit
// (the tests run both).
extern bool ChaosWideSteps;

// A real of the orbit and an estimate of it that is known a few operations
// earlier. Maps compute with them as with reals, every operation on both.
// A step takes each sine's quadrant from the estimates, so the next step's
// reduction starts before this step's values are complete; the values never
// depend on the estimates (see FixedSinCosHinted), only the speed does.
// HalvedSum marks a map's result that is a sum halved (see Halved).
template <class T, bool HalvedSum = false>
struct Early {
  static constexpr bool Halving = HalvedSum;
  T Value, Guess;
};
template <class T>
Early<T> operator+(Early<T> a, Early<T> b) {
  return {a.Value + b.Value, a.Guess + b.Guess};
}
template <class T>
Early<T> operator*(Early<T> a, Early<T> b) {
  return {a.Value * b.Value, a.Guess * b.Guess};
}
// Only halves: a divisor other than 2 does not compile.
struct Two {
  consteval Two(int Divisor) {
    if (Divisor != 2) throw "an orbit's values are only halved";
  }
};
template <class T>
Early<T, true> operator/(Early<T> a, Two) {
  return {a.Value / 2, a.Guess / 2};
}

// A term of a sum that the map halves, evaluated halved already (see
// FastTrig): the halving then costs nothing on the step's longest path.
// Terms add as halves, and halving their sum takes it as it is: the same
// bits as halving the sum of the whole terms.
template <class T>
struct Halved {
  T Value, Guess;
};
template <class T>
Halved<T> operator+(Halved<T> a, Halved<T> b) {
  return {a.Value + b.Value, a.Guess + b.Guess};
}
template <class T>
Early<T, true> operator/(Halved<T> a, Two) {
  return {a.Value, a.Guess};
}

// A real of the orbit, x (lane 0) or y (lane 1) of its pair of reals and
// their estimates, as the maps see it.
template <int Lane>
struct Coordinate {
  Early<Double2> Both;
};
// The argument of one sine or cosine: a factor (Product) or a term (the
// phase, an offset) on a coordinate.
template <int Lane, bool Product>
struct Argument {
  Early<Double2> Both;
  double Constant;
};
template <int Lane>
Argument<Lane, true> operator*(double a, Coordinate<Lane> x) {
  return {x.Both, a};
}
template <int Lane>
Argument<Lane, false> operator+(Coordinate<Lane> x, double b) {
  return {x.Both, b};
}

// The four sines and cosines of one step, evaluated together: a map names
// two pairs, each Sines(u, v) = (sin u, sin v), Cosines(u, v) =
// (cos u, cos v) or SinCos(u, v) = (sin u, cos v), and Evaluate(f, first,
// second) gives both pairs' values, lane 0 of each feeding x', lane 1 y'.
// The step's Trig f evaluates them: FastTrig takes the fast path only and
// notes whether a lane needed the careful one; FullTrig gives every lane
// its exact result (and that as its estimate).
using EarlyPair = Early<Double2>;
// Two arguments and their hints, estimates of each argument times 2/pi.
struct ArgumentPair {
  Double2 Value, Hint;
};

// The arguments and hints of products (value * c) or of terms (value + c),
// lane by lane.
template <bool Product>
[[gnu::always_inline]] inline ArgumentPair Form(Double2 value, Double2 guess, Double2 c) {
  if constexpr (Product)
    return {value * c, guess * (c * trig::TwoOverPi)};
  else
    return {value + c, guess * trig::TwoOverPi + c * trig::TwoOverPi};
}
// The pair (u, v) is formed with vector operations on the orbit's pair of
// reals, never one lane alone: taking a lane out, computing on it and
// putting the lanes together again would cost two moves between lanes more
// on the step's longest path. Two products, or two terms, in the lanes'
// order (or swapped) are one operation; otherwise each argument is formed
// in both lanes and the pair picked from them. Each lane gets the same
// operation as on its own.
template <int LaneU, int LaneV, bool ProductU, bool ProductV>
[[gnu::always_inline]] inline ArgumentPair Pair(Argument<LaneU, ProductU> u, Argument<LaneV, ProductV> v) {
  const Early<Double2>& x = u.Both;  // v's too: both are the orbit's
  if constexpr (ProductU == ProductV) {
    auto lanes = [](Double2 w) __attribute__((always_inline)) { return __builtin_shufflevector(w, w, LaneU, LaneV); };
    return Form<ProductU>(lanes(x.Value), lanes(x.Guess), Double2{u.Constant, v.Constant});
  } else {
    const ArgumentPair a = Form<ProductU>(x.Value, x.Guess, Double2{u.Constant, u.Constant});
    const ArgumentPair b = Form<ProductV>(x.Value, x.Guess, Double2{v.Constant, v.Constant});
    return {__builtin_shufflevector(a.Value, b.Value, LaneU, 2 + LaneV),
            __builtin_shufflevector(a.Hint, b.Hint, LaneU, 2 + LaneV)};
  }
}
template <unsigned CosLanes>
struct Waves {
  ArgumentPair Args;
};
template <class U, class V>
[[gnu::always_inline]] inline Waves<0b00> Sines(U u, V v) {
  return {Pair(u, v)};
}
template <class U, class V>
[[gnu::always_inline]] inline Waves<0b11> Cosines(U u, V v) {
  return {Pair(u, v)};
}
template <class U, class V>
[[gnu::always_inline]] inline Waves<0b10> SinCos(U u, V v) {
  return {Pair(u, v)};
}

template <class Pair = EarlyPair>
struct WavePairs {
  Pair First, Second;
};
template <class Trig, unsigned First, unsigned Second>
[[gnu::always_inline]] inline auto Evaluate(Trig& f, Waves<First> first, Waves<Second> second) {
  return f.template Pairs<First, Second>(first.Args, second.Args);
}

// The two halves of a four-lane vector in AVX2 code. The upper half is
// taken with the instruction made for it: the compiler's own choice, a
// general permutation, takes up to twice as long on some processors, on
// the step's longest path. (The builtin behind _mm256_extractf128_pd, which
// is compiled for AVX only and could not be inlined here: see FixedTrig.h.)
[[gnu::always_inline]] inline Double2 Low(Double4 v) { return __builtin_shufflevector(v, v, 0, 1); }
[[gnu::always_inline]] inline Double2 High(Double4 v) { return __builtin_ia32_vextractf128_pd256(v, 1); }

// Wide: both pairs in one four-lane evaluation, for AVX2 code; otherwise a
// two-lane evaluation each (a four-lane vector in SSE2 code would be put
// together through memory). The lanes get the same operations either way.
// Halve: for a map that halves the sum of its pairs, the values and their
// estimates come halved (Halved).
template <bool Wide, bool Halve>
struct FastTrig {
  using Pair = std::conditional_t<Halve, Halved<Double2>, EarlyPair>;
  std::conditional_t<Wide, trig::U4, trig::U2> Careful{};
  template <unsigned First, unsigned Second>
  [[gnu::always_inline]] WavePairs<Pair> Pairs(ArgumentPair first, ArgumentPair second) {
    if constexpr (Wide) {
      auto join = [](Double2 a, Double2 b) __attribute__((always_inline)) {
        return __builtin_shufflevector(a, b, 0, 1, 2, 3);
      };
      trig::U4 careful;
      Double4 estimate;
      const Double4 value = FixedSinCosHinted<First | Second << 2, Halve>(
          join(first.Value, second.Value), join(first.Hint, second.Hint), careful, estimate);
      Careful |= careful;
      return {{Low(value), Low(estimate)}, {High(value), High(estimate)}};
    } else {
      return {Narrow<First>(first), Narrow<Second>(second)};
    }
  }
  [[gnu::always_inline]] bool AnyCareful() const { return trig::AnyLane(Careful); }

 private:
  // Two-lane steps are bound by the number of their operations rather than
  // by their longest path: they take each quadrant from the argument itself
  // and give the value as its estimate, and the compiler drops the hints.
  template <unsigned CosLanes>
  [[gnu::always_inline]] Pair Narrow(ArgumentPair args) {
    trig::U2 careful;
    const Double2 value = FixedSinCosFast<CosLanes, Halve>(args.Value, careful);
    Careful |= careful;
    return {value, value};
  }
};
struct FullTrig {
  template <unsigned First, unsigned Second>
  WavePairs<> Pairs(ArgumentPair first, ArgumentPair second) {
    const Double2 a = FixedSinCos<First>(first.Value), b = FixedSinCos<Second>(second.Value);
    return {{a, a}, {b, b}};
  }
};

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

// Hit counts go up some steps after their pixel is found. The orbit jumps
// across the whole plane, so nearly every count is a cache miss; waiting
// for it at once would hold up the sine and cosine work of the next steps.
// Each hit is prefetched and parked in the slot of its step number (mod
// Depth); the hit parked there before is counted when it is replaced, the
// rest at the end. Saturating increments give the same counts in any order.
// 32 steps (about 0.7 us) give the prefetch ample time: 8 measured 3 %
// slower, 64 no faster.
class PendingHits {
 public:
  static constexpr unsigned Depth = 32;
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
// the others (f, x, y); both return (x', y') from the values before the step,
// each with its estimate (Early).
template <bool Phase, class Map>
class ChaosOrbit {
  // One step of the map, from x, y and the phase t (which the two-modifier
  // maps do not take).
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] static auto Step(const Map& map, Trig& f, X x, Y y, double t) {
    if constexpr (Phase)
      return map(f, x, y, t);
    else
      return map(f, x, y);
  }
  // What the map gives: both reals of the orbit, halved or not.
  using State =
      decltype(Step(std::declval<const Map&>(), std::declval<FullTrig&>(), Coordinate<0>{}, Coordinate<1>{}, 0.0));

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
        p_{{S.X, S.Y}, {S.X, S.Y}} {}

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
  // than one in a thousand) are made by Run. The same loop is compiled
  // twice, for AVX2 and for SSE2; everything it calls is inlined into it.
  int64_t FastSteps(int64_t i, int64_t Iterations) {
    return ChaosWideSteps ? FastStepsWide(i, Iterations) : FastStepsNarrow(i, Iterations);
  }
  [[gnu::noinline, gnu::target("avx2")]] int64_t FastStepsWide(int64_t i, int64_t Iterations) {
    return StepsFrom<true>(i, Iterations);
  }
  [[gnu::noinline]] int64_t FastStepsNarrow(int64_t i, int64_t Iterations) { return StepsFrom<false>(i, Iterations); }

  template <bool Wide>
  [[gnu::always_inline]] int64_t StepsFrom(int64_t i, int64_t Iterations) {
    State p = p_;
    double t = t_;
    for (; i < Iterations; ++i) {
      // The point a careful step starts from is kept in memory, not in
      // registers to the end of the step: it is rarely read. (Run makes
      // that step from the value alone; the estimate is not kept.)
      p_.Value = p.Value;
      FastTrig<Wide, State::Halving> f;
      const State next = Next(f, p, t);
      if (f.AnyCareful()) [[unlikely]]
        break;
      Land(next, i, p, t);
    }
    t_ = t;
    return i;
  }

  template <class Trig>
  [[gnu::always_inline]] State Next(Trig& f, State p, double t) const {
    const Early<Double2> both{p.Value, p.Guess};
    return Step(map_, f, Coordinate<0>{both}, Coordinate<1>{both}, t);
  }

  // Counts the pixel step i lands on and moves on to it. A step is tested
  // as a real first: an extreme offset puts it far outside any integer
  // range, and only a value near the picture is rounded and converted.
  // Both coordinates are tested and rounded side by side, in their lanes.
  [[gnu::always_inline]] void Land(State next, int64_t i, State& p, double& t) {
    const Double2 r = (next.Value - low_) * scale_;
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
  State p_;
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
