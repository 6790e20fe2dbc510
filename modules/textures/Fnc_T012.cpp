#include "modules/textures/Fnc_T012.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Levels.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/Tiles.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Twig.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T012.h"
#include "shell/Progress.h"

namespace quillon {

TT012Work T012Work;

void T012_RegisterProcs() {
  StoreTypeProcs(T012_Type, T012_SetDefaults, T012_SetRanges, T012_Execute);
}

void T012_RegisterNames() {
  StoreTypeNames(T012_Type, "Roughcast", "T012", 1, P_T012);
}

void T012_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 0;
  p[2] = 30;
  p[3] = 0;
  p[4] = MaxSatLum;
  p[5] = 0;
  p[6] = MaxSatLum;
  p[8] = 10;
  p[9] = 1;
  p[10] = 0;
  p[11] = 0;
  p[12] = 0;
}

void T012_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {3, 4, 5, 6}) SetParamRange(Instance, k, 0, MaxSatLum);
  SetParamRange(Instance, 8, 1, 10);
  SetParamRange(Instance, 9, 1, 2);
  SetParamRange(Instance, 10, 0, 20);
  SetParamRange(Instance, 11, 0, 1000);
  SetParamRange(Instance, 12, 0, 1000);
}

void T012_Execute() {
  ShowProgress(RunningInstance, T012_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T012Work = {p[1], p[2], p[3], p[4], p[5], p[6], p[8], p[9], p[10], p[11], p[12]};
  T012_Compute();
}

// The null-colour fill of phase 4 ends, like every fill, once a whole round
// changes nothing: with all six noise bounds at 0 every pixel is the key
// colour and nothing can be filled, and a key pixel whose row or column holds
// no coloured pixel never finds its four sources; such pixels are left to the
// sweeps that follow, or stay black when there is nothing at all.
void T012_Compute() {
  const TT012Work& w = T012Work;
  const int32_t side = ImageWidth + ImageHeight;
  // Computed in 64 bits: stored values of any size give a rate or a reach
  // at the end of the 32-bit range rather than a wrapped one.
  const int32_t rate = ClampToInt32(2 * static_cast<int64_t>(w.Variant3) + 2);
  const int32_t reach = ClampToInt32(static_cast<int64_t>(w.Variant1) + 10);
  // Every phase shows "(n) Roughcast [phase k]".
  RunPhaseChain(
      T012_Type,
      {
          // Black twigs on green (hue 0, saturation and luminosity bouncing
          // inside 0..200), kept in buffer 1 to steer the swaps of phase 6.
          {Fill(TWIGWork, {20, side, side, 0, 0, 100, 4, 100, 10, 4, PackRGB(0, 128, 0), 0, w.Seed1}),
           TWIG_Compute, w.Seed1, AfterPhase::Copy, {}, ""},
          {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
          {Fill(NoiseWork, {SpaceHSL, w.HueMin, w.HueMax, w.SatMin, w.SatMax, w.LumMin, w.LumMax, rate, w.Seed1}),
           Noise_Compute, {}, AfterPhase::Copy, {}, ""},
          {Fill(RNCCWork, {SpaceHSL, 2, 0, 0, 10, 10, 10, 10, 0, 0, 0}), RandomColorFill, w.Seed2,
           AfterPhase::Nothing, {}, ""},
          {Fill(CAV1Work, {0, 50, 5, 0, 50, 5, 1, 50, 5}), CAV1_Compute, {}, AfterPhase::Nothing, {}, ""},
          {Fill(TB01Work, {1, w.Variant2, 1, 1, reach, SpaceRGB, 0}), TB01_Compute, {}, AfterPhase::Nothing, {},
           ""},
          {Fill(LevelsWork, {SpaceHSL, 0, 0, 359, 0, 0, 255, 1, 0, 255}), NRMC_Run, {}, AfterPhase::Nothing, {}, ""},
      });
}

}  // namespace quillon
