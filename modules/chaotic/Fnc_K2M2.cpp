#include "modules/chaotic/Fnc_K2M2.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M2.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M2Work;

namespace {
// x' = sin(a x) cos(c y), y' = sin(b y) cos(d x).
struct K2M2Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, Sines(a * x, b * y), Cosines(c * y, d * x));
    return first * second;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M2_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M2_RegisterProcs() {
  StoreTypeProcs(K2M2_Type, K2M2_SetDefaults, K2M2_SetRanges, K2M2_Execute);
  StoreTypeWorkBound(K2M2_Type, &K2M2_WorkBound);
}

void K2M2_RegisterNames() { RegisterChaosNames(K2M2_Type, "Chaotic Fx 2 B", "K2M2", P_K2M2); }

void K2M2_SetDefaults(int Instance) { SetChaos2Defaults(Instance, 260, 290, -260, -290, 890); }

void K2M2_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M2_Execute() {
  ShowProgress(RunningInstance, K2M2_Type);
  K2M2Work = ReadChaosWork2(RunningInstance);
  K2M2_Run();
}

void K2M2_Run() {
  K2M2_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M2_Compute() { ChaosCloud2<K2M2Map>(K2M2Work); }

}  // namespace quillon
