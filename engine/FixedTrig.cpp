#include "engine/FixedTrig.h"

#include <cmath>
#include <limits>

namespace quillon {

namespace {
// pi/2 = L1 + L2 + L3 + L4 + (less than 2^-178): L1 to L3 hold 35 bits each,
// so k * Li is exact in the 64-bit mantissa of an extended real for
// |k| < 2^29; L4 holds 64 bits.
constexpr long double L1 = 0x6487ed511p-34L;
constexpr long double L2 = 0x5a308d313p-73L;
constexpr long double L3 = 0x6628b80dcp-111L;
constexpr long double L4 = 0xe68948127044533ep-178L;
}  // namespace

double FixedSinCosCareful(double x, bool Cos) {
  using namespace trig;
  if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
  if (!(std::fabs(x) < FastLimit)) return static_cast<double>(Cos ? cosl(x) : sinl(x));
  // The same k as the fast path. Each subtraction is exact while the
  // remainder is far below the next term, which is where r is small; the
  // result carries 64 bits, more than the 53 + 3 the polynomial needs.
  const double q = x * TwoOverPi + RoundingShift;
  const long double k = q - RoundingShift;
  const long double r = (((x - k * L1) - k * L2) - k * L3) - k * L4;
  const double rh = static_cast<double>(r);
  const double rl = static_cast<double>(r - rh);
  const uint64_t n = std::bit_cast<uint64_t>(q) + (Cos ? 1 : 0);
  V2 estimate;
  return Evaluate<false>(V2{rh, rh}, V2{rl, rl}, U2{n, n}, estimate)[0];
}

}  // namespace quillon
