// Sine and cosine of 64-bit reals that give the same bits on every machine
// and in every build: plain IEEE additions and multiplications in a fixed
// order, on the two-lane vectors every x86-64 processor has, no fused
// multiply-add and no code chosen per processor. The error is below one unit
// in the last place for every finite argument.
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
// FixedSinCos2 evaluates two sines or cosines at once, one per lane of a
// vector register, so the four of one step of an iterated map cost about
// what one costs; FixedSin and FixedCos are the same computation on one lane
// and give the same bits.
#pragma once

#include <emmintrin.h>

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

using V2 = double __attribute__((vector_size(16)));
using U2 = uint64_t __attribute__((vector_size(16)));

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

// Polynomials on |r| <= pi/4: sin r = r + r^3 (S1 + r^2 (S2 + ...)) and
// cos r = 1 - r^2 / 2 + r^4 (C1 + r^2 (C2 + ...)), minimax fits.
inline constexpr double S1 = -0x1.5555555555549p-3, S2 = 0x1.111111110f8a6p-7, S3 = -0x1.a01a019c161d5p-13,
                        S4 = 0x1.71de357b1fe7dp-19, S5 = -0x1.ae5e68a2b9cebp-26, S6 = 0x1.5d93a5acfd57cp-33;
inline constexpr double C1 = 0x1.555555555554cp-5, C2 = -0x1.6c16c16c15177p-10, C3 = 0x1.a01a019cb1590p-16,
                        C4 = -0x1.27e4f809c52adp-22, C5 = 0x1.1ee9ebdb4b1c4p-29, C6 = -0x1.8fae9be8838d4p-37;

// The polynomial's coefficients for every combination of the lanes'
// functions: index bit i set when lane i takes the cosine. A row holds the
// six coefficient pairs, then 1 in both lanes and the mask of the cosine
// lanes (read from the row, each costs a load instead of operations in a
// register at every use).
struct CoefficientRows {
  alignas(16) V2 Row[4][8];
  constexpr CoefficientRows() : Row{} {
    const double sine[6] = {S1, S2, S3, S4, S5, S6}, cosine[6] = {C1, C2, C3, C4, C5, C6};
    for (int index = 0; index < 4; ++index) {
      for (int j = 0; j < 6; ++j) Row[index][j] = V2{index & 1 ? cosine[j] : sine[j], index & 2 ? cosine[j] : sine[j]};
      Row[index][6] = V2{1.0, 1.0};
      Row[index][7] = std::bit_cast<V2>(U2{index & 1 ? ~uint64_t{0} : 0, index & 2 ? ~uint64_t{0} : 0});
    }
  }
  const V2* operator[](int Index) const { return Row[Index]; }
};
inline constexpr CoefficientRows CoefficientTable;

inline V2 Splat(double v) { return V2{v, v}; }
// Whether a lane of a mask (all ones or all zeros per lane) is set.
inline bool AnyLane(U2 Mask) { return _mm_movemask_pd(std::bit_cast<__m128d>(Mask)) != 0; }
inline U2 SplatU(uint64_t v) { return U2{v, v}; }
inline V2 Abs(V2 v) { return std::bit_cast<V2>(std::bit_cast<U2>(v) & SplatU(0x7fffffffffffffffull)); }

// sin(rh + rl) or cos(rh + rl) of each lane, |rh| <= pi/4 (a little more
// is fine) and |rl| within about an ulp of rh, turned by the quadrant n:
// bit 0 of n set takes the cosine, bit 1 the negative.
[[gnu::always_inline]] inline V2 Evaluate(V2 rh, V2 rl, U2 n) {
  // Bit 0 of n is known long before r, so each lane picks its terms first
  // (the coefficients as one row of the table), and only one polynomial is
  // evaluated:
  //   sin(rh + rl) = rh + ((z rh) Ps(z) + rl (1 - z / 2))
  //   cos(rh + rl) = c1 + (((1 - c1) - z / 2) + (z^2 Pc(z) - rh rl))
  // with c1 = 1 - z / 2 rounded (its rounding error is the second term).
  // The sign of bit 1 goes on the terms, which are ready early, rather than
  // on the sum at the end of the step's longest path: rounding to nearest
  // is symmetric, so the negated terms give the negated sum, bit for bit.
  // (Where the sign is set the sum is never an exact zero, whose sign would
  // differ: that would take r = 0 with k != 0.)
  // Spelled in SSE2 operations: as generic vector code the masks get
  // taken apart lane by lane, on the longest path of the step.
  const __m128i ni = std::bit_cast<__m128i>(n);
  const V2* c = CoefficientTable[_mm_movemask_pd(_mm_castsi128_pd(_mm_slli_epi64(ni, 63)))];
  const U2 odd = std::bit_cast<U2>(c[7]);
  const U2 sign = std::bit_cast<U2>(_mm_slli_epi64(_mm_srli_epi64(ni, 1), 63));
  auto choose = [&](V2 ifCos, V2 ifSin) {
    return std::bit_cast<V2>((std::bit_cast<U2>(ifCos) & odd) | (std::bit_cast<U2>(ifSin) & ~odd));
  };

  auto turn = [&](V2 v) { return std::bit_cast<V2>(std::bit_cast<U2>(v) ^ sign); };

  const V2 z = rh * rh;
  const V2 z2 = z * z;
  const V2 z4 = z2 * z2;
  const V2 hz = 0.5 * z;
  const V2 one = c[6];
  const V2 c1 = one - hz;
  const V2 head = turn(choose(c1, rh));
  const V2 low = turn(choose((one - c1) - hz, rl * c1));
  const V2 m = turn(choose(z2, z * rh));
  const V2 w = turn(std::bit_cast<V2>(std::bit_cast<U2>(rh * rl) & odd));
  const V2 poly = ((c[0] + z * c[1]) + z2 * (c[2] + z * c[3])) + z4 * (c[4] + z * c[5]);
  return head + (low + (m * poly - w));
}

