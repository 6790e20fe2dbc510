#include "modules/textures/Fnc_T010.h"

#include <algorithm>

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/ColorReplace.h"
#include "modules/generators/Noise.h"
#include "modules/generators/SinX.h"
#include "modules/textures/Prm_T010.h"
#include "shell/Progress.h"

namespace quillon {

TT010Work T010Work;

int32_t PeriodCount(int32_t Periods, int Side) {
  const Real perPixel = static_cast<Real>(Side) / 512;
  return ClampToInt32(std::max<int64_t>(1, Round(Periods * perPixel)));
}

void ShapeWaves(int32_t Shape, int32_t& Wave3, int32_t& Wave4) {
  constexpr int32_t Sine = 0, Triangle = 1;
  Wave3 = (Shape == 2 || Shape == 3) ? Triangle : Sine;
  Wave4 = (Shape == 2 || Shape == 4) ? Triangle : Sine;
}

std::vector<Phase> HuePatternPhases(const TT010Work& w, int32_t Combination4) {
  const int32_t PW = PeriodCount(w.WidthPeriods, ImageWidth), PH = PeriodCount(w.HeightPeriods, ImageHeight);
  int32_t w3, w4;
  ShapeWaves(w.Shape, w3, w4);
  // Phase 2's ranges are pure blue, (240, 255, 255), widened by 170 in hue,
  // 100 in saturation and 40 in luminosity, passed unclipped.
  const int32_t yellow = PackRGB(255, 255, 0);
  return {
      {Fill(NoiseWork, {SpaceRGB, 0, 255, 0, 255, 0, 255, 32, w.Seed}), Noise_Compute, {}, AfterPhase::Copy, {}, ""},
      {Fill(CRPCWork, {SpaceHSL, 70, 410, 155, 355, 215, 295, yellow}), ColorReplace_Run, {}, AfterPhase::Nothing, {}, ""},
      {Fill(SIN3Work, {PW, WrappingAdd(w.WidthOffset3, -1), 100, PH, WrappingAdd(w.HeightOffset3, -1), 100, 255, 255, 0, 359,
                       w3, 3}),
       SinX_ComputeHue, {}, AfterPhase::Compose,
       // "Subtract Current - Result", "Max", "Current Layer"; black transparent.
       ComposeWith(0, 1.0, 1.0, 3, 11, 1, 0, 1), ""},
      {Fill(SIN3Work, {PW, WrappingAdd(w.WidthOffset4, 4), 100, PH, WrappingAdd(w.HeightOffset4, 4), 100, 255, 255, 0, 99,
                       w4, Combination4}),
       SinX_ComputeHue, {}, AfterPhase::Compose,
       // "Middle", "Complex 1", "Middle"; black transparent.
       ComposeWith(0, 1.0, 1.0, 5, 12, 5, 0, 1), ""},
  };
}

void HuePatternRanges(int Instance) {
  ClearRanges(Instance);
  auto& m = ModuleParams[Instance];
  const int32_t ranges[][3] = {{1, 1, 200}, {2, 1, 200}, {3, 1, 200}, {4, 1, 200},
                               {6, 1, 4},   {8, 1, 20},  {9, 1, 20},  {10, 0, 1000}};
  for (const auto& r : ranges) {
    m.ParamMin[r[0]] = r[1];
    m.ParamMax[r[0]] = r[2];
  }
}

void T010_RegisterProcs() { StoreTypeProcs(T010_Type, T010_SetDefaults, T010_SetRanges, T010_Execute); }

void T010_RegisterNames() { StoreTypeNames(T010_Type, "Rainbow Bananas", "T010", 1, P_T010); }

void T010_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 1;
  p[2] = 1;
  p[3] = 1;
  p[4] = 1;
  p[6] = 1;
  p[8] = 2;
  p[9] = 9;
  p[10] = 0;
}

void T010_SetRanges(int Instance) { HuePatternRanges(Instance); }

void T010_Execute() {
  ShowProgress(RunningInstance, T010_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T010Work = {p[1], p[2], p[3], p[4], p[6], p[8], p[9], p[10]};
  T010_Compute();
}

void T010_Compute() { RunPhaseChain(T010_Type, HuePatternPhases(T010Work, 3)); }

}  // namespace quillon
