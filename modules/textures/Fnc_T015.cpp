#include "modules/textures/Fnc_T015.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "modules/textures/Prm_T015.h"
#include "shell/Progress.h"

namespace quillon {

TPeriodicPackWork T015Work;

void T015_RegisterProcs() {
  StoreTypeProcs(T015_Type, T015_SetDefaults, T015_SetRanges, T015_Execute);
}

void T015_RegisterNames() {
  StoreTypeNames(T015_Type, "P.Tx Pack 1 Tx C", "T015", 1, P_T015);
}

void T015_SetDefaults(int Instance) {
  PeriodicPack_SetDefaults(Instance, {4, 0, 100, 4, 0, 100, 1, 28, 0, 2, 55, 55, 2, 2, 164, 0, 43, 1});
}

void T015_SetRanges(int Instance) { PeriodicPack_SetRanges(Instance); }

void T015_Execute() {
  ShowProgress(RunningInstance, T015_Type);
  T015Work = PeriodicPack_WorkOf(RunningInstance);
  T015_Compute();
}

void T015_Compute() { PeriodicPack_Compute(T015_Type, PackWaveSawtooth, T015Work); }

void T015_RandomPreset(int Instance) {
  RandomSeed = RandomPresetClock();
  auto& p = ModuleParams[Instance].ParamValue;
  DrawRandomPreset([](int k) { return PackRanges[k - 1]; }, false, [&p](int k, int32_t v) { p[k] = v; });
}

}  // namespace quillon
