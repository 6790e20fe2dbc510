#include "modules/chaotic/ChaosCloud.h"

#include <algorithm>
#include <vector>

#include "engine/Pixels.h"
#include "engine/Random.h"

namespace quillon {

bool ChaosWideSteps = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
}();

int64_t ChaosIterations(int32_t Details) {
  if (Details <= 0) return 0;
  return static_cast<int64_t>(Details < ChaosMaxDetails ? Details : ChaosMaxDetails) * 10000;
}

namespace {
// A span of exactly 0 would divide by zero; it becomes 0.1. A negative span
// is kept: it mirrors the picture.
double Span(double Low, double High) {
  const double s = static_cast<double>(static_cast<Real>(High) - Low);
  return s == 0 ? 0.1 : s;
}
}  // namespace

ChaosSetup BeginChaosCloud(double Left, double Right, double Top, double Bottom, double PhaseStep, int32_t Details,
                           int32_t Luminosity, int32_t Seed) {
  RandomSeed = Seed;
  InitRandom(RandomSeed);
  ChaosSetup s{};
  s.XMin = ChaosScale(Left);
  s.YMin = ChaosScale(Top);
  const double xmax = ChaosScale(Right), ymax = ChaosScale(Bottom);
  s.PhaseStep = ChaosScale(PhaseStep);
  s.Iterations = ChaosIterations(Details);
  // 1001 - luminosity in 64 bits; any level outside the sample range clips
  // the 0..1000 counts exactly as the nearest sample value does (nothing, or
  // everything to one constant).
  s.Clip = Clamp(1001 - static_cast<int64_t>(Luminosity), -32768, 32767);
  s.KX = static_cast<double>(static_cast<Real>(ImageWidth) / Span(s.XMin, xmax));
  s.KY = static_cast<double>(static_cast<Real>(ImageHeight) / Span(s.YMin, ymax));
  FillLayer(CurrentLayer, SpaceHSL, 0, 0, 0);
  s.X = Random01(RandomSeed);
  s.Y = Random01(RandomSeed);
  return s;
}

// The three steps in one pass over the plane: each maps a sample without
// making it smaller than a smaller one becomes, so the range after a step
// is the image of the range before it, and the three make one table.
void FinishChaosCloud(const ChaosSetup& S) {
  Plane& counts = LayerPlane(CurrentLayer, SpaceHSL, 3);
  int32_t mn, mx;
  PlaneRange(counts, mn, mx);
  std::vector<Sample> table = StretchTable(mn, mx, 0, 1000);
  for (Sample& v : table) v = static_cast<Sample>(std::min<int32_t>(v, S.Clip));
  const int32_t lo = table.front();
  const std::vector<Sample> grey = StretchTable(lo, table.back(), 0, 255);
  for (Sample& v : table) v = grey[v - lo];
  MapPlane(counts, mn, table);
}

}  // namespace quillon
