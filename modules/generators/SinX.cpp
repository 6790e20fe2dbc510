#include "modules/generators/SinX.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "engine/Parallel.h"
#include "engine/Pixels.h"
#include "shell/widgets/MessageBox.h"

namespace quillon {

TSIN1Work SIN1Work;
TSIN3Work SIN3Work;

namespace {

constexpr int WaveTriangle = 1;
constexpr int WaveSawtooth = 2;

struct WaveSpec {
  int32_t WP, WH, WC, HP, HH, HC;
  int32_t Minimum, Maximum;
  int32_t Wave, Combination;
};

// The period along one side in pixels: 4 quarters for the triangle,
// Int(side / period) for the sawtooth. 0 when the wave refuses the period:
// a triangle quarter shorter than 4 pixels, or a sawtooth period that is
// not at least one pixel (a period count below 1 or above the side; the
// count 0 would divide by zero). The sine has no pixel period (-1): it runs
// exactly `period` times across the side and needs no check.
int64_t PixelPeriod(int wave, int side, int32_t period) {
  if (wave == WaveTriangle) {
    if (period < 1) return 0;
    const int64_t quarter = side / (4 * static_cast<int64_t>(period));
    return quarter < 4 ? 0 : 4 * quarter;
  }
  if (wave == WaveSawtooth) return (period < 1 || period > side) ? 0 : side / period;
  return -1;
}

// The wave's own value at position x (1..side) of one side: the sine's
// angle term, or the triangle's or the sawtooth's value in -1..1 / 0..1.
// With the product combination the coefficient is added (inside the sine),
// otherwise it multiplies.
Real AxisValue(int wave, int side, int64_t pixelPeriod, int64_t x, int32_t period, int32_t phase, int32_t coef,
               bool product) {
  Real u;
  if (wave == WaveTriangle) {
    // A quarter counter that starts at the phase and advances every quarter
    // along the side; t runs 0..1 within the quarter. The counter is taken
    // modulo 4 as 0..3, so a negative phase counts back by whole quarters.
    const int64_t q = pixelPeriod / 4;
    const int64_t counter = static_cast<int64_t>(phase) + x / q;
    const Real t = static_cast<Real>(x % q) / q;
    switch (WrapIndex(counter, 4)) {
      case 0: u = t; break;
      case 1: u = 1 - t; break;
      case 2: u = -t; break;
      default: u = t - 1; break;
    }
  } else if (wave == WaveSawtooth) {
    // Likewise the position plus the phase is taken modulo p as 0..p - 1.
    const int64_t p = pixelPeriod;
    u = static_cast<Real>(WrapIndex(x + phase, p)) / p;
  } else {
    // The sine (also for the square wave, which this map does not draw, and
    // any other wave code).
    const Real a = static_cast<Real>(x) / side * TwoPi * period + static_cast<Real>(phase) / 5;
    return product ? std::sin(a + coef) : std::sin(a) * coef;
  }
  return product ? u + coef : u * coef;
}

// The values of one side for every output position 1..side. The triangle
// and the sawtooth repeat every pixelPeriod pixels; the picture holds
// side div pixelPeriod whole periods and side mod pixelPeriod pixels of a
// partial one. To tile, the whole periods are spread over the full side:
// position x takes the value of position 1 + (x - 1) * n div side of the
// whole periods (n pixels), which repeats side mod pixelPeriod evenly
// spaced positions once each. The sine fits the side exactly.
std::vector<Real> AxisValues(int wave, int side, int64_t pixelPeriod, int32_t period, int32_t phase, int32_t coef,
                             bool product) {
  std::vector<Real> v(side);
  const int64_t n = pixelPeriod > 0 ? side - side % pixelPeriod : side;
  for (int x = 1; x <= side; ++x) {
    const int64_t source = 1 + (static_cast<int64_t>(x) - 1) * n / side;
    v[x - 1] = AxisValue(wave, side, pixelPeriod, source, period, phase, coef, product);
  }
  return v;
}

void Refuse(const char* Text) {
  ShowMessage(Text);
  FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
  SyncCurrentColorSpace(SpaceHSL);
}

// Computes the stretched map into FloatMatrix; false after a refusal.
bool ComputeMap(const WaveSpec& s) {
  const int W = ImageWidth, H = ImageHeight;
  const int64_t pw = PixelPeriod(s.Wave, W, s.WP);
  if (pw == 0) {
    Refuse("Width frequency is too high");
    return false;
  }
  const int64_t ph = PixelPeriod(s.Wave, H, s.HP);
  if (ph == 0) {
    Refuse("Height frequency is too high");
    return false;
  }
  const bool product = s.Combination != 1 && s.Combination != 2;
  const std::vector<Real> u = AxisValues(s.Wave, W, pw, s.WP, s.WH, s.WC, product);
  const std::vector<Real> v = AxisValues(s.Wave, H, ph, s.HP, s.HH, s.HC, product);

  float mn = 0, mx = 0;
  bool first = true;
  std::mutex merge;
  ParallelColumns(1, W, [&](int x0, int x1) {
    float lo = 0, hi = 0;
    bool any = false;
    for (int x = x0; x <= x1; ++x) {
      float* col = ImageStore().FloatMatrix.column(x);
      const Real a = u[x - 1];
      for (int y = 0; y < H; ++y) {
        const Real b = v[y];
        const Real m = s.Combination == 1 ? a + b : (s.Combination == 2 ? a - b : a * b);
        const float f = static_cast<float>(m);
        col[y] = f;
        if (!any || f < lo) lo = f;
        if (!any || f > hi) hi = f;
        any = true;
      }
    }
    std::lock_guard<std::mutex> lock(merge);
    if (first || lo < mn) mn = lo;
    if (first || hi > mx) mx = hi;
    first = false;
  });

  // Stretched linearly onto Minimum..Maximum; a constant map takes the
  // minimum everywhere. The matrix keeps the stretched values.
  const Real lo = s.Minimum, span = static_cast<Real>(s.Maximum) - s.Minimum, range = static_cast<Real>(mx) - mn;
  ParallelColumns(1, W, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      float* col = ImageStore().FloatMatrix.column(x);
      for (int y = 0; y < H; ++y)
        col[y] = range == 0 ? static_cast<float>(lo) : static_cast<float>((col[y] - mn) / range * span + lo);
    }
  });
  return true;
}

