// Numeric rules shared by every unit: rounding (of reals and of integer
// quotients), extended-precision reals, the program's pi, the MulDiv of the
// colour conversion, clamping, wrapping into a range and wrapping 32-bit sums.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quillon {

// Real arithmetic is done in extended precision (80-bit on x86-64): several
// picture sizes and counts depend on it at exact ties.
using Real = long double;

inline constexpr Real Pi = 3.141592653L;
inline constexpr Real TwoPi = 6.283185307L;

// Round to nearest, ties to even, as the default rounding mode of the FPU
// does it (nothing in the system changes the mode). Values beyond the 64-bit
// range saturate and NaN gives 0, so no parameter value can make a conversion
// undefined; a value from 2^63 - 0.5 up rounds to 2^63, which no longer fits.
// The conversion is llrint, which the build (maths functions set no errno)
// lets the compiler make one x87 store in the current mode: a cast would
// switch the FPU to truncation and back for every value, and nearbyint
// saves and restores the whole floating-point environment, both many times
// slower in the per-pixel blend.
inline int64_t Round(Real v) {
  if (!(v == v)) return 0;
  if (v >= 0x1p63L - 0.5L) return std::numeric_limits<int64_t>::max();
  if (v <= -0x1p63L) return std::numeric_limits<int64_t>::min();
  return std::llrint(v);
}

// Round's rule for a double below 2^51 in magnitude, in plain double
// arithmetic that a loop runs in vector code: at 1.5 * 2^52 a double holds
// whole numbers only, so adding that and taking it away again rounds to the
// nearest integer, ties to even (the build forbids folding the two steps).
// Between the two steps the sum holds the integer in its low mantissa bits.
inline constexpr double RoundingShift = 0x1.8p52;
inline double RoundToInteger(double v) { return v + RoundingShift - RoundingShift; }

// Integer part, toward zero, with the same saturation as Round.
inline int64_t Trunc(Real v) {
  if (!(v == v)) return 0;
  if (v >= 0x1p63L) return std::numeric_limits<int64_t>::max();
  if (v <= -0x1p63L) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(v);
}

// Clamps a 64-bit value into the signed 32-bit range.
inline int32_t ClampToInt32(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// a * b / c with a 64-bit product, rounded to nearest with halves away from
// zero. A zero divisor gives -1 and raises nothing; so does a quotient that
// does not fit in 32 bits.
inline int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  int64_t p = static_cast<int64_t>(a) * b;
  int64_t d = c;
  bool negative = (p < 0) != (d < 0);
  uint64_t up = p < 0 ? 0ull - static_cast<uint64_t>(p) : static_cast<uint64_t>(p);
  uint64_t ud = d < 0 ? 0ull - static_cast<uint64_t>(d) : static_cast<uint64_t>(d);
  uint64_t q = (up + ud / 2) / ud;
  if (q > 0x7FFFFFFFull + (negative ? 1u : 0u)) return -1;
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(q)) : static_cast<int32_t>(q);
}

// a + b in 32-bit two's complement, wrapping past the ends of the range as
// the program's plain integer arithmetic does (2147483647 + 1 gives
// -2147483648): an offset added to a stored parameter, such as a second seed
// taken as the seed plus a constant, stays defined for every stored value.
inline int32_t WrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

inline int32_t Clamp(int64_t v, int32_t lo, int32_t hi) {
  return v < lo ? lo : (v > hi ? hi : static_cast<int32_t>(v));
}

namespace detail {
template <typename Int>
inline Int RoundDivOf(Int n, Int d) {
  Int q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  const Int twice = 2 * r;
  if (twice > d || (twice == d && (q & 1) != 0)) ++q;
  return q;
}
}  // namespace detail

// Round(n / d) for d > 0, to nearest with ties to even, computed on integers.
// It equals Round of the extended-precision quotient for every |n| < 2^63
// (that quotient can neither create nor lose a tie at this size); the 128-bit
// form serves sums that do not fit in 64 bits.
inline int64_t RoundDiv(int64_t n, int64_t d) { return detail::RoundDivOf(n, d); }
inline __int128 RoundDiv(__int128 n, __int128 d) { return detail::RoundDivOf(n, d); }

// Wraps v into 0..n-1 (n > 0), for any v: the remainder that takes the sign
// of the divisor, where % takes that of the dividend.
inline int64_t WrapIndex(int64_t v, int64_t n) {
  int64_t m = v % n;
  return m < 0 ? m + n : m;
}

}  // namespace quillon
