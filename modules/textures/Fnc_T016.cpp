#include "modules/textures/Fnc_T016.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/Foil.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Noise.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T016.h"
#include "shell/Progress.h"

namespace quillon {

TT016Work T016Work;

void T016_RegisterProcs() { StoreTypeProcs(T016_Type, T016_SetDefaults, T016_SetRanges, T016_Execute); }

void T016_RegisterNames() { StoreTypeNames(T016_Type, "Coral", "T016", 1, P_T016); }

void T016_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 0;
  p[2] = 45;
  p[4] = 200;
  p[6] = 1;
  p[7] = 1;
  p[10] = 0;
}

// Parameter 4 is bounded by MaxHue like the hue limits, although phase 4
// reads it as a luminosity threshold: 255 and above mirror nothing.
void T016_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, MaxHue);
  SetParamRange(Instance, 2, 0, MaxHue);
  SetParamRange(Instance, 4, 0, MaxHue);
  SetParamRange(Instance, 6, 1, 20);
  SetParamRange(Instance, 7, 1, 20);
  SetParamRange(Instance, 10, 0, 1000);
}

void T016_Execute() {
  ShowProgress(RunningInstance, T016_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T016Work = {p[1], p[2], p[4], p[6], p[7], p[10]};
  T016_Compute();
}

void T016_Compute() {
  const TT016Work& w = T016Work;
  constexpr AfterPhase Nothing = AfterPhase::Nothing;
  RunPhaseChain(
      T016_Type,
      {
          {Fill(NoiseWork, {SpaceRGB, 0, 72, 0, 101, 0, 255, 6, CoralNoiseSeed}), Noise_Compute, {}, AfterPhase::Copy,
           {}, ""},
          {Fill(RNCCWork, {SpaceHSL, 1, 10, 10, 10, 10, 10, 10, 0, 0, 0}), RandomColorFill, w.Seed, Nothing, {}, ""},
          {Fill(FMTCWork, {SpaceHSL, 3, 1, 3, 1, 3, 1}), MatrixFilter_Run, {}, Nothing, {}, ""},
          {Fill(VRGHWork, {SpaceHSL, 359, 116, w.LumThreshold, 0, 1, 1, 0, 1, 1}), VRGH_Compute, {}, Nothing, {}, ""},
          {Fill(VRGHWork, {SpaceHSL, 304, 255, 197, 1, 0, 1, 1, 0, 1}), VRGH_Compute, {}, Nothing, {}, ""},
          {Fill(VRGHWork, {SpaceHSL, 0, 255, 255, 1, 0, 0, 1, 0, 0}), VRGH_Compute, {}, Nothing, {}, ""},
          {Fill(HSHFWork, {219}), HSHF_Compute, {}, Nothing, {}, ""},
          {Fill(MVBFWork, {1}), MVBF_Compute, {}, Nothing, {}, ""},
          // Saturation and luminosity posterised to three levels, hue left alone.
          {Fill(FOILWork, {0, 3, 1, 3, 1, 3}), FOIL_Compute, {}, Nothing, {}, ""},
          {Fill(OFSTWork, {0, w.XOffset, w.YOffset}), OFST_Compute, {}, Nothing, {}, ""},
          // The saved image back by "Difference" on every channel.
          {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, ComposeWith(0, 1.0, 1.0, 6, 6, 6, 0, 0), ""},
          // The hue limits as stored: a pair p1 > p2 turns the hue over.
          {Fill(LevelsWork, {SpaceHSL, 1, w.HueMin, w.HueMax, 1, 0, 255, 1, 0, 255}), NRMC_Run, {}, Nothing, {}, ""},
          {Fill(VRLHWork, {SpaceHSL, 0, 0, 224, 0, 0, 1, 0, 0, 1}), VRLH_Compute, {}, Nothing, {}, ""},
          {Fill(FMTCWork, {SpaceHSL, 1, 1, 5, 1, 1, 0}), MatrixFilter_Run, {}, Nothing, {}, ""},
      });
}

}  // namespace quillon
