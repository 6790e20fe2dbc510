#include "modules/textures/Fnc_T008.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/RandomFill.h"
#include "modules/generators/Noise.h"
#include "modules/textures/Prm_T008.h"
#include "shell/Progress.h"

namespace quillon {

TT008Work T008Work;

void T008_RegisterProcs() {
  StoreTypeProcs(T008_Type, T008_SetDefaults, T008_SetRanges, T008_Execute);
}

void T008_RegisterNames() {
  StoreTypeNames(T008_Type, "Cloth", "T008", 1, P_T008);
}

void T008_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 170;
  p[3] = 0;
}

void T008_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, MaxHue);
  SetParamRange(Instance, 3, 0, 1000);
}

void T008_Execute() {
  ShowProgress(RunningInstance, T008_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T008Work = {p[1], p[3]};
  T008_Compute();
}

// Noise on about one pixel in forty (hue 0..50); every other pixel takes
// colour 1 of the instance, which Cloth never sets, so it is black, and the
// fill gives those pixels the average of the nearest noise pixels to their
// right, left, below and above, saturation and luminosity up to 10 off. The
// conditional average then evens out luminosity over 11 x 11 windows.
std::vector<Phase> T008_Phases() {
  const TT008Work& w = T008Work;
  return {
      {Fill(NoiseWork, {SpaceHSL, 0, 50, 0, 255, 0, 255, 2, w.Seed}), Noise_Compute, {}, AfterPhase::Copy, {}, ""},
      {Fill(RNCCWork, {SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}), RandomColorFill, w.Seed, AfterPhase::Nothing,
       {}, ""},
      {Fill(CAV1Work, {0, 50, 5, 0, 50, 5, 1, 50, 5}), CAV1_Compute, {}, AfterPhase::Nothing, {}, ""},
      {Fill(HSHFWork, {w.HueShift}), HSHF_Compute, {}, AfterPhase::Nothing, {}, ""},
  };
}

void T008_Compute() { RunPhaseChain(T008_Type, T008_Phases()); }

}  // namespace quillon
