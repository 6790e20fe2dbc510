#include "modules/textures/Fnc_T018.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/WorkBound.h"
#include "modules/generators/Blob.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T018.h"
#include "shell/Progress.h"

namespace quillon {

TT018Work T018Work;

namespace {

// A hue bound within 0..359; the hue circle does not wrap here.
int32_t ClipHue(int64_t Hue) { return Clamp(Hue, 0, MaxHue); }

// The spread of the grain sizes on either side of the size: Variation
// percent of Size.
int64_t SizeSpread(int64_t Size, int64_t Variation) { return Round(Size * (Variation / static_cast<Real>(100))); }

// The grain radii Low..High of a size and its variation in percent: the size
// with its spread on either side, starting at 10 at the least with the same
// width.
void GrainRadii(int32_t Size, int32_t Variation, int64_t& Low, int64_t& High) {
  const int64_t d = SizeSpread(Size, Variation);
  Low = Size - d;
  High = Size + d;
  if (Low < 10) {
    Low = 10;
    High = 2 * d + 10;
  }
}

}  // namespace

int32_t T018_GrainCount(int64_t Area, int32_t Low, int32_t High) {
  int64_t m = Round((static_cast<Real>(Low) + High) / 2);
  if (m == 0) m = 1;
  // |m| <= 2^31, so m * m fits in 64 bits and is exact as an extended real.
  return ClampToInt32(Round(static_cast<Real>(Area) / static_cast<Real>(m * m)));
}

void T018_RegisterProcs() {
  StoreTypeProcs(T018_Type, T018_SetDefaults, T018_SetRanges, T018_Execute);
  StoreTypeWorkBound(T018_Type, &T018_WorkBound);
}

void T018_RegisterNames() { StoreTypeNames(T018_Type, "Corn", "T018", 1, P_T018); }

void T018_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 40;
  p[2] = 5;
  p[4] = 40;
  p[5] = 10;
  p[7] = 5;
  p[8] = 5;
  p[10] = 1;
}

void T018_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 30, 400);
  SetParamRange(Instance, 2, 0, 10);
  SetParamRange(Instance, 4, 0, MaxHue);
  SetParamRange(Instance, 5, 0, 30);
  SetParamRange(Instance, 7, 0, 20);
  SetParamRange(Instance, 8, 0, 20);
  SetParamRange(Instance, 10, 1, 1000);
}

