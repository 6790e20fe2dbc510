#include "modules/textures/Fnc_T002.h"

#include <string>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "engine/WorkBound.h"
#include "modules/textures/NeuronChain.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T002.h"
#include "shell/Progress.h"

namespace quillon {

TT002Work T002Work;

void T002_RegisterProcs() {
  StoreTypeProcs(T002_Type, T002_SetDefaults, T002_SetRanges, T002_Execute);
  StoreTypeWorkBound(T002_Type, &T002_WorkBound);
}

void T002_RegisterNames() {
  StoreTypeNames(T002_Type, "Neurone", "T002", 1, P_T002);
}

void T002_SetDefaults(int Instance) {
  ClearValues(Instance);
  auto& p = ModuleParams[Instance].ParamValue;
  const int32_t defaults[15] = {0, 26, 21, 22, 31, 2000, 2000, 2, 2, 5, 60, 227, 152, 149, 500};
  for (int k = 1; k <= 14; ++k) p[k] = defaults[k];
}

void T002_SetRanges(int Instance) {
  ClearRanges(Instance);
  for (int k : {1, 2, 3, 4}) SetParamRange(Instance, k, 5, 500);
  for (int k : {5, 6}) SetParamRange(Instance, k, 100, 5000);
  for (int k : {7, 8}) SetParamRange(Instance, k, 1, 100);
  SetParamRange(Instance, 9, 0, 50);
  for (int k : {10, 11}) SetParamRange(Instance, k, 0, MaxHue);
  for (int k : {12, 13}) SetParamRange(Instance, k, 0, MaxSatLum);
  SetParamRange(Instance, 14, 0, 1000);
}

namespace {

TT002Work WorkOf(const ParamValues& p) {
  return {p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[10], p[11], p[9], p[12], p[13], p[14]};
}

TNeuronSettings SettingsOf(const TT002Work& w) {
  return {w.XFactor1, w.YFactor1, w.Density1, w.XFactor2, w.YFactor2, w.Density2, w.LumVariant1, w.LumVariant2,
          HueWindow(w.HueVariant1, w.HueRange), HueWindow(w.HueVariant2, w.HueRange), w.XEffect, w.YEffect};
}

}  // namespace

void T002_Execute() {
  ShowProgressText(RunningInstance, ") Neurone");
  T002Work = WorkOf(ModuleParams[RunningInstance].ParamValue);
  T002_Compute();
}

// The work of a render: the rectangles of both passes, their count times
// their size held inside the picture, and the passes over the picture.
double T002_WorkCount(const ParamValues& p, int Width, int Height) {
  return NeuronWorkCount(SettingsOf(WorkOf(p)), Width, Height);
}
const TWorkBound T002_WorkBound{T002_WorkCount, {{1, 500}, {2, 500}, {3, 500}, {4, 500}, {5, 5000}, {6, 5000}}};

void T002_Compute() {
  const TT002Work& w = T002Work;
  RandomSeed = w.Seed;
  RunPhaseChain(T002_Type, NeuronPhases(SettingsOf(w), [](int k) {
                  return ") Neurone [phase " + std::to_string(k) + "]";
                }));
}

}  // namespace quillon
