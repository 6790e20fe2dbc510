// The fixed sine and cosine: error below one ulp against the 80-bit library
// functions over millions of arguments in every range the chaotic orbits
// reach, lanes that do not disturb each other, the quadrant signs, and
// recorded bits that every build must give.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

#include "engine/FixedTrig.h"

namespace quillon {
namespace {

// |got - want| in units of the last place of the 64-bit real nearest want.
long double UlpError(double got, long double want) {
  if (want == 0) return got == 0 ? 0 : std::numeric_limits<long double>::infinity();
  const int e = std::max(std::ilogb(static_cast<double>(want)), -1022);
  return std::fabs(got - want) / std::ldexp(1.0L, e - 52);
}

struct Range {
  const char* Name;
  double Low, High;
  bool ByExponent;  // draw the binary exponent uniformly, not the value
};

// Every range an argument can come from: the reduced interval itself, the
// products and sums of the two-modifier maps (|a x| <= 20, |x + a| <= 21),
// the phase of the one-modifier maps at the default and at the largest
// "Details" and "Variant" (t up to 4 * 10^8), and what stored values beyond
// the documented ranges reach (up to 2^53), where the careful path works.
const Range Ranges[] = {
    {"|x| <= pi/4", -0.7853981633974483, 0.7853981633974483, false},
    {"|x| <= 21", -21, 21, false},
    {"tiny", 0x1p-60, 0x1p-20, true},
    {"0 .. 2^20", 0, 0x1p20, false},
    {"2^20 .. 2^29", 0x1p20, 0x1p29, false},
    {"2^29 .. 2^53", 0x1p29, 0x1p53, true},
};

TEST(FixedTrig, BelowOneUlpOverMillionsOfArguments) {
  constexpr int PerRange = 500000;  // pairs: a sine and a cosine of each
  std::mt19937_64 draw(20261207);
  long double worst = 0;
  for (const Range& r : Ranges) {
    std::uniform_real_distribution<double> value(r.Low, r.High);
    std::uniform_real_distribution<double> exponent(std::log2(r.Low), std::log2(r.High));
    long double rangeWorst = 0;
    for (int i = 0; i < PerRange; ++i) {
      double u = r.ByExponent ? std::exp2(exponent(draw)) : value(draw);
      double v = r.ByExponent ? -std::exp2(exponent(draw)) : value(draw);
      // sin u, cos v, then cos u, sin v: every argument through both.
      const Double2 a = FixedSinCos2<0b10>(Double2{u, v});
      const Double2 b = FixedSinCos2<0b01>(Double2{u, v});
      const long double lu = u, lv = v;
      const long double errors[4] = {UlpError(a[0], sinl(lu)), UlpError(a[1], cosl(lv)), UlpError(b[0], cosl(lu)),
                                     UlpError(b[1], sinl(lv))};
      for (long double e : errors) rangeWorst = std::max(rangeWorst, e);
    }
    std::printf("  %-14s max error %.4Lf ulp over %d arguments\n", r.Name, rangeWorst, 4 * PerRange);
    EXPECT_LT(rangeWorst, 1) << r.Name;
    worst = std::max(worst, rangeWorst);
  }
  ::testing::Test::RecordProperty("MaxUlpError", std::to_string(static_cast<double>(worst)));
}

// Arguments next to multiples of pi/2, where the reduced value is smallest
// and the reduction loses the most digits: small and large multiples, and
// the four neighbours of the nearest 64-bit real on either side.
TEST(FixedTrig, BelowOneUlpNextToMultiplesOfHalfPi) {
  constexpr long double HalfPi = 1.570796326794896619231321691639751442L;
  std::mt19937_64 draw(7);
  std::uniform_int_distribution<int64_t> large(1, int64_t{1} << 28);
  long double worst = 0;
  for (int i = 0; i < 200000; ++i) {
    const int64_t k = i < 100000 ? i + 1 : large(draw);
    double x = static_cast<double>(k * HalfPi);
    for (int step = 0; step < 4; ++step) x = std::nextafter(x, 0.0);
    for (int step = 0; step < 9; ++step, x = std::nextafter(x, 1e300)) {
      worst = std::max(worst, UlpError(FixedSin(x), sinl(x)));
      worst = std::max(worst, UlpError(FixedCos(x), cosl(x)));
    }
  }
  std::printf("  next to k pi/2: max error %.4Lf ulp over 3,600,000 values\n", worst);
  EXPECT_LT(worst, 1);
}

// The reduction subtracts k P2 from x - k P1 without keeping an error term:
// that difference must be exact for every argument of the fast path, also
// where k P2 is the larger one (next to multiples of pi/2) and just past
// the point where k turns 1 (x - k P1 has its finest bits there).
TEST(FixedTrig, MiddleStepOfTheReductionIsExact) {
  using namespace trig;
  std::mt19937_64 draw(11);
  std::uniform_real_distribution<double> unit(-1, 1);
  int64_t inexact = 0;
  auto check = [&](double x) {
    const double k = (x * TwoOverPi + RoundingShift) - RoundingShift;
    const double r1 = x - k * P1, p2 = k * P2, h1 = r1 - p2;
    const double b = h1 - r1;  // two-sum: the exact error of h1
    inexact += ((r1 - (h1 - b)) - (p2 + b)) != 0;
  };
  for (int i = 0; i < 1000000; ++i) {
    check(std::ldexp(unit(draw), static_cast<int>(draw() % 30)));
    double x = std::nearbyint(std::ldexp(unit(draw), static_cast<int>(draw() % 28))) * 1.5707963267948966;
    for (int step = 0; step < 3; ++step, x = std::nextafter(x, 1e300)) check(x);
    check(0.7853981633974483 + unit(draw) * 0.25);
  }
  EXPECT_EQ(inexact, 0);
}

bool SameBits(double a, double b) {
  return std::isnan(a) ? std::isnan(b) : std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// Each lane gives what the one-lane call gives, whatever the other lane
// holds: a fast lane beside one that takes the careful path, beside a NaN or
// an infinity, and with every sine/cosine pattern.
TEST(FixedTrig, LanesAreIndependent) {
  const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
  const double pairs[][2] = {{0.5, -3.25},     {1e20, 0.75},      {-2.0, 7e9},           {nan, 2.0},
                             {-1.0, inf},      {0x1p29, 0x1p29 - 64}, {1.5707963267948966, 1e-300},
                             {-0.0, 1e6 + 0.1}};
  for (const auto& p : pairs) {
    SCOPED_TRACE(::testing::Message() << p[0] << ", " << p[1]);
    const Double2 in{p[0], p[1]};
    const Double2 r0 = FixedSinCos2<0b00>(in), r1 = FixedSinCos2<0b01>(in), r2 = FixedSinCos2<0b10>(in),
                  r3 = FixedSinCos2<0b11>(in);
    EXPECT_TRUE(SameBits(r0[0], FixedSin(p[0])) && SameBits(r0[1], FixedSin(p[1])));
    EXPECT_TRUE(SameBits(r1[0], FixedCos(p[0])) && SameBits(r1[1], FixedSin(p[1])));
    EXPECT_TRUE(SameBits(r2[0], FixedSin(p[0])) && SameBits(r2[1], FixedCos(p[1])));
    EXPECT_TRUE(SameBits(r3[0], FixedCos(p[0])) && SameBits(r3[1], FixedCos(p[1])));
  }
}

// The quadrant picks the function and its sign: at the 64-bit reals nearest
// to k pi/2 the result is exactly 0-ish, 1 or -1 in the right turn.
TEST(FixedTrig, QuadrantsAndExactValues) {
  struct Case {
    double x, sin, cos;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {0.0, 0.0, 1.0},
      {1e-10, 1e-10, 1.0},  // below 2^-27: sin x = x and cos x = 1 once rounded
      {-1e-10, -1e-10, 1.0},
      {1.5707963267948966, 1.0, 6.123233995736766e-17},
      {3.141592653589793, 1.2246467991473532e-16, -1.0},
      {4.71238898038469, -1.0, -1.8369701987210297e-16},
      {-1.5707963267948966, -1.0, 6.123233995736766e-17},
      {6.283185307179586, -2.4492935982947064e-16, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(FixedSin(c.x), c.sin);
    EXPECT_EQ(FixedCos(c.x), c.cos);
  }
  for (double bad : {inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_TRUE(std::isnan(FixedSin(bad)));
    EXPECT_TRUE(std::isnan(FixedCos(bad)));
  }
}

// A hint only says where to look for the quadrant: a lane gives the bits of
// the unhinted call, or is careful, as it must be where its hint names
// another quadrant; a careful lane the unhinted call would not have needed
// is rare. The estimate is within 4e-5. Halved results are those bits
// halved, with the same careful lanes.
TEST(FixedTrig, HintsNeverChangeAResult) {
  std::mt19937_64 draw(5);
  std::uniform_real_distribution<double> value(-40, 40), offset(-0.75, 0.75);
  int missed = 0, needless = 0;
  for (int i = 0; i < 100000; ++i) {
    const Double2 x{value(draw), value(draw)};
    const Double2 hint = x * trig::TwoOverPi + Double2{offset(draw), offset(draw)};
    trig::U2 careful, unhintedCareful, halvedCareful;
    Double2 estimate, halvedEstimate;
    const Double2 got = FixedSinCosHinted<0b10, false>(x, hint, careful, estimate);
    const Double2 want = FixedSinCosFast<0b10>(x, unhintedCareful);
    const Double2 half = FixedSinCosHinted<0b10, true>(x, hint, halvedCareful, halvedEstimate);
    for (int lane = 0; lane < 2; ++lane) {
      const bool sameQuadrant = std::nearbyint(hint[lane]) == std::nearbyint(x[lane] * trig::TwoOverPi);
      missed += !sameQuadrant;
      if (!sameQuadrant) {
        ASSERT_TRUE(careful[lane] >> 63) << x[lane] << " " << hint[lane];
      }
      if (careful[lane] >> 63) {
        needless += sameQuadrant && !(unhintedCareful[lane] >> 63);
        continue;
      }
      ASSERT_TRUE(SameBits(got[lane], want[lane])) << x[lane];
      ASSERT_LE(std::fabs(estimate[lane] - want[lane]), 4e-5) << x[lane];
      ASSERT_TRUE(SameBits(half[lane], want[lane] / 2) && halvedCareful[lane] == careful[lane]) << x[lane];
    }
  }
  EXPECT_GT(missed, 10000);
  EXPECT_LT(needless, 10);
}

// Bits recorded once: every build type and every machine must give them,
// since the chaotic pictures are made of them. Fast-path arguments from the
// maps' ranges; the 64-bit reals nearest to 1000001 pi/2 and 200000001 pi/2,
// whose reduced values are so small that they take the careful path below
// 2^29; and careful-path ones beyond 2^29.
TEST(FixedTrig, RecordedBits) {
  struct Case {
    double x, sin, cos;
  };
  const Case cases[] = {
      {0x1p+0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
      {-0x1.4p+1, -0x1.326af0dcfcabp-1, -0x1.9a2f7ef858b7dp-1},
      {0x1.4p+3, -0x1.1689ef5f34f52p-1, -0x1.ad9ac890c6b1fp-1},
      {0x1.e848033333333p+19, -0x1.04d6d8e2aef7dp-2, 0x1.ef1c5e8cbb69ap-1},
      {0x1.7d784004ccccdp+28, 0x1.f403bcf4d8717p-1, -0x1.b888c01660e27p-3},
      {0x1.7f7ede5c889d6p+20, 0x1p+0, -0x1.09ec71f8f063bp-34},
      {0x1.2b9b0a2ee05c7p+28, 0x1p+0, -0x1.3e10c30a8dfe6p-28},
      {0x1p+29, 0x1.4e67c0e2622dep-2, -0x1.e3edd2dfeef9p-1},
      {0x1.c6bf52634p+49, 0x1.b76f88136cebap-1, -0x1.06c154609d33fp-1},
      {-0x1.da56a4b0835cp+75, -0x1.e13db485c811ap-2, 0x1.c3ef8204a850ep-1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_TRUE(SameBits(FixedSin(c.x), c.sin));
    EXPECT_TRUE(SameBits(FixedCos(c.x), c.cos));
  }
}

}  // namespace
}  // namespace quillon
