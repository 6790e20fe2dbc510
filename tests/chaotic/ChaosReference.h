// A plain transcription of the chaotic functions, step by step and with no
// shortcut: every sine and cosine is its own call of the one-lane FixedSin or
// FixedCos, all reals are 64-bit, every pixel is rounded with Round and
// bounds-checked as an integer. The modules must give exactly its pictures;
// the benchmark measures it beside them.
#pragma once

#include <cstdint>

#include "engine/Color.h"
#include "engine/FixedTrig.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon::reference {

// Out of line, so each one is its own call.
[[gnu::noinline]] inline double Sin(double v) { return FixedSin(v); }
[[gnu::noinline]] inline double Cos(double v) { return FixedCos(v); }

// The ten maps: (x, y, t, a, b, c, d) -> (x', y'); the one-modifier maps take
// t and ignore c, d; the two-modifier maps ignore t.
struct Step {
  double x, y;
};
using MapFn = Step (*)(double x, double y, double t, double a, double b, double c, double d);

inline const MapFn Maps[] = {
    // K1M1 .. K1M4
    [](double x, double y, double t, double a, double b, double, double) {
      return Step{(Sin(x + t) + Cos(a * y)) / 2, (Sin(b * y) + Cos(x + t)) / 2};
    },
    [](double x, double y, double t, double a, double b, double, double) {
      return Step{(Sin(a * x) + Cos(y + t)) / 2, (Sin(y + t) + Cos(b * x)) / 2};
    },
    [](double x, double y, double t, double a, double b, double, double) {
      return Step{(Sin(a * x) + Cos(y + t)) / 2, (Sin(b * y) + Cos(x + t)) / 2};
    },
    [](double x, double y, double t, double a, double b, double, double) {
      return Step{(Sin(x + t) + Cos(a * y)) / 2, (Sin(y + t) + Cos(b * x)) / 2};
    },
    // K2M1 .. K2M6
    [](double x, double y, double, double a, double b, double c, double d) {
      return Step{(Sin(a * x) + Cos(c * y)) / 2, (Sin(b * y) + Cos(d * x)) / 2};
    },
    [](double x, double y, double, double a, double b, double c, double d) { return Step{Sin(a * x) * Cos(c * y), Sin(b * y) * Cos(d * x)}; },
    [](double x, double y, double, double a, double b, double c, double d) {
      return Step{(Sin(a * x) + Sin(c * y)) / 2, (Cos(b * y) + Cos(d * x)) / 2};
    },
    [](double x, double y, double, double a, double b, double c, double d) { return Step{Sin(a * x) * Sin(c * y), Cos(b * y) * Cos(d * x)}; },
    [](double x, double y, double, double a, double b, double c, double d) {
      return Step{(Sin(x + a) + Cos(c * y)) / 2, (Sin(b * y) + Cos(x + d)) / 2};
    },
    [](double x, double y, double, double a, double b, double c, double d) {
      return Step{(Sin(a * x) + Cos(y + c)) / 2, (Sin(y + b) + Cos(d * x)) / 2};
    },
};

// 64-bit real := parameter / 50.
inline double By50(int32_t p) { return static_cast<double>(static_cast<Real>(p) / 50); }

// Draws member Member (0..3 one modifier, 4..9 two modifiers) from the
// parameter values P (indexed 1..33) into the current layer, HSL then RGB.
inline void Cloud(int Member, const Array1<int32_t, ParamCount>& P) {
  const bool phase = Member < 4;
  RandomSeed = P[10];
  InitRandom(RandomSeed);
  const double xmin = By50(P[11]), xmax = By50(P[12]), ymin = By50(P[13]), ymax = By50(P[14]);
  const double a = By50(P[1]), b = By50(P[2]), c = phase ? 0 : By50(P[4]), d = phase ? 0 : By50(P[5]);
  const double dt = phase ? By50(P[4]) : 0;
  const int64_t details = P[7] > 10000 ? 10000 : P[7];
  const int64_t n = details * 10000;
  const int64_t clip = 1001 - static_cast<int64_t>(P[8]);
  double sx = static_cast<Real>(xmax) - xmin, sy = static_cast<Real>(ymax) - ymin;
  if (sx == 0) sx = 0.1;
  if (sy == 0) sy = 0.1;
  const double kx = static_cast<Real>(ImageWidth) / sx, ky = static_cast<Real>(ImageHeight) / sy;
  FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
  double x = Random01(RandomSeed);
  double y = Random01(RandomSeed);
  double t = 1.0;
  for (int64_t i = 0; i < n; ++i) {
    const Step s = Maps[Member](x, y, t, a, b, c, d);
    const double nx = s.x, ny = s.y;
    const double rx = (nx - xmin) * kx, ry = (ny - ymin) * ky;
    const int64_t px = Round(rx), py = Round(ry);
    if (px >= 1 && px <= ImageWidth && py >= 1 && py <= ImageHeight && Pixel(CurrentLayer, SpaceHSL, 3, px, py) < 32767)
      AddToPixel(CurrentLayer, SpaceHSL, 3, px, py, 1);
    x = nx;
    y = ny;
    t = t + dt;
  }
  StretchChannel(CurrentLayer, SpaceHSL, 3, 0, 1000);
  ClampChannel(SpaceHSL, 3, Clamp(clip, -32768, 32767));
  StretchChannel(CurrentLayer, SpaceHSL, 3, 0, 255);
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace quillon::reference