void T018_Execute() {
  ShowProgress(RunningInstance, T018_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  int64_t low, high;
  GrainRadii(p[1], p[2], low, high);
  T018Work = {ClampToInt32(low), ClampToInt32(high), p[4], p[5], p[7], p[8], p[10]};
  T018_Compute();
}

namespace {

// The pixels of a grain of radius R, the centre alone for R <= 0 (about
// pi R (R + 1) + 1 within its reach), radii beyond MaxGrainRadius taken as
// that; and their integral from 0 to U (negative for U < 0).
double GrainPixels(double R) {
  const double r = std::min<double>(R, MaxGrainRadius);
  return r <= 0 ? 1 : 1 + static_cast<double>(Pi) * r * (r + 1);
}
double GrainPixelsTo(double U) {
  const double r = std::clamp<double>(U, 0, MaxGrainRadius), pi = static_cast<double>(Pi);
  return std::min(U, 0.0) + r + pi * (r * r * r / 3 + r * r / 2) + std::max(0.0, U - r) * GrainPixels(U);
}

// The mean pixels of a grain whose radius is drawn from A..B.
double MeanGrainPixels(double A, double B) {
  const double lo = std::min(A, B), hi = std::max(A, B);
  return hi - lo < 0.001 ? GrainPixels((lo + hi) / 2) : (GrainPixelsTo(hi) - GrainPixelsTo(lo)) / (hi - lo);
}

// The work of the grains in pixels of a grain: a search for a free pixel
// each, about 44 pixels and one more every 20 columns when it fails (then
// the grain is not drawn); and their pixels, as long as free pixels are
// left: about five times the picture, or one grain more than that.
double GrainWork(double Area, int Width, double Grains, double Pixels) {
  return Grains * (44 + Width / 20.0) + std::min(Grains * Pixels, 5 * std::max(Area, Pixels));
}

// The same work for the most of any size between Size1 and Size2 and any
// variation between Variation1 and Variation2, taken at the smallest mean
// size and the widest spread they reach, which need not come together.
// Across such a box the work rises and falls: a small size with a negative
// spread, or a negative size with a positive one, gives mean sizes near 0
// and a grain for every pixel, and sizes farther out give fewer grains
// again; counting the most on the way out keeps the count monotone.
//
// With d the spread, the radii are Size - d .. Size + d and the mean size
// is Size while Size - d >= 10 ("case A"); otherwise they are 10 .. 2d + 10
// and the mean size is d + 10 ("case B").
double MostGrainWork(double Area, int Width, int64_t Size1, int64_t Size2, int64_t Variation1, int64_t Variation2) {
  const double inf = std::numeric_limits<double>::infinity();
  // The smallest positive and negative sizes of case A: below 10 only where
  // the box's most negative spread for that size reaches it; a negative size
  // needs a variation above 100.
  double positive = inf, negative = inf;
  for (int64_t q = std::max<int64_t>(Size1, -9); q <= std::min<int64_t>(Size2, 9); ++q)
    if (q != 0 && q - SizeSpread(q, q > 0 ? Variation1 : Variation2) >= 10)
      (q > 0 ? positive : negative) = std::min<double>(q > 0 ? positive : negative, std::abs(q));
  if (Size2 >= 10) positive = std::min<double>(positive, std::max<int64_t>(10, Size1));
  if (Size1 <= -10 && Variation2 > 100) negative = std::min<double>(negative, std::max<int64_t>(10, -Size2));
  double mean = std::min(positive, negative);
  // The most of (mean pixels) / (mean size)^2. In case A it is the most at
  // the smallest size with the widest spread: for positive sizes a spread
  // below the size (a positive variation below 100) or any negative one,
  // for negative sizes the positive ones; each rounded up by half a pixel.
  double ratio = 0;
  const double v1 = static_cast<double>(Variation1) / 100, v2 = static_cast<double>(Variation2) / 100;
  if (positive < inf) {
    const double spread = positive * std::max({0.0, -v1, std::min(v2, 1.0)}) + 0.5;
    ratio = MeanGrainPixels(positive - spread, positive + spread) / (positive * positive);
  }
  if (negative < inf) {
    const double spread = negative * std::max(0.0, v2) + 0.5;
    ratio = std::max(ratio, MeanGrainPixels(-negative - spread, -negative + spread) / (negative * negative));
  }
  // Case B needs Size - d < 10: Size * (1 - Variation / 100) below 10.5
  // somewhere, so at a corner of the box.
  double least = inf;
  for (int64_t q : {Size1, Size2})
    for (double v : {v1, v2}) least = std::min(least, static_cast<double>(q) * (1 - v));
  if (least < 10.5) {
    // A spread outside -19..-1 gives a mean size of 10 or more, and at most
    // 4.5 times its square in pixels.
    mean = std::min(mean, 10.0);
    ratio = std::max(ratio, 4.5);
    for (int64_t d = -19; d <= -1; ++d) {
      // d is reached with Size <= d + 9 where the products of the sizes
      // and the variations span 100 d.
      const int64_t top = std::min<int64_t>(Size2, d + 9);
      if (top < Size1) continue;
      double lo = inf, hi = -inf;
      for (int64_t q : {Size1, top})
        for (int64_t v : {Variation1, Variation2}) {
          lo = std::min(lo, static_cast<double>(q) * static_cast<double>(v));
          hi = std::max(hi, static_cast<double>(q) * static_cast<double>(v));
        }
      if (hi < 100 * (d - 0.5) || lo > 100 * (d + 0.5)) continue;
      const double m = std::max<double>(1, std::abs(d + 10));
      mean = std::min(mean, m);
      ratio = std::max(ratio, MeanGrainPixels(10, 2 * d + 10) / (m * m));
    }
  }
  // The widest grain: the size, twice its spread and 10.
  const double size = std::max(std::abs(static_cast<double>(Size1)), std::abs(static_cast<double>(Size2)));
  const double widest = GrainPixels(size + 2 * (size * std::max(std::abs(v1), std::abs(v2)) + 1) + 10);
  const double m = std::max(1.0, mean);
  return Area / (m * m) * (44 + Width / 20.0) + std::min(Area * ratio, 5 * std::max(Area, widest));
}

}  // namespace

// The work of a render, in pixels of a grain (about 8 ns each): the passes
// over the picture, about 0.75 a pixel, and the grains (GrainWork), as many
// as the picture's area over the square of their mean size. Values outside
// the ranges are counted at the most they reach between the range and the
// value (MostGrainWork).
double T018_WorkCount(const ParamValues& p, int Width, int Height) {
  const double area = static_cast<double>(Width) * Height;
  const int64_t size = std::clamp(p[1], 30, 400), variation = std::clamp(p[2], 0, 10);
  if (size == p[1] && variation == p[2]) {
    int64_t low, high;
    GrainRadii(p[1], p[2], low, high);
    const double m = std::max<double>(1, std::abs(static_cast<double>(Round((static_cast<Real>(low) + high) / 2))));
    return 0.75 * area + GrainWork(area, Width, area / (m * m), MeanGrainPixels(low, high));
  }
  return 0.75 * area + MostGrainWork(area, Width, std::min<int64_t>(p[1], size), std::max<int64_t>(p[1], size),
                                     std::min<int64_t>(p[2], variation), std::max<int64_t>(p[2], variation));
}
const TWorkBound T018_WorkBound{T018_WorkCount, {{1, 30}, {2, 10}}};

void T018_Compute() {
  const TT018Work w = T018Work;
  const int32_t count = T018_GrainCount(static_cast<int64_t>(ImageWidth) * ImageHeight, w.SizeLow, w.SizeHigh);
  const int32_t hueLow = ClipHue(static_cast<int64_t>(w.Hue) - w.HueSpread);
  const int32_t hueHigh = ClipHue(static_cast<int64_t>(w.Hue) + w.HueSpread);
  // Every field of the grain record but the first, which the grains do not read.
  auto fill = [=] {
    BLOBWork = {BLOBWork.Unused, w.SizeLow, w.SizeHigh, count, hueLow, hueHigh, w.SatNoise, w.LumNoise, 0, w.Seed};
  };
  RunPhaseChain(T018_Type, {{fill, BLOB_Compute, {}, AfterPhase::Copy, {}, ""}});
}

}  // namespace quillon
