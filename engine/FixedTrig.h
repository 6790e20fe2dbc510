// Sine and cosine of 64-bit reals that give the same bits on every machine
// and in every build: plain IEEE additions and multiplications in a fixed
// order and no fused multiply-add. The kernel is written once, in vector
// operations on two lanes (SSE2, which every x86-64 processor has) or four
// (only in code compiled for AVX2, one register), with the same operations
// on every lane, so the same bits. The error is below one unit in the last
// place for every finite argument.
//
// Method: k := nearest integer to x * 2/pi; r := x - k * pi/2 as a sum of two
// doubles, with pi/2 split into two 24-bit parts (exact products for
// |k| < 2^29) and a 53-bit tail; then sin r or cos r from a polynomial on
// |r| <= pi/4 that takes the low part of r into account, chosen and signed by
// k mod 4 (a cosine is the sine a quarter turn on: k + 1). An argument of
// magnitude 2^29 or more, one whose r is so small that the tail of pi/2
// could matter, and an infinite or NaN argument take the careful path
// instead, out of line (FixedSinCosCareful).
//
// FixedSinCos evaluates two or four sines or cosines at once, one per lane,
// so the four of one step of an iterated map cost about what one costs;
// FixedSin and FixedCos are the same computation on one lane and give the
// same bits. A caller that has an estimate of x 2/pi before x itself passes
// it to FixedSinCosHinted: the reduction then starts without waiting for
// x, and the result is the same.
#pragma once

#include <immintrin.h>

#include <bit>
#include <cstdint>

#include "engine/Numeric.h"