// sin or cos of each lane; CosLane holds 1 for a cosine lane, 0 for a sine.
// Careful gets all-ones in a lane whose result must come from the careful
// path instead. The order of operations keeps the high part of r early:
// the polynomial starts from it while its low part is still being formed.
[[gnu::always_inline]] inline V2 SinOrCos(V2 x, U2 CosLane, U2& Careful) {
  const V2 q = x * TwoOverPi + RoundingShift;
  const V2 k = q - Splat(RoundingShift);
  // r = x - k P1 - k P2 - k P3: k P1 and k P2 are exact, and so is x - k P1.
  // So is h1 = (x - k P1) - k P2, whichever term is larger: for |x| >= 1/2
  // both are multiples of 2^-53 (the last bits of P1 and P2 are 2^-22 and
  // 2^-44) and their difference is below 1, so it fits in 53 bits; below
  // 1/2, k is 0. Only the last subtraction rounds, and the low part rl keeps
  // its error: |h1| >= |k P3| in every lane that does not take the careful
  // path (there |rh| >= 2 |k P3|), so the short form gives the exact error,
  // within about an ulp of rh.
  const V2 r1 = x - k * P1;
  const V2 p2 = k * P2, p3 = k * P3;
  const V2 h1 = r1 - p2;
  const V2 rh = h1 - p3;
  const V2 rl = (h1 - rh) - p3;

  // Quadrant n = k (+ 1 for a cosine).
  const U2 n = std::bit_cast<U2>(q) + CosLane;
  Careful = std::bit_cast<U2>(_mm_or_pd(_mm_cmpnlt_pd(Abs(x), Splat(FastLimit)), _mm_cmplt_pd(Abs(rh), Abs(k) * SmallR)));
  return Evaluate(rh, rl, n);
}

}  // namespace trig

// Two lanes of 64-bit reals, as one SSE2 register.
using Double2 = trig::V2;

// The fast path alone: FixedSinCos2's result in every lane whose Careful
// comes back 0; a lane whose Careful comes back all ones must be taken from
// FixedSinCos2 instead. For loops that keep the careful path out of line:
// a call anywhere in a loop makes the compiler keep its values in memory.
template <unsigned CosLanes>
[[gnu::always_inline]] inline Double2 FixedSinCos2Fast(Double2 Args, trig::U2& Careful) {
  return trig::SinOrCos(Args, trig::U2{CosLanes & 1, (CosLanes >> 1) & 1}, Careful);
}

// sin of each lane, or cos where bit i of CosLanes is set (bit 0: lane 0).
template <unsigned CosLanes>
[[gnu::always_inline]] inline Double2 FixedSinCos2(Double2 Args) {
  using namespace trig;
  U2 careful;
  Double2 out = FixedSinCos2Fast<CosLanes>(Args, careful);
  if (__builtin_expect(AnyLane(careful), 0)) {
    for (int i = 0; i < 2; ++i)
      if (careful[i]) out[i] = FixedSinCosCareful(Args[i], (CosLanes >> i) & 1);
  }
  return out;
}

inline double FixedSin(double x) { return FixedSinCos2<0>(Double2{x, x})[0]; }
inline double FixedCos(double x) { return FixedSinCos2<1>(Double2{x, x})[0]; }

}  // namespace quillon
