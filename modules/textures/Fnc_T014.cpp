#include "modules/textures/Fnc_T014.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Contrast.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/GradientFill.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Poly.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T014.h"
#include "shell/Progress.h"

namespace quillon {

TT014Work T014Work;

void T014_RegisterProcs() {
  StoreTypeProcs(T014_Type, T014_SetDefaults, T014_SetRanges, T014_Execute);
}

void T014_RegisterNames() {
  StoreTypeNames(T014_Type, "Plank", "T014", 1, P_T014);
}

void T014_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 20;
  p[2] = 50;
  p[4] = 0;
  p[6] = 4;
  p[7] = 4;
}

// The orientation (p4) keeps the range 0..0: its combo box offers the items
// itself.
void T014_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, MaxHue);
  SetParamRange(Instance, 2, 0, MaxHue);
  SetParamRange(Instance, 6, 0, 1000);
  SetParamRange(Instance, 7, 0, 1000);
}

void T014_Execute() {
  ShowProgress(RunningInstance, T014_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T014Work = {p[1], p[2], p[4], p[7], p[6]};
  T014_Compute();
}

int32_t T014_LineCount(int64_t Pixels) { return ClampToInt32(Round(static_cast<Real>(Pixels) / 12000.0L)); }

int32_t T014_MinLineLength(int64_t Pixels) { return ClampToInt32(Round(static_cast<Real>(Pixels) / 6000.0L)); }

// An orientation the gradient fill does not know (-1 when the typed text
// matched no item of the form's list, or any value outside 0..3) leaves the
// black cells of the line network as they are.
//
// The null-colour fill of phase 10 ends, like every fill, once a whole round
// changes nothing: a black pixel whose row or column holds no seed never
// finds its four sources and is left to the sweeps that follow.
void T014_Compute() {
  const TT014Work& w = T014Work;
  const int64_t pixels = static_cast<int64_t>(ImageWidth) * ImageHeight;
  const int32_t black = PackRGB(0, 0, 0), cyan = PackRGB(0, 255, 255);
  // Every phase shows "(n) Plank [phase k]".
  RunPhaseChain(
      T014_Type,
      {
          {Fill(POLYWork,
                {T014_LineCount(pixels), 100, 8, 100, 2, 100, 12, T014_MinLineLength(pixels), black, cyan, w.Seed1}),
           POLY_Run, {}, AfterPhase::Copy, {}, ""},
          {Fill(GFLLWork, {0, w.Orientation, black}), GFLL_Compute, {}, AfterPhase::Nothing, {}, ""},
          {Fill(FMTCWork, {SpaceHSL, 1, 0, 1, 0, 5, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
          {Fill(OFSTWork, {0, 5, 5}), OFST_Compute, {}, AfterPhase::Nothing, {}, ""},
          // The relief: "Add", "Subtract Result - Current", "Complex 3" of the
          // shifted picture and the unshifted one.
          {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, ComposeWith(1, 1.0, 1.0, 2, 4, 14, 0, 0), ""},
          {Fill(LevelsWork, {SpaceHSL, 0, 0, 359, 0, 0, 255, 1, 0, 255}), NRMC_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
          // The grain: sparse seeds on black that spread over it.
          {Fill(NoiseWork, {SpaceHSL, 0, 50, 0, 255, 0, 255, 2, w.Seed2}), Noise_Compute, {}, AfterPhase::Copy, {},
           ""},
          {Fill(RNCCWork, {SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}), RandomColorFill, w.Seed2,
           AfterPhase::Nothing, {}, ""},
          {Fill(CAV1Work, {0, 50, 5, 0, 50, 5, 1, 50, 5}), CAV1_Compute, {}, AfterPhase::Nothing, {}, ""},
          {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, ComposeWith(0, 1.0, 1.0, 2, 2, 2, 0, 0), ""},
          {Fill(LevelsWork, {SpaceHSL, 1, w.HueMin, w.HueMax, 0, 0, 255, 0, 0, 255}), NRMC_Run, {},
           AfterPhase::Nothing, {}, ""},
          {Fill(CNTRWork, {27}), CNTR_Compute, {}, AfterPhase::Nothing, {}, ""},
      });
}

}  // namespace quillon
