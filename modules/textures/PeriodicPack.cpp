#include "modules/textures/PeriodicPack.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/ChannelMove.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/Levels.h"
#include "modules/filters/OffsetEffect.h"
#include "modules/filters/RotationalSampling.h"
#include "modules/generators/SinX.h"

namespace quillon {

int32_t (*RandomPresetClock)() = MillisecondsSinceMidnight;

void PeriodicPack_SetDefaults(int Instance, const TPackValues& Defaults) {
  ClearValues(Instance);
  for (int k = 1; k <= PackParamCount; ++k) ModuleParams[Instance].ParamValue[k] = Defaults[k - 1];
}

void PeriodicPack_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k = 1; k <= PackParamCount; ++k) SetParamRange(Instance, k, PackRanges[k - 1].Min, PackRanges[k - 1].Max);
}

TPeriodicPackWork PeriodicPack_WorkOf(int Instance) {
  const auto& p = ModuleParams[Instance].ParamValue;
  return {p[1],  p[2],  p[3],  p[4],  p[5],  p[6],  p[7],  p[8],  p[9],
          p[10], p[11], p[12], p[13], p[14], p[15], p[16], p[17], p[18]};
}

int32_t PeriodicPack_HueBound(int32_t Value) {
  // The quotient of single-precision constants, taken in extended precision;
  // 0..255 has no exact tie. A value from a preset file far outside the range
  // saturates to 32 bits (the levels filter then holds it to a sample).
  constexpr float Scale = 255.0f, HueTop = 359.0f;
  return ClampToInt32(Round(static_cast<Real>(Value) / Scale * HueTop));
}

std::vector<Phase> PeriodicPack_Phases(int32_t Wave, const TPeriodicPackWork& w) {
  // Every status mark is "(n) " + display name + " [phase k]".
  const int32_t hueLow = PeriodicPack_HueBound(w.HueLow), hueHigh = PeriodicPack_HueBound(w.HueHigh);
  return {
      // 1: the red periodic pattern (hue 0, saturation 255, luminosity 0..255).
      {Fill(SIN1Work, {w.WidthPeriod, w.WidthPhase, w.WidthCoef, w.HeightPeriod, w.HeightPhase, w.HeightCoef, 0,
                      255, 0, 255, Wave, w.Variant}),
       SinX_ComputeLum, {}, AfterPhase::Copy},
      // 2, 3: rotational sampling of R, G and B (space 0: RGB).
      {Fill(FXC1Work, {0, 1, w.DX1, w.DY1, w.Combination1, 1, w.DX1, w.DY1, w.Combination1, 1, w.DX1, w.DY1,
                      w.Combination1}),
       FXC1_Compute},
      {Fill(FXC1Work, {0, 1, w.DX2, w.DY2, w.Combination2, 1, w.DX2, w.DY2, w.Combination2, 1, w.DX2, w.DY2,
                      w.Combination2}),
       FXC1_Compute},
      // 4: R, G, B stretched to 0..255.
      {Fill(LevelsWork, {SpaceRGB, 1, 0, 255, 1, 0, 255, 1, 0, 255}), NRMC_Run},
      // 5: offset effect with the neighbour at (x + 1, y - 1).
      {Fill(COL1Work, {1, -1, w.Offset1}), COL1_Compute},
      // 6: R, G, B stretched again.
      {Fill(LevelsWork, {SpaceRGB, 1, 0, 255, 1, 0, 255, 1, 0, 255}), NRMC_Run},
      // 7: luminosity cut at p15 and stretched; hue and saturation stay.
      {Fill(LevellingWork, {SpaceHSL, 359, 255, w.LumMax, 0, 0, 0, 1, 1, 0}), LVLH_Run},
      // 8: the luminosity becomes the hue.
      {Fill(MVLHWork, {3, 1}), MVLH_Compute},
      // 9: the hue mirrored left to right.
      {Fill(MIRRWork, {4}), MIRR_Compute},
      // 10: the hue stretched between the two bounds; a low bound above the
      // high one maps the lowest hue to the higher bound.
      {Fill(LevelsWork, {SpaceHSL, 1, hueLow, hueHigh, 0, 0, 255, 0, 0, 255}), NRMC_Run},
      // 11: offset effect again.
      {Fill(COL1Work, {1, -1, w.Offset2}), COL1_Compute},
  };
}

void PeriodicPack_Compute(int Type, int32_t Wave, const TPeriodicPackWork& Work) {
  RunPhaseChain(Type, PeriodicPack_Phases(Wave, Work));
}

int32_t RandomPresetPeriods(int32_t Side) { return ClampToInt32(Round(static_cast<Real>(Side) / 70)); }

void DrawRandomPreset(const std::function<TPackRange(int)>& Range, bool HighAboveLow,
                      const std::function<void(int, int32_t)>& Store) {
  int32_t low = 0;
  for (int k = 1; k <= PackParamCount; ++k) {
    TPackRange r = Range(k);
    if (k == 1) r = {1, RandomPresetPeriods(ImageWidth)};
    if (k == 4) r = {1, RandomPresetPeriods(ImageHeight)};
    if (k == 17 && HighAboveLow) r.Min = low;
    const int32_t v = RandomInt(RandomSeed, r.Min, r.Max);
    if (k == 16) low = v;
    Store(k, v);
  }
}

}  // namespace quillon