// Writes the map into channel Channel of the current layer's HSL space and
// the two constants into the others, then recomputes RGB.
void WriteMap(int Channel, int32_t OtherA, int32_t OtherB) {
  const int H = ImageHeight;
  LayerData& d = Layer(CurrentLayer);
  int32_t constant[3] = {0, 0, 0};
  for (int c = 1, k = 0; c <= 3; ++c)
    if (c != Channel) constant[c - 1] = k++ == 0 ? OtherA : OtherB;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      const float* m = ImageStore().FloatMatrix.column(x);
      for (int c = 1; c <= 3; ++c) {
        Sample* col = d.plane(SpaceHSL, c).column(x);
        if (c == Channel)
          for (int y = 0; y < H; ++y) col[y] = static_cast<Sample>(Round(m[y]));
        else
          for (int y = 0; y < H; ++y) col[y] = static_cast<Sample>(constant[c - 1]);
      }
    }
  });
  SyncCurrentColorSpace(SpaceHSL);
}

}  // namespace

void SinX_ComputeLum() {
  const TSIN1Work w = SIN1Work;
  const WaveSpec s{w.WidthPeriod, w.WidthPhase, w.WidthCoef, w.HeightPeriod, w.HeightPhase, w.HeightCoef,
                   w.Minimum,     w.Maximum,    w.WaveType,  w.Variant};
  if (ComputeMap(s)) WriteMap(3, w.HueValue, w.SatValue);
}

void SinX_ComputeHue() {
  const TSIN3Work w = SIN3Work;
  const WaveSpec s{w.WidthPeriod, w.WidthPhase, w.WidthCoef, w.HeightPeriod, w.HeightPhase, w.HeightCoef,
                   w.Minimum,     w.Maximum,    w.Wave,      w.Combination};
  if (ComputeMap(s)) WriteMap(1, w.Saturation, w.Luminosity);
}

}  // namespace quillon
