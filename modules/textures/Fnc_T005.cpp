#include "modules/textures/Fnc_T005.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Twig.h"
#include "modules/textures/Prm_T005.h"
#include "shell/Progress.h"

namespace quillon {

TT005Work T005Work;

void T005_RegisterProcs() {
  StoreTypeProcs(T005_Type, T005_SetDefaults, T005_SetRanges, T005_Execute);
}

void T005_RegisterNames() {
  StoreTypeNames(T005_Type, "Snake Skin", "T005", 1, P_T005);
}

void T005_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& m = ModuleParams[Instance];
  m.ParamValue[1] = 1;
  m.ParamValue[3] = 0;
  m.ParamValue[10] = 500;
  m.ParamColor[1] = 32768;  // green
}

void T005_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 1, 10);
  SetParamRange(Instance, 3, 0, MaxHue);
  SetParamRange(Instance, 10, 0, 1000);
}

void T005_Execute() {
  ShowProgress(RunningInstance, T005_Type);
  const auto& m = ModuleParams[RunningInstance];
  T005Work = {m.ParamValue[1], m.ParamValue[3], m.ParamValue[10], m.ParamColor[1]};
  T005_Compute();
}

// The twig drawing waits in buffer 1 while the work image is softened with
// 11 x 11 averages and its luminosity is mirrored below 80 and stretched;
// then it comes back and is subtracted from the softened image channel by
// channel in HSL (negative values clamped to 0). Buffer 1 keeps the drawing
// for later instances of the chain.
std::vector<Phase> T005_Phases() {
  const TT005Work& w = T005Work;
  const int32_t W = ImageWidth, H = ImageHeight;
  return {
      {Fill(TWIGWork, {20, static_cast<int32_t>(RoundDiv(int64_t{W} + H, 4)), (W + H) * 2, 0, 0, 100, 5, 100,
                       WrappingAdd(w.Size, 4), 4, 0, w.BaseColor, w.Seed}),
       TWIG_Compute, {}, AfterPhase::Copy, {}, ""},
      {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
      {Fill(FMTCWork, {SpaceHSL, 5, 1, 5, 1, 5, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
      {Fill(VRGHWork, {SpaceHSL, 359, 255, 80, 0, 0, 1, 0, 0, 1}), VRGH_Compute, {}, AfterPhase::Nothing, {}, ""},
      // "Subtract Result - Current" on every channel, nothing transparent.
      {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, ComposeWith(1, 1.0, 1.0, 4, 4, 4, 0, 0), ""},
      {Fill(HSHFWork, {w.HueShift}), HSHF_Compute, {}, AfterPhase::Nothing, {}, ""},
  };
}

void T005_Compute() { RunPhaseChain(T005_Type, T005_Phases()); }

}  // namespace quillon
