#include "modules/textures/Fnc_T006.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/ColorBalance.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Twig.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T006.h"
#include "shell/Progress.h"

namespace quillon {

TT006Work T006Work;

namespace {

// M = (W + H) / 2 as an extended real.
Real MeanSide(int32_t W, int32_t H) { return (static_cast<Real>(W) + H) / 2; }

// The second skin's twigs: the random state is seeded with the second seed
// (the phase's seed) before the twigs seed themselves from their record.
void ReseededTwigs() {
  InitRandom(RandomSeed);
  TWIG_Compute();
}

}  // namespace

const TPlanet& PlanetRow(int32_t Planet) { return Planets[Planet >= 0 && Planet <= 7 ? Planet : 0]; }

int32_t T006_MaxTwigLength(int32_t W, int32_t H) { return ClampToInt32(Round(MeanSide(W, H) * 0.39L)); }
int32_t T006_TwigCount(int32_t W, int32_t H) { return ClampToInt32(Round(MeanSide(W, H) * 1.17L)); }

void T006_RegisterProcs() { StoreTypeProcs(T006_Type, T006_SetDefaults, T006_SetRanges, T006_Execute); }

// The display name is "Aliens Skins"; the form's caption says "Alien Skins".
void T006_RegisterNames() { StoreTypeNames(T006_Type, "Aliens Skins", "T006", 1, P_T006); }

void T006_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& m = ModuleParams[Instance];
  m.ParamValue[9] = 5;
  m.ParamValue[10] = 128;
  m.ParamColor[1] = PackRGB(0, 128, 0);
  m.ParamColor[2] = PackRGB(0, 128, 0);
}

void T006_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k = 3; k <= 8; ++k) SetParamRange(Instance, k, -100, 100);
  SetParamRange(Instance, 9, 0, 1000);
  SetParamRange(Instance, 10, 0, 1000);
}

void T006_Execute() {
  ShowProgress(RunningInstance, T006_Type);
  const auto& m = ModuleParams[RunningInstance];
  const auto& p = m.ParamValue;
  T006Work = {p[1], {p[3], p[4], p[5], p[6], p[7], p[8]}, p[9], p[10], m.ParamColor[1], m.ParamColor[2]};
  T006_Compute();
}

void T006_Compute() {
  TT006Work& w = T006Work;
  // The two skins never share a seed. The product wraps to 32 bits, like
  // the seed itself; (s + 1) * 9 never equals s even then (8s + 9 is odd).
  if (w.Seed1 == w.Seed2) w.Seed2 = static_cast<int32_t>(static_cast<uint32_t>(w.Seed1) * 9u + 9u);
  RandomSeed = w.Seed1;
  InitRandom(RandomSeed);

  const int32_t longest = T006_MaxTwigLength(ImageWidth, ImageHeight);
  const int32_t twigs = T006_TwigCount(ImageWidth, ImageHeight);
  const TPlanet& planet = PlanetRow(w.Planet);
  const int32_t* v = w.Variant;
  RunPhaseChain(
      T006_Type,
      {
          // The first skin, set aside in buffer 1.
          {Fill(TWIGWork, {20, longest, twigs, 0, 0, 100, 9, 100, 10, 4, 0, w.Color1, w.Seed1}), TWIG_Compute, {},
           AfterPhase::Copy, {}, ""},
          {Fill(FMTCWork, {SpaceHSL, 5, 1, 5, 1, 5, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(VRGHWork, {SpaceHSL, 359, 255, 209, 0, 0, 1, 0, 0, 1}), VRGH_Compute, {}, AfterPhase::Nothing, {},
           ""},
          {Fill(BLCLWork, {v[0], v[1], v[2]}), BLCL_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(MVBFWork, {1}), MVBF_Compute, {}, AfterPhase::Nothing, {}, ""},
          // The second skin.
          {Fill(TWIGWork, {20, longest, twigs, 0, 0, 100, 10, 100, 8, 4, 0, w.Color2, w.Seed2}), ReseededTwigs,
           w.Seed2, AfterPhase::Copy, {}, ""},
          {Fill(FMTCWork, {SpaceHSL, 3, 1, 3, 1, 3, 1}), MatrixFilter_Run, {}, AfterPhase::Nothing, {}, ""},
          {Fill(VRGHWork, {SpaceHSL, 359, 255, 44, 0, 0, 1, 0, 0, 1}), VRGH_Compute, {}, AfterPhase::Nothing, {},
           ""},
          {Fill(BLCLWork, {v[3], v[4], v[5]}), BLCL_Run, {}, AfterPhase::Nothing, {}, ""},
          // The first skin recalled and blended into the second.
          {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose,
           ComposeWith(planet.Space, planet.ResultWeight, planet.CurrentWeight, planet.Function[0],
                       planet.Function[1], planet.Function[2], 0, 0),
           ""},
      });
}

}  // namespace quillon
