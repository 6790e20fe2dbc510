#include "modules/textures/Fnc_T021.h"

#include "engine/Instances.h"
#include "modules/textures/Prm_T021.h"
#include "shell/Progress.h"

namespace quillon {

TPeriodicPackWork T021Work;

void T021_RegisterProcs() {
  StoreTypeProcs(T021_Type, T021_SetDefaults, T021_SetRanges, T021_Execute);
}

void T021_RegisterNames() {
  StoreTypeNames(T021_Type, "P.Tx Pack 1 Tx A", "T021", 1, P_T021);
}

void T021_SetDefaults(int Instance) {
  PeriodicPack_SetDefaults(Instance, {3, 0, 100, 2, 0, 100, 3, 80, 80, 3, 120, 0, 1, 3, 217, 130, 158, 4});
}

void T021_SetRanges(int Instance) { PeriodicPack_SetRanges(Instance); }

void T021_Execute() {
  ShowProgress(RunningInstance, T021_Type);
  T021Work = PeriodicPack_WorkOf(RunningInstance);
  T021_Compute();
}

void T021_Compute() { PeriodicPack_Compute(T021_Type, PackWaveSine, T021Work); }

}  // namespace quillon
