#include "modules/textures/Fnc_T003.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "engine/WorkBound.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Shapes.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T003.h"
#include "shell/Progress.h"

namespace quillon {

TT003Work T003Work;

void T003_RegisterProcs() {
  StoreTypeProcs(T003_Type, T003_SetDefaults, T003_SetRanges, T003_Execute);
  StoreTypeWorkBound(T003_Type, &T003_WorkBound);
}

void T003_RegisterNames() {
  StoreTypeNames(T003_Type, "Microbes", "T003", 1, P_T003);
}

void T003_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 9;
  p[2] = 10;
  p[3] = 1254;
  p[5] = 142;
  p[6] = 279;
  p[7] = 0;
  p[9] = 98;
  p[10] = 26;
  p[11] = 0;
  p[13] = 500;
}

void T003_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 5, 15);
  SetParamRange(Instance, 2, 5, 15);
  SetParamRange(Instance, 3, 100, 23050);
  for (int k : {5, 6, 7}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {9, 10}) SetParamRange(Instance, k, 0, MaxSatLum);
  SetParamRange(Instance, 11, 0, 1);
  SetParamRange(Instance, 13, 0, 1050);
}

namespace {

TT003Work WorkOf(const ParamValues& p) { return {p[1], p[2], p[3], p[9], p[10], p[5], p[6], p[11], p[7], p[13]}; }

// Phase 1: the rectangles on purple.
TSH01Work Cells(const TT003Work& w) {
  return {SpaceHSL, 3, w.WidthFactor, 3, w.HeightFactor, 0, 359, 0, 255, 0, 255, w.Density, 0, 0, w.Seed, 16711808};
}

// Phase 3 when "Variant" is not 0: its status mark is shown, nothing is done.
void Skipped() {}

}  // namespace

void T003_Execute() {
  ShowProgress(RunningInstance, T003_Type);
  T003Work = WorkOf(ModuleParams[RunningInstance].ParamValue);
  T003_Compute();
}

// The work of a render: the rectangles, their count times their size held
// inside the picture, and the passes over the picture (phase 3 taken as
// darkening), spread over the threads, about 4 pixel writes a pixel.
double T003_WorkCount(const ParamValues& p, int Width, int Height) {
  return SH01_WorkCount(Cells(WorkOf(p)), Width, Height) + 4.0 * Width * Height;
}
const TWorkBound T003_WorkBound{T003_WorkCount, {{1, 15}, {2, 15}, {3, 23050}}};

void T003_Compute() {
  const TT003Work& w = T003Work;
  RandomSeed = w.Seed;
  const Phase filter = {Fill(FMTCWork, {SpaceHSL, 3, 1, 3, 1, 3, 1}), MatrixFilter_Run};
  // Darkens the work image to 69 %: "Result Layer" on every channel with a
  // result weight of 0.69; the single rectangle drawn does not enter it.
  const Phase darken = {Fill(SH01Work, {SpaceHSL, 3, 3, 3, 3, 0, 359, 0, 255, 0, 255, 1, 0, 0, w.Seed, 0}),
                        SH01_Compute, w.Seed, AfterPhase::Compose, ComposeWith(0, 0.69, 1.0, 0, 0, 0, 0, 0)};
  RunPhaseChain(
      T003_Type,
      {
          {[cells = Cells(w)] { SH01Work = cells; }, SH01_Compute, {}, AfterPhase::Copy},
          filter,
          w.Variant == 0 ? darken : Phase{nullptr, Skipped},
          filter,
          {Fill(VRGHWork, {SpaceHSL, 359, 255, w.LumVariant1, 0, 0, 1, 0, 0, 1}), VRGH_Compute},
          {Fill(VRGHWork, {SpaceHSL, 359, 255, w.LumVariant2, 0, 0, 1, 0, 0, 1}), VRGH_Compute},
          {Fill(LevelsWork, {SpaceHSL, 1, w.HueMin, w.HueMax, 0, 0, 255, 0, 0, 255}), NRMC_Run},
          {Fill(HSHFWork, {w.HueVariant}), HSHF_Compute},
      });
}

}  // namespace quillon
