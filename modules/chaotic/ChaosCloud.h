// The point cloud shared by every chaotic function: a sine/cosine map is
// iterated from a random start point, every step lands on a pixel whose hit
// count grows, and the counts become a grey picture in the current layer.
//
// The members differ only in their map. A map is a small function object;
// the loop below is instantiated once per map, so the map is inlined into it
// and nothing but the map, two roundings and one sample update is done per
// step.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

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

// sin(S) and cos(C). When Same, the caller guarantees S == C and both come
// from one sincosl, which reduces the argument once and gives, bit for bit,
// what two separate calls give.
template <bool Same>
inline void SinCos(Real S, Real C, Real& SinS, Real& CosC) {
  if constexpr (Same) {
    sincosl(S, &SinS, &CosC);
  } else {
    SinS = sinl(S);
    CosC = cosl(C);
  }
}

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

// Nearest integer, ties to even, of a value of magnitude below 2^31 (the
// loop passes only values in (0, ImageWidth + 1)): at 1.5 * 2^63 the 64-bit
// mantissa of the extended real holds whole numbers only, so adding and
// taking away that constant rounds in the default mode exactly as Round
// does, without a library call and without touching the FPU state.
inline int RoundSmall(Real V) {
  const Real m = (V + 0x1.8p63L) - 0x1.8p63L;
  return static_cast<int>(static_cast<double>(m));
}

// The iteration. Phase maps take (x, y, t), the others (x, y); both
// return x' and y' from the values before the step.
template <bool Phase, class Map>
void IterateChaosCloud(const ChaosSetup& S, const Map& map) {
  Plane& counts = LayerPlane(CurrentLayer, SpaceHSL, 3);
  const int w = ImageWidth, h = ImageHeight;
  const Real xmin = S.XMin, ymin = S.YMin, kx = S.KX, ky = S.KY, dt = S.PhaseStep;
  // A step is tested as a real first: an extreme offset puts it far
  // outside any integer range, and only a value near the picture is
  // rounded and converted.
  const Real xlimit = static_cast<Real>(w) + 1, ylimit = static_cast<Real>(h) + 1;
  double x = S.X, y = S.Y, t = 1.0;
  for (int64_t i = 0; i < S.Iterations; ++i) {
    double nx, ny;
    if constexpr (Phase)
      map(x, y, t, nx, ny);
    else
      map(x, y, nx, ny);
    const Real rx = (static_cast<Real>(nx) - xmin) * kx;
    const Real ry = (static_cast<Real>(ny) - ymin) * ky;
    if (rx > 0 && rx < xlimit && ry > 0 && ry < ylimit) {
      const int px = RoundSmall(rx), py = RoundSmall(ry);
      if (px >= 1 && px <= w && py >= 1 && py <= h) {
        // A pixel hit more than 32767 times stays at 32767: the brightest
        // point of a settled orbit must not wrap to a negative count.
        Sample& c = counts.at(px, py);
        if (c < 32767) ++c;
      }
    }
    x = nx;
    y = ny;
    if constexpr (Phase) t = static_cast<double>(static_cast<Real>(t) + dt);
  }
}

// A one-modifier member: Map{a, b} with map(x, y, t, x', y').
template <class Map>
void ChaosCloud1(const ChaosWork1& W) {
  const Map map{ChaosScale(W.WidthEffect), ChaosScale(W.HeightEffect)};
  const ChaosSetup s = BeginChaosCloud(W.LeftOffset, W.RightOffset, W.TopOffset, W.BottomOffset, W.PhaseStep,
                                       W.Details, W.Luminosity, W.Seed);
  IterateChaosCloud<true>(s, map);
  FinishChaosCloud(s);
}

// A two-modifier member: Map<AD, BC>{a, b, c, d} with map(x, y, x', y').
// In every member the x terms take a and d, the y terms b and c; when a
// equals d (b equals c) the two x (y) terms have one argument, and the map
// instantiated with AD (BC) takes their sine and cosine from one call.
// Each member names its map after its code (K2M1Map, ...): GCC gives an
// instantiation over a template from an anonymous namespace a weak symbol,
// so maps of one name in different units would be merged by the linker.
template <template <bool, bool> class Map>
void ChaosCloud2(const ChaosWork2& W) {
  const double a = ChaosScale(W.WidthEffect1), b = ChaosScale(W.HeightEffect1);
  const double c = ChaosScale(W.WidthEffect2), d = ChaosScale(W.HeightEffect2);
  const ChaosSetup s = BeginChaosCloud(W.LeftOffset, W.RightOffset, W.TopOffset, W.BottomOffset, 0.0, W.Details,
                                       W.Luminosity, W.Seed);
  if (a == d && b == c)
    IterateChaosCloud<false>(s, Map<true, true>{a, b, c, d});
  else if (a == d)
    IterateChaosCloud<false>(s, Map<true, false>{a, b, c, d});
  else if (b == c)
    IterateChaosCloud<false>(s, Map<false, true>{a, b, c, d});
  else
    IterateChaosCloud<false>(s, Map<false, false>{a, b, c, d});
  FinishChaosCloud(s);
}

}  // namespace quillon
