#include "modules/chaotic/Fnc_K2M3.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M3.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M3Work;

namespace {
// x' = (sin(a x) + sin(c y)) / 2, y' = (cos(b y) + cos(d x)) / 2.
struct K2M3Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, SinCos(a * x, b * y), SinCos(c * y, d * x));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M3_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M3_RegisterProcs() {
  StoreTypeProcs(K2M3_Type, K2M3_SetDefaults, K2M3_SetRanges, K2M3_Execute);
  StoreTypeWorkBound(K2M3_Type, &K2M3_WorkBound);
}

void K2M3_RegisterNames() { RegisterChaosNames(K2M3_Type, "Chaotic Fx 2 C", "K2M3", P_K2M3); }

void K2M3_SetDefaults(int Instance) { SetChaos2Defaults(Instance, -990, -300, 120, 990, 780); }

void K2M3_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M3_Execute() {
  ShowProgress(RunningInstance, K2M3_Type);
  K2M3Work = ReadChaosWork2(RunningInstance);
  K2M3_Run();
}

void K2M3_Run() {
  K2M3_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M3_Compute() { ChaosCloud2<K2M3Map>(K2M3Work); }

}  // namespace quillon
