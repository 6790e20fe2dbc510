#include "modules/textures/Fnc_T004.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/HueShift.h"
#include "modules/generators/Twig.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T004.h"
#include "shell/Progress.h"

namespace quillon {

TT004Work T004Work;

void T004_RegisterProcs() {
  StoreTypeProcs(T004_Type, T004_SetDefaults, T004_SetRanges, T004_Execute);
}

void T004_RegisterNames() {
  StoreTypeNames(T004_Type, "Grass", "T004", 1, P_T004);
}

void T004_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& m = ModuleParams[Instance];
  m.ParamValue[1] = 1;
  m.ParamValue[3] = 0;
  m.ParamValue[10] = 500;
  m.ParamColor[1] = 32768;  // green
  m.ParamColor[2] = 0;      // black
}

void T004_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 1, 10);
  SetParamRange(Instance, 3, 0, MaxHue);
  SetParamRange(Instance, 10, 0, 1000);
}

void T004_Execute() {
  ShowProgress(RunningInstance, T004_Type);
  const auto& m = ModuleParams[RunningInstance];
  T004Work = {m.ParamValue[1], m.ParamValue[3], m.ParamValue[10], m.ParamColor[1], m.ParamColor[2]};
  T004_Compute();
}

std::vector<Phase> T004_Phases() {
  const TT004Work& w = T004Work;
  const int32_t W = ImageWidth, H = ImageHeight;
  return {
      {Fill(TWIGWork, {20, W + H, W + H, 0, 0, 100, 4, 100, WrappingAdd(w.Size, 9), 4, w.SecondaryColor,
                       w.MainColor, w.Seed}),
       TWIG_Compute, {}, AfterPhase::Copy, {}, ""},
      {Fill(HSHFWork, {w.HueShift}), HSHF_Compute, {}, AfterPhase::Nothing, {}, ""},
  };
}

void T004_Compute() { RunPhaseChain(T004_Type, T004_Phases()); }

}  // namespace quillon
