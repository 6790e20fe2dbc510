#include "modules/textures/Fnc_T011.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/Invert.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/Tiles.h"
#include "modules/textures/Prm_T011.h"
#include "shell/Progress.h"

namespace quillon {

TT011Work T011Work;

void T011_RegisterProcs() { StoreTypeProcs(T011_Type, T011_SetDefaults, T011_SetRanges, T011_Execute); }

void T011_RegisterNames() { StoreTypeNames(T011_Type, "Blue Gold Rings", "T011", 1, P_T011); }

void T011_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 200;
  p[2] = 1;
  p[3] = 88;
  p[4] = 176;
  p[6] = 4;
  p[8] = 18;
  p[9] = 1;
  p[10] = 1;
}

void T011_SetRanges(int Instance) { HuePatternRanges(Instance); }

void T011_Execute() {
  ShowProgress(RunningInstance, T011_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T011Work = {p[1], p[2], p[3], p[4], p[6], p[8], p[9], p[10]};
  T011_Compute();
}

void T011_Compute() {
  std::vector<Phase> phases = HuePatternPhases(T011Work, 1);
  const std::vector<Phase> rings = {
      {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
      {Fill(MIRRWork, {0}), MIRR_Compute, {}, AfterPhase::Nothing, {}, ""},
      // The saved texture back over its mirror image: "Subtract Current -
      // Result" on red and green, "Subtract Result - Current" on blue.
      {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, ComposeWith(0, 1.0, 1.0, 3, 3, 4, 0, 0), ""},
      {Fill(FMTCWork, {SpaceHSL, 1, 0, 2, 2, 1, 0}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
      {Fill(INVCWork, {SpaceHSL, 0, 359, 68, 255, 0, 255, 1, 1, 0, 1}), Invert_Run, {}, AfterPhase::Nothing, {}, ""},
      // Direction from buffer 1's saturation, distance 1..3 from its hue,
      // all three HSL channels exchanged.
      {Fill(TB01Work, {1, 2, 4, 1, 3, 2, 0}), TB01_Compute, {}, AfterPhase::Nothing, {}, ""},
      // Direction from its red, distance 1..11 from its blue, blue exchanged.
      {Fill(TB01Work, {1, 1, 2, 1, 11, 1, 3}), TB01_Compute, {}, AfterPhase::Nothing, {}, ""},
  };
  phases.insert(phases.end(), rings.begin(), rings.end());
  RunPhaseChain(T011_Type, phases);
}

}  // namespace quillon
