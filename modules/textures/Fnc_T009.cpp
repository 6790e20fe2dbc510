#include "modules/textures/Fnc_T009.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/generators/Twig.h"
#include "modules/textures/Prm_T009.h"
#include "shell/Progress.h"

namespace quillon {

TT009Work T009Work;

void T009_RegisterProcs() {
  StoreTypeProcs(T009_Type, T009_SetDefaults, T009_SetRanges, T009_Execute);
}

void T009_RegisterNames() {
  StoreTypeNames(T009_Type, "Rough Paper", "T009", 1, P_T009);
}

void T009_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& m = ModuleParams[Instance];
  m.ParamValue[1] = 0;
  m.ParamValue[3] = 128;
  m.ParamColor[1] = PackRGB(MaxSatLum, MaxSatLum, 0);  // yellow
}

void T009_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, MaxHue);
  SetParamRange(Instance, 3, 0, 1000);
}

void T009_Execute() {
  ShowProgress(RunningInstance, T009_Type);
  const auto& m = ModuleParams[RunningInstance];
  T009Work = {m.ParamValue[1], m.ParamValue[3], m.ParamColor[1]};
  T009_Compute();
}

// The second twig layer, seeded 123 further on, is laid over the first: its
// non-black pixels replace the work image's, its black ones are transparent.
// The softening averages hue over 11 x 11 windows and saturation and
// luminosity over 3 x 3.
std::vector<Phase> T009_Phases() {
  const TT009Work& w = T009Work;
  const int32_t W = ImageWidth, H = ImageHeight;
  return {
      {Fill(TWIGWork, {20, W + H, W + H, 0, 0, 100, 4, 100, 3, 4, 0, w.Color, w.Seed}), TWIG_Compute, {},
       AfterPhase::Copy, {}, ""},
      // "Current Layer" on every channel in RGB, black transparent.
      {Fill(TWIGWork, {20, W + H, W + H, 0, 0, 100, 4, 100, 2, 4, 0, w.Color, WrappingAdd(w.Seed, 123)}),
       TWIG_Compute, {}, AfterPhase::Compose, ComposeWith(0, 1.0, 1.0, 1, 1, 1, 0, 1), ""},
      {Fill(FMTCWork, {SpaceHSL, 5, 1, 1, 1, 1, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
      {Fill(HSHFWork, {w.HueShift}), HSHF_Compute, {}, AfterPhase::Nothing, {}, ""},
  };
}

void T009_Compute() { RunPhaseChain(T009_Type, T009_Phases()); }

}  // namespace quillon