namespace quillon {

// The careful path of one lane, sin x (or cos x when Cos): below 2^29 the
// same polynomial after a reduction in extended precision with 169 bits of
// pi/2; from 2^29 on (only stored values beyond the documented ranges get
// there) the 80-bit library functions, which reduce any argument exactly
// and are plain software, rounded to the nearest 64-bit real; NaN for an
// infinite or NaN x.
double FixedSinCosCareful(double x, bool Cos);

namespace trig {

inline constexpr double TwoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 = P1 + P2 + P3 + (less than 2^-101): P1 and P2 hold 24 bits each.
inline constexpr double P1 = 0x1.921fb4p+0;
inline constexpr double P2 = 0x1.4442d0p-24;
inline constexpr double P3 = 0x1.8469898cc5170p-48;
// Beyond this the products k * P1 and k * P2 are no longer exact.
inline constexpr double FastLimit = 0x1p29;
// The reduction's error is below |k| * 2^-98; r must be at least 2^56 times
// that for it to stay far below an ulp. (At |k| < 2^29 the careful path is
// then taken for less than one argument in 2^12, and for almost none in the
// range of the two-modifier maps.)
inline constexpr double SmallR = 0x1p-42;
// pi/4 less 2^-20: a hinted lane whose |r| reaches it is careful (SinOrCos).
inline constexpr double QuarterTurnBand = 0x1.921fb54442d18p-1 - 0x1p-20;

// Polynomials on |r| <= pi/4: sin r = r + r^3 (S1 + r^2 (S2 + ...)) and
// cos r = 1 - r^2 / 2 + r^4 (C1 + r^2 (C2 + ...)), minimax fits.
inline constexpr double S1 = -0x1.5555555555549p-3, S2 = 0x1.111111110f8a6p-7, S3 = -0x1.a01a019c161d5p-13,
                        S4 = 0x1.71de357b1fe7dp-19, S5 = -0x1.ae5e68a2b9cebp-26, S6 = 0x1.5d93a5acfd57cp-33;
inline constexpr double C1 = 0x1.555555555554cp-5, C2 = -0x1.6c16c16c15177p-10, C3 = 0x1.a01a019cb1590p-16,
                        C4 = -0x1.27e4f809c52adp-22, C5 = 0x1.1ee9ebdb4b1c4p-29, C6 = -0x1.8fae9be8838d4p-37;

// A vector of N 64-bit reals and the vector of their bit patterns. The
// kernel below is written once for both widths, in plain vector operations:
// every lane goes through the same IEEE operations in the same order, so a
// lane's bits do not depend on the width.
using V2 = double __attribute__((vector_size(16)));
using U2 = uint64_t __attribute__((vector_size(16)));
using V4 = double __attribute__((vector_size(32)));
using U4 = uint64_t __attribute__((vector_size(32)));
template <class V>
struct BitsOf;
template <>
struct BitsOf<V2> {
  using Type = U2;
};
template <>
struct BitsOf<V4> {
  using Type = U4;
};
template <class V>
using Bits = typename BitsOf<V>::Type;

// The kernel's helpers are forced inline, and reinterpret bits with the
// builtin rather than a library function: a four-lane vector passed to or
// from a function compiled without AVX goes another way than the AVX2 code
// around it expects, so no call may be left between them, in any build.
template <class To, class From>
[[gnu::always_inline]] constexpr To As(From v) {
  return __builtin_bit_cast(To, v);
}
// The vector of two or four lanes whose lane i is Lane(i). Vectors are put
// together whole: a constant expression cannot set one lane of a vector.
template <class W, class F>
[[gnu::always_inline]] constexpr W FromLanes(F Lane) {
  if constexpr (sizeof(W) == sizeof(U2))
    return W{Lane(0), Lane(1)};
  else
    return W{Lane(0), Lane(1), Lane(2), Lane(3)};
}
// The same constant in every lane, as a constant: built in the loop from
// a register, it would cost operations and registers at every step.
template <class U, uint64_t Value>
inline constexpr U Constant = FromLanes<U>([](int) { return Value; });
template <class V>
[[gnu::always_inline]] inline V Abs(V v) {
  using U = Bits<V>;
  return As<V>(As<U>(v) & Constant<U, 0x7fffffffffffffffull>);
}
// Comparisons made as integers: the bits of reals of one sign are in the
// order of their values, and those of a NaN above all, so the sign bit of
// a difference tells which is less. These are operations SSE2 has for
// vectors of any width (a comparison of four-lane vectors would be made
// lane by lane there). The sign bit is set in the lanes where |v| < |w|:
template <class V>
[[gnu::always_inline]] inline Bits<V> Below(V v, V w) {
  return As<Bits<V>>(Abs(v)) - As<Bits<V>>(Abs(w));
}
// and where |v| >= Limit, or v is a NaN:
template <double Limit, class V>
[[gnu::always_inline]] inline Bits<V> NotBelow(V v) {
  return Constant<Bits<V>, std::bit_cast<uint64_t>(Limit) - 1> - As<Bits<V>>(Abs(v));
}
// Four lanes are only ever evaluated in AVX2 code, with AVX operations
// that the compiler has no generic form for. They are the builtins behind
// the <immintrin.h> functions named beside them: those functions are
// compiled for AVX only, and the compiler refuses to inline one into the
// kernel's helpers below, which are compiled for any processor and become
// AVX2 code only once inlined into an AVX2 loop. A builtin is translated
// where it ends up, in that loop.
//
// The sign bits of the lanes, lane i as bit i (four lanes: one instruction
// gathers them, where splitting the vector would cost a cross-lane move on
// the step's longest path).
[[gnu::always_inline]] inline int SignBits(U2 v) { return _mm_movemask_pd(As<__m128d>(v)); }
[[gnu::always_inline]] inline int SignBits(U4 v) {
  return __builtin_ia32_movmskpd256(As<V4>(v));  // _mm256_movemask_pd
}
// Lane i of Set where the sign bit of lane i of Mask is set, of Clear
// elsewhere.
[[gnu::always_inline]] inline V4 BlendOnSign(V4 Clear, V4 Set, U4 Mask) {
  return __builtin_ia32_blendvpd256(Clear, Set, As<V4>(Mask));  // _mm256_blendv_pd
}
// The bits of v and Mask exclusive-ored, as an operation on reals.
[[gnu::always_inline]] inline V4 FlipBits(V4 v, U4 Mask) {
  return __builtin_ia32_xorpd256(v, As<V4>(Mask));  // _mm256_xor_pd
}
// Each lane rounded to the nearest integer, ties to even.
[[gnu::always_inline]] inline V4 RoundLanes(V4 v) {
  return __builtin_ia32_roundpd256(v, _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);  // _mm256_round_pd
}
// Whether the sign bit of a lane is set.
template <class U>
[[gnu::always_inline]] inline bool AnyLane(U Mask) {
  return SignBits(Mask) != 0;
}

// The polynomial's coefficients for every combination of the lanes'
// functions: index bit i set when lane i takes the cosine. A row holds the
// six coefficients of each lane, then 1 in every lane and the mask of the
// cosine lanes (read from the row, each costs a load instead of a register
// or operations at every use). With Halved each coefficient and the 1 are
// halved, exactly.
template <class V, bool Halved = false>
struct CoefficientRows {
  static constexpr int Lanes = sizeof(V) / sizeof(double);
  static constexpr int AllSines = 0, AllCosines = (1 << Lanes) - 1;
  alignas(sizeof(V)) V Row[1 << Lanes][8];
  constexpr CoefficientRows() : Row{} {
    const double sine[6] = {S1, S2, S3, S4, S5, S6}, cosine[6] = {C1, C2, C3, C4, C5, C6};
    for (int index = 0; index < (1 << Lanes); ++index) {
      double row[8][4] = {};
      for (int lane = 0; lane < Lanes; ++lane) {
        const bool cos = (index >> lane) & 1;
        for (int j = 0; j < 6; ++j) row[j][lane] = (cos ? cosine[j] : sine[j]) * (Halved ? 0.5 : 1.0);
        row[6][lane] = Halved ? 0.5 : 1.0;
        row[7][lane] = std::bit_cast<double>(cos ? ~uint64_t{0} : 0);
      }
      for (int j = 0; j < 8; ++j) Row[index][j] = FromLanes<V>([&](int lane) { return row[j][lane]; });
    }
  }
};
template <class V, bool Halved = false>
inline constexpr CoefficientRows<V, Halved> CoefficientTable;

// What each lane takes from its quadrant n: bit 0 picks the cosine's terms
// and coefficients, bit 1 negates. Two lanes (SSE2) read the table row of
// their combination, which holds the mask of the cosine lanes too. Four
// lanes (only in AVX2 code) blend on the sign bit of n << 63 and negate in
// the floating-point domain: the row would wait for the lanes' bits to be
// gathered into an index and for its load, and masks of integer operations
// cost a move between domains at each use, all on the step's longest path.
// Either way a lane gets the same values. Halved: the coefficients of the
// halved table.
template <class V, bool Halved>
class LaneTerms {
  using U = Bits<V>;
  static constexpr bool Four = sizeof(V) == sizeof(V4);
  static constexpr const CoefficientRows<V, Halved>& Table = CoefficientTable<V, Halved>;

