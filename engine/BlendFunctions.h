// The 24 blend functions of BlendCurrentIntoResult, in extended precision as
// the blend defines them and on integers where that gives the same values.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/Numeric.h"

namespace quillon {

namespace detail {
// min and max as fmin and fmax define them (a NaN operand gives the other
// one), without the library call: the blend runs them per sample.
inline long double BlendMin(long double a, long double b) {
  if (a != a) return b;
  if (b != b) return a;
  return b < a ? b : a;
}
inline long double BlendMax(long double a, long double b) {
  if (a != a) return b;
  if (b != b) return a;
  return b > a ? b : a;
}
}  // namespace detail

// Function 0..23 of the weighted result sample X and current sample Y; any
// other number gives X. Inlined into the per-pixel loop: passing 80-bit reals
// to a function goes through memory and costs more than the function itself.
[[gnu::always_inline]] inline long double BlendValue(int Function, long double X, long double Y) {
  using detail::BlendMax;
  using detail::BlendMin;
  using std::fabs;
  auto rx = [&] { return Round(X); };
  auto ry = [&] { return Round(Y); };
  auto A = [&] { return static_cast<long double>(Round((X + Y) / 2)); };
  auto D = [&] { return fabs(X - Y); };
  auto V = [&] { return static_cast<long double>(rx() ^ ry()); };
  switch (Function) {
    case 0: return X;
    case 1: return Y;
    case 2: return X + Y;
    case 3: return Y - X;
    case 4: return X - Y;
    case 5: return A();
    case 6: return D();
    case 7: return static_cast<long double>(rx() & ry());
    case 8: return static_cast<long double>(rx() | ry());
    case 9: return V();
    case 10: return BlendMin(X, Y);
    case 11: return BlendMax(X, Y);
    case 12: return BlendMin(Y, D());
    case 13: return BlendMax(Y, D());
    case 14: return BlendMin(X, D());
    case 15: return BlendMax(X, D());
    case 16: return BlendMin(A(), D());
    case 17: return BlendMax(A(), D());
    case 18: return A() + D();
    case 19: return fabs(A() - D());
    case 20: return BlendMin(V(), Y);
    case 21: return BlendMax(V(), Y);
    case 22: return BlendMin(V(), X);
    case 23: return BlendMax(V(), X);
    default: return X;
  }
}

// The same functions on whole numbers. When X and Y are integers of at most
// 2^52 in magnitude, every step of BlendValue is exact in 80 bits (sums,
// differences, halves and absolute values of such numbers need at most 55
// significant bits, and Round of an integer is that integer), so both give
// the same value; Round((X + Y) / 2) is the halving below, ties to even: s
// is 2q or 2q + 1 with q = s >> 1, and adding q's lowest bit before halving
// carries exactly at a half with q odd.
// Int is the integer type the caller computes in; every intermediate value
// is at most 8 |X| + 8 |Y|, which must fit it.
template <int Function, typename Int>
[[gnu::always_inline]] inline Int BlendInteger(Int X, Int Y) {
  const auto Min = [](Int a, Int b) { return b < a ? b : a; };
  const auto Max = [](Int a, Int b) { return b > a ? b : a; };
  const auto A = [&] {
    const Int s = X + Y;
    return static_cast<Int>((s + ((s >> 1) & 1)) >> 1);
  };
  const auto D = [&] { return static_cast<Int>(X > Y ? X - Y : Y - X); };
  const auto Abs = [](Int v) { return static_cast<Int>(v < 0 ? -v : v); };
  if constexpr (Function == 0) return X;
  else if constexpr (Function == 1) return Y;
  else if constexpr (Function == 2) return X + Y;
  else if constexpr (Function == 3) return Y - X;
  else if constexpr (Function == 4) return X - Y;
  else if constexpr (Function == 5) return A();
  else if constexpr (Function == 6) return D();
  else if constexpr (Function == 7) return X & Y;
  else if constexpr (Function == 8) return X | Y;
  else if constexpr (Function == 9) return X ^ Y;
  else if constexpr (Function == 10) return Min(X, Y);
  else if constexpr (Function == 11) return Max(X, Y);
  else if constexpr (Function == 12) return Min(Y, D());
  else if constexpr (Function == 13) return Max(Y, D());
  else if constexpr (Function == 14) return Min(X, D());
  else if constexpr (Function == 15) return Max(X, D());
  else if constexpr (Function == 16) return Min(A(), D());
  else if constexpr (Function == 17) return Max(A(), D());
  else if constexpr (Function == 18) return A() + D();
  else if constexpr (Function == 19) return Abs(A() - D());
  else if constexpr (Function == 20) return Min(X ^ Y, Y);
  else if constexpr (Function == 21) return Max(X ^ Y, Y);
  else if constexpr (Function == 22) return Min(X ^ Y, X);
  else if constexpr (Function == 23) return Max(X ^ Y, X);
  else return X;
}

}  // namespace quillon
