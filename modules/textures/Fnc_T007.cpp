#include "modules/textures/Fnc_T007.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/Random.h"
#include "modules/filters/HueShift.h"
#include "modules/textures/NeuronChain.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T007.h"
#include "shell/Progress.h"

namespace quillon {

TT007Work T007Work;

void T007_RegisterProcs() {
  StoreTypeProcs(T007_Type, T007_SetDefaults, T007_SetRanges, T007_Execute);
}

void T007_RegisterNames() {
  StoreTypeNames(T007_Type, "Neurons", "T007", 1, P_T007);
}

void T007_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  p[1] = 2;
  p[2] = 2;
  p[4] = 5;
  p[5] = 60;
  p[6] = 227;
  p[7] = 0;
  p[9] = 32;
  p[10] = 32;
  p[11] = 0;
}

void T007_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2}) SetParamRange(Instance, k, 1, 100);
  SetParamRange(Instance, 4, 0, 50);
  for (int k : {5, 6, 7}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {9, 10}) SetParamRange(Instance, k, 1, 120);
  SetParamRange(Instance, 11, 0, 1050);
}

void T007_Execute() {
  ShowProgress(RunningInstance, T007_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T007Work = {p[1], p[2], p[5], p[6], p[4], p[7], p[9], p[10], p[11]};
  T007_Compute();
}

int32_t T007_RectangleCount(int32_t W, int32_t H) {
  return static_cast<int32_t>(4 * Round((static_cast<Real>(W) + H) / 2.0L));
}

void T007_Compute() {
  const TT007Work& w = T007Work;
  const THueWindow window1 = HueWindow(w.HueVariant1, w.HueRange);
  const THueWindow window2 = HueWindow(w.HueVariant2, w.HueRange);
  const int32_t lum1 = ClampToInt32(static_cast<int64_t>(w.Variant1) + 135);
  const int32_t lum2 = ClampToInt32(static_cast<int64_t>(w.Variant2) + 135);
  const int32_t count = T007_RectangleCount(ImageWidth, ImageHeight);
  RandomSeed = w.Seed;
  std::vector<Phase> phases = NeuronPhases(
      {32, 32, count, 32, 32, count, lum1, lum2, window1, window2, w.WidthEffect, w.HeightEffect}, nullptr);
  phases.push_back({Fill(HSHFWork, {w.HueVariant3}), HSHF_Compute});
  RunPhaseChain(T007_Type, phases);
}

}  // namespace quillon