 public:
  [[gnu::always_inline]] explicit LaneTerms(U n) : cos_(n << 63), sign_((n >> 1) << 63) {
    if constexpr (!Four) row_ = Table.Row[SignBits(cos_)];
  }
  // Coefficient j (0 to 5) of each lane's polynomial; 6 gives 1 (each
  // halved with Halved).
  [[gnu::always_inline]] V Coefficient(int j) const {
    if constexpr (Four) {
      return BlendOnSign(Table.Row[Table.AllSines][j], Table.Row[Table.AllCosines][j], cos_);
    } else {
      return row_[j];
    }
  }
  // ifCos in a cosine lane, ifSin in a sine lane.
  [[gnu::always_inline]] V Choose(V ifCos, V ifSin) const {
    if constexpr (Four) {
      return BlendOnSign(ifSin, ifCos, cos_);
    } else {
      const U odd = As<U>(row_[7]);
      return As<V>((As<U>(ifCos) & odd) | (As<U>(ifSin) & ~odd));
    }
  }
  // v, negated in the lanes whose bit 1 of n is set.
  [[gnu::always_inline]] V Turn(V v) const {
    if constexpr (Four) {
      return FlipBits(v, sign_);
    } else {
      return As<V>(As<U>(v) ^ sign_);
    }
  }

