#include "modules/chaotic/Fnc_K2M1.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M1.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M1Work;

namespace {
// x' = (sin(a x) + cos(c y)) / 2, y' = (sin(b y) + cos(d x)) / 2.
struct K2M1Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, Sines(a * x, b * y), Cosines(c * y, d * x));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M1_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M1_RegisterProcs() {
  StoreTypeProcs(K2M1_Type, K2M1_SetDefaults, K2M1_SetRanges, K2M1_Execute);
  StoreTypeWorkBound(K2M1_Type, &K2M1_WorkBound);
}

void K2M1_RegisterNames() { RegisterChaosNames(K2M1_Type, "Chaotic Fx 2 A", "K2M1", P_K2M1); }

void K2M1_SetDefaults(int Instance) { SetChaos2Defaults(Instance, 150, 250, 200, 300, 940); }

void K2M1_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M1_Execute() {
  ShowProgress(RunningInstance, K2M1_Type);
  K2M1Work = ReadChaosWork2(RunningInstance);
  K2M1_Run();
}

void K2M1_Run() {
  K2M1_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M1_Compute() { ChaosCloud2<K2M1Map>(K2M1Work); }

}  // namespace quillon
