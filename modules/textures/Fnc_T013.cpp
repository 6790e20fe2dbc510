#include "modules/textures/Fnc_T013.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/WorkBound.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/generators/Noise.h"
#include "modules/generators/Twig.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T013.h"
#include "shell/Progress.h"

namespace quillon {

TT013Work T013Work;

void T013_RegisterProcs() {
  StoreTypeProcs(T013_Type, T013_SetDefaults, T013_SetRanges, T013_Execute);
  StoreTypeWorkBound(T013_Type, &T013_WorkBound);
}

void T013_RegisterNames() {
  StoreTypeNames(T013_Type, "Bark", "T013", 1, P_T013);
}

void T013_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 0;
  p[2] = 39;
  p[3] = 0;
  p[4] = 222;
  p[6] = 1;
  p[7] = 3;
  p[9] = 0;
  p[10] = 0;
}

// The orientation (p7) keeps the range 0..0: its combo box offers the four
// items itself.
void T013_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {3, 4}) SetParamRange(Instance, k, 0, MaxSatLum);
  SetParamRange(Instance, 6, 1, 10);
  SetParamRange(Instance, 9, 0, 1000);
  SetParamRange(Instance, 10, 0, 1000);
}

namespace {

TT013Work WorkOf(const ParamValues& p) { return {p[1], p[2], p[3], p[4], p[6], p[7], p[9], p[10]}; }

// Green twigs on black in random directions, saturation and luminosity
// walking by 8 and 7.
TTWIGWork FirstTwigs(const TT013Work& w, int W, int H) {
  const int32_t half = ClampToInt32(Round(static_cast<Real>(W + H) / 2.0L));
  return {20, half, half, 0, 0, 100, 8, 100, 7, 4, PackRGB(0, 0, 0), PackRGB(32, 161, 7), w.Seed1};
}

// Yellow twigs in the chosen orientation.
TTWIGWork SecondTwigs(const TT013Work& w, int W, int H) {
  const int32_t quarter = ClampToInt32(Round(static_cast<Real>(W + H) / 4.0L));
  return {51, quarter, T013_SecondTwigCount(w.Variant, W + H), 0, 0, 0, 0, 0, 0, w.Orientation, PackRGB(0, 0, 0),
          PackRGB(255, 255, 0), w.Seed2};
}

}  // namespace

void T013_Execute() {
  ShowProgress(RunningInstance, T013_Type);
  T013Work = WorkOf(ModuleParams[RunningInstance].ParamValue);
  T013_Compute();
}

int32_t T013_SecondTwigCount(int32_t Variant, int32_t Side) {
  return ClampToInt32(Round((static_cast<Real>(Variant) / 10.0L + 1.0L) * static_cast<Real>(Side)));
}

// The work of a render, in steps of a twig: the twigs of both kinds, the
// second ones growing with the variant, and the passes over the picture,
// spread over the threads, about 1.2 steps a pixel.
double T013_WorkCount(const ParamValues& p, int Width, int Height) {
  const TT013Work w = WorkOf(p);
  return TWIG_WorkCount(FirstTwigs(w, Width, Height)) + TWIG_WorkCount(SecondTwigs(w, Width, Height)) +
         1.2 * Width * Height;
}
const TWorkBound T013_WorkBound{T013_WorkCount, {{6, 10}}};

// An orientation that matches no item of the form's list (-1 when the typed
// text matched none) draws the second twigs vertically, as the twig
// generator draws every orientation outside its list.
void T013_Compute() {
  const TT013Work& w = T013Work;
  // Every phase shows "(n) Bark [phase k]".
  RunPhaseChain(
      T013_Type,
      {
          {[twigs = FirstTwigs(w, ImageWidth, ImageHeight)] { TWIGWork = twigs; }, TWIG_Compute, {},
           AfterPhase::Copy, {}, ""},
          {Fill(SNDSWork, {0, 0, 0, 0, 4, 10, 0, 4, 10, 0, 0}), SNDS_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(CAV1Work, {0, 50, 1, 0, 50, 1, 1, 50, 5}), CAV1_Compute, {}, AfterPhase::Nothing, {}, ""},
          // Yellow twigs: the luminosity becomes 255 - X on them and 0 elsewhere
          // ("Complex 10", "Subtract Result - Current", "Subtract Current - Result").
          {[twigs = SecondTwigs(w, ImageWidth, ImageHeight)] { TWIGWork = twigs; }, TWIG_Compute, {},
           AfterPhase::Compose, ComposeWith(1, 1.0, 1.0, 21, 4, 3, 0, 0), ""},
          {Fill(FMTCWork, {SpaceHSL, 1, 0, 1, 0, 1, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
          // Hue and saturation from the noise ("Current Layer"), luminosity kept ("Result Layer").
          {Fill(NoiseWork, {SpaceHSL, w.HueMin, w.HueMax, w.SatMin, w.SatMax, 0, 255, 100, w.Seed1}), Noise_Compute,
           {}, AfterPhase::Compose, ComposeWith(1, 1.0, 1.0, 1, 1, 0, 0, 0), ""},
          {Fill(FMTCWork, {SpaceHSL, 1, 1, 5, 1, 1, 0}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
      });
}

}  // namespace quillon
