#include "modules/textures/Fnc_T022.h"

#include "engine/Instances.h"
#include "modules/textures/Prm_T022.h"
#include "shell/Progress.h"

namespace quillon {

TPeriodicPackWork T022Work;

void T022_RegisterProcs() {
  StoreTypeProcs(T022_Type, T022_SetDefaults, T022_SetRanges, T022_Execute);
}

void T022_RegisterNames() {
  StoreTypeNames(T022_Type, "P.Tx Pack 1 Tx B", "T022", 1, P_T022);
}

void T022_SetDefaults(int Instance) {
  PeriodicPack_SetDefaults(Instance, {3, 0, 100, 2, 0, 100, 3, 80, 0, 1, 120, 0, 1, 3, 217, 130, 158, 4});
}

void T022_SetRanges(int Instance) { PeriodicPack_SetRanges(Instance); }

void T022_Execute() {
  ShowProgress(RunningInstance, T022_Type);
  T022Work = PeriodicPack_WorkOf(RunningInstance);
  T022_Compute();
}

void T022_Compute() { PeriodicPack_Compute(T022_Type, PackWaveTriangle, T022Work); }

}  // namespace quillon
