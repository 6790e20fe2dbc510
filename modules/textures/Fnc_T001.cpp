#include "modules/textures/Fnc_T001.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Noise.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T001.h"
#include "shell/Progress.h"

namespace quillon {

TT001Work T001Work;

void T001_RegisterProcs() {
  StoreTypeProcs(T001_Type, T001_SetDefaults, T001_SetRanges, T001_Execute);
}

void T001_RegisterNames() {
  StoreTypeNames(T001_Type, "Red Swimming Pool", "T001", 1, P_T001);
}

void T001_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 215;
  p[2] = 243;
  p[3] = 0;
  p[5] = 159;
  p[7] = 161;
  p[8] = 211;
  p[10] = 0;
}

void T001_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2, 3}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {5, 7, 8}) SetParamRange(Instance, k, 0, MaxSatLum);
  SetParamRange(Instance, 10, 0, 1000);
}

void T001_Execute() {
  ShowProgressText(RunningInstance, ") Swimming Pool");
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T001Work = {p[5], p[7], p[1], p[8], p[2], p[3], p[10]};
  T001_Compute();
}

void T001_Compute() {
  const TT001Work& w = T001Work;
  auto phase = [](int k) { return ")  Swimming Pool [phase " + std::to_string(k) + "]"; };
  RunPhaseChain(T001_Type,
                {
                    {Fill(NoiseWork, {SpaceRGB, 0, 72, 0, 101, 0, 255, 6, w.Seed}), Noise_Compute, {},
                     AfterPhase::Copy, {}, phase(1)},
                    {Fill(RNCCWork, {SpaceHSL, 1, 10, 10, 10, 10, 10, 10, 0, 0, 0}), RandomColorFill, w.Seed,
                     AfterPhase::Nothing, {}, phase(2)},
                    {Fill(FMTCWork, {SpaceHSL, 3, 1, 3, 1, 3, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {},
                     phase(3)},
                    {Fill(VRGHWork, {SpaceHSL, 359, w.SatThreshold, w.LumThreshold1, 0, 1, 1, 0, 1, 1}),
                     VRGH_Compute, {}, AfterPhase::Nothing, {}, phase(4)},
                    {Fill(VRGHWork, {SpaceHSL, w.HueThreshold1, 255, w.LumThreshold2, 1, 0, 1, 1, 0, 1}),
                     VRGH_Compute, {}, AfterPhase::Nothing, {}, phase(5)},
                    {Fill(VRGHWork, {SpaceHSL, w.HueThreshold2, 255, 255, 1, 0, 0, 1, 0, 0}), VRGH_Compute, {},
                     AfterPhase::Nothing, {}, phase(6)},
                    // Phase 7 shows the display name: "(n) Red Swimming Pool [phase 7]".
                    {Fill(HSHFWork, {w.HueShift}), HSHF_Compute, {}, AfterPhase::Nothing, {}, ""},
                });
}

}  // namespace quillon
