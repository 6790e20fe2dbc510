#include "modules/chaotic/Fnc_K2M4.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M4.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M4Work;

namespace {
// x' = sin(a x) sin(c y), y' = cos(b y) cos(d x).
struct K2M4Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, SinCos(a * x, b * y), SinCos(c * y, d * x));
    return first * second;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M4_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M4_RegisterProcs() {
  StoreTypeProcs(K2M4_Type, K2M4_SetDefaults, K2M4_SetRanges, K2M4_Execute);
  StoreTypeWorkBound(K2M4_Type, &K2M4_WorkBound);
}

void K2M4_RegisterNames() { RegisterChaosNames(K2M4_Type, "Chaotic Fx 2 D", "K2M4", P_K2M4); }

void K2M4_SetDefaults(int Instance) { SetChaos2Defaults(Instance, 150, 250, 64, 300, 960); }

void K2M4_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M4_Execute() {
  ShowProgress(RunningInstance, K2M4_Type);
  K2M4Work = ReadChaosWork2(RunningInstance);
  K2M4_Run();
}

void K2M4_Run() {
  K2M4_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M4_Compute() { ChaosCloud2<K2M4Map>(K2M4Work); }

}  // namespace quillon