 private:
  U cos_;   // sign bit set in a cosine lane
  U sign_;  // sign bit set in a negated lane
  const V* row_ = nullptr;
};

// sin(rh + rl) or cos(rh + rl) of each lane, |rh| <= pi/4 (a little more
// is fine) and |rl| within about an ulp of rh, turned by the quadrant n:
// bit 0 of n set takes the cosine, bit 1 the negative. Estimate gets the
// same from the polynomial's first two terms, three operations earlier and
// within 4e-5. With Halve both come out halved, the value with the bits of
// the value halved.
template <bool Halve, class V>
[[gnu::always_inline]] inline V Evaluate(V rh, V rl, Bits<V> n, V& Estimate) {
  // Bit 0 of n is known long before r, so each lane picks its terms first,
  // and only one polynomial is evaluated:
  //   sin(rh + rl) = rh + (rl (1 - z / 2) + (z rh) Ps(z))
  //   cos(rh + rl) = c1 + ((((1 - c1) - z / 2) - rh rl) + z^2 Pc(z))
  // with c1 = 1 - z / 2 rounded (its rounding error is the first small
  // term).
  // The sign of bit 1 goes on the terms, which are ready early, rather than
  // on the sum at the end of the step's longest path: rounding to nearest
  // is symmetric, so the negated terms give the negated sum, bit for bit.
  // (Where the sign is set the sum is never an exact zero, whose sign would
  // differ: that would take r = 0 with k != 0.)
  // Halving: every term but m is formed as s = 1/2 of itself, from halved
  // coefficients (without Halve s = 1, and the s * are no operations).
  // Halving a real is exact unless the half falls below 2^-1022, which no
  // term comes near: with k = 0, rl = 0, and otherwise |rh| >= 2^-42 (a
  // smaller one is careful). So the sum has the bits of the whole sum
  // halved, and a map that halves the sum of two values does not wait for
  // the halving on the step's longest path.
  constexpr double s = Halve ? 0.5 : 1.0;
  const LaneTerms<V, Halve> lanes(n);
  auto c = [&lanes](int j) __attribute__((always_inline)) { return lanes.Coefficient(j); };
  auto term = [&lanes](V ifCos, V ifSin) __attribute__((always_inline)) {
    return lanes.Turn(lanes.Choose(ifCos, ifSin));
  };

  const V z = rh * rh;
  const V z2 = z * z;
  const V hz = (0.5 * s) * z;
  const V one = c(6);
  const V c1 = one - hz;
  const V rhs = s * rh;
  const V head = term(c1, rhs);
  const V low = term(((one - c1) - hz) - rhs * rl, rl * c1);
  const V m = term(z2, z * rh);
  const V z4 = z2 * z2;
  const V first = c(0) + z * c(1);
  Estimate = head + m * first;
  const V poly = (first + z2 * (c(2) + z * c(3))) + z4 * (c(4) + z * c(5));
  return head + (low + m * poly);
}

// sin or cos of each lane; CosLane holds 1 for a cosine lane, 0 for a sine.
// Careful gets its sign bit set in a lane whose result must come from the
// careful path instead. The order of operations keeps the high part of r early:
// the polynomial starts from it while its low part is still being formed.
//
// The quadrant k is the nearest integer to x 2/pi. With Hinted, Hint is an
// estimate of x 2/pi known before x itself: k is taken from it, so the
// reduction need not wait for x. The result never depends on the hint: a
// lane is careful where |rh| comes within 2^-20 of pi/4. Another k than the
// nearest leaves |r| >= pi/4 less the error of x 2/pi (below 2^-23 under
// the fast path's limit), so that lane is among them, and every other lane
// has the nearest k. (Without a hint, Hint must be x 2/pi, and no band.)
// Estimate: see Evaluate.
template <bool Hinted, bool Halve, class V>
[[gnu::always_inline]] inline V SinOrCos(V x, V Hint, Bits<V> CosLane, Bits<V>& Careful, V& Estimate) {
  using U = Bits<V>;
  const V q = Hint + RoundingShift;
  V k;
  if constexpr (sizeof(V) == sizeof(V4))
    // The nearest integer, ties to even, as q - RoundingShift gives it
    // (|Hint| < 2^51; a larger one is careful), one operation sooner on the
    // step's longest path.
    k = RoundLanes(Hint);
  else
    k = q - RoundingShift;
  // r = x - k P1 - k P2 - k P3: k P1 and k P2 are exact, and so is x - k P1.
  // So is h1 = (x - k P1) - k P2, whichever term is larger: for |x| >= 1/2
  // both are multiples of 2^-53 (the last bits of P1 and P2 are 2^-22 and
  // 2^-44) and their difference is below 1, so it fits in 53 bits; below
  // 1/2, k is 0. Only the last subtraction rounds, and the low part rl keeps
  // its error: |h1| >= |k P3| in every lane that does not take the careful
  // path (there |rh| >= 2 |k P3|), so the short form gives the exact error,
  // within about an ulp of rh.
  const V r1 = x - k * P1;
  const V p2 = k * P2, p3 = k * P3;
  const V h1 = r1 - p2;
  const V rh = h1 - p3;
  const V rl = (h1 - rh) - p3;

  // Quadrant n = k (+ 1 for a cosine).
  const U n = As<U>(q) + CosLane;
  // A NaN argument is not below the limit: careful too.
  Careful = NotBelow<FastLimit>(x) | Below(rh, k * SmallR);
  if constexpr (Hinted) Careful |= NotBelow<QuarterTurnBand>(rh);
  return Evaluate<Halve, V>(rh, rl, n, Estimate);
}

}  // namespace trig

// Two and four lanes of 64-bit reals.
using Double2 = trig::V2;
using Double4 = trig::V4;

namespace trig {
// 1 in the lanes whose bit of CosLanes is set (bit 0: lane 0), 0 elsewhere.
template <unsigned CosLanes, class V>
inline constexpr Bits<V> CosineLanes = FromLanes<Bits<V>>([](int i) { return uint64_t{(CosLanes >> i) & 1}; });
}  // namespace trig

// The fast path with a hint (see SinOrCos): Args and the estimate of
// Args * 2/pi, each result's careful mask, and its estimate. With Halve
// each result and estimate is halved (the result exactly).
template <unsigned CosLanes, bool Halve, class V>
[[gnu::always_inline]] inline V FixedSinCosHinted(V Args, V Hint, trig::Bits<V>& Careful, V& Estimate) {
  return trig::SinOrCos<true, Halve>(Args, Hint, trig::CosineLanes<CosLanes, V>, Careful, Estimate);
}

// The fast path alone: FixedSinCos's result in every lane whose Careful
// comes back with its sign bit clear; a lane whose sign bit is set must be
// taken from FixedSinCos instead. For loops that keep the careful path out of line:
// a call anywhere in a loop makes the compiler keep its values in memory.
// With Halve the results are halved, exactly.
template <unsigned CosLanes, bool Halve = false, class V>
[[gnu::always_inline]] inline V FixedSinCosFast(V Args, trig::Bits<V>& Careful) {
  V estimate;
  return trig::SinOrCos<false, Halve>(Args, Args * trig::TwoOverPi, trig::CosineLanes<CosLanes, V>, Careful,
                                      estimate);
}

// sin of each lane, or cos where bit i of CosLanes is set (bit 0: lane 0).
template <unsigned CosLanes, class V>
[[gnu::always_inline]] inline V FixedSinCos(V Args) {
  trig::Bits<V> careful;
  V out = FixedSinCosFast<CosLanes>(Args, careful);
  if (__builtin_expect(trig::AnyLane(careful), 0)) {
    for (unsigned i = 0; i < sizeof(V) / sizeof(double); ++i)
      if (careful[i] >> 63) out[i] = FixedSinCosCareful(Args[i], (CosLanes >> i) & 1);
  }
  return out;
}
template <unsigned CosLanes>
[[gnu::always_inline]] inline Double2 FixedSinCos2(Double2 Args) {
  return FixedSinCos<CosLanes>(Args);
}

inline double FixedSin(double x) { return FixedSinCos2<0>(Double2{x, x})[0]; }
inline double FixedCos(double x) { return FixedSinCos2<1>(Double2{x, x})[0]; }

}  // namespace quillon
