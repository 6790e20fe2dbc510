#include "engine/FixedTrig.h"

#include <cmath>
#include <limits>

namespace quillon {

double FixedSinCosCareful(double x, bool Cos) {
  if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
  const long double v = x;
  return static_cast<double>(Cos ? cosl(v) : sinl(v));
}

}  // namespace quillon
