#include "modules/textures/Fnc_T018.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/generators/Blob.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T018.h"
#include "shell/Progress.h"

namespace quillon {

TT018Work T018Work;

namespace {

// A hue bound within 0..359; the hue circle does not wrap here.
int32_t ClipHue(int64_t Hue) { return Clamp(Hue, 0, MaxHue); }

}  // namespace

int32_t T018_GrainCount(int64_t Area, int32_t Low, int32_t High) {
  int64_t m = Round((static_cast<Real>(Low) + High) / 2);
  if (m == 0) m = 1;
  // |m| <= 2^31, so m * m fits in 64 bits and is exact as an extended real.
  return ClampToInt32(Round(static_cast<Real>(Area) / static_cast<Real>(m * m)));
}

void T018_RegisterProcs() { StoreTypeProcs(T018_Type, T018_SetDefaults, T018_SetRanges, T018_Execute); }

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
  // The grain size range: a spread of p2 percent of p1 on either side,
  // starting at 10 at the least with the same width.
  const int64_t d = Round(p[1] * (p[2] / static_cast<Real>(100)));
  int64_t low = p[1] - d, high = p[1] + d;
  if (low < 10) {
    low = 10;
    high = 2 * d + 10;
  }
  T018Work = {ClampToInt32(low), ClampToInt32(high), p[4], p[5], p[7], p[8], p[10]};
  T018_Compute();
}

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
