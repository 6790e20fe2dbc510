#include "modules/chaotic/Fnc_K2M5.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M5.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M5Work;

namespace {
// x' = (sin(x + a) + cos(c y)) / 2, y' = (sin(b y) + cos(x + d)) / 2;
// a and d are added to x, not multiplied.
struct K2M5Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, Sines(x + a, b * y), Cosines(c * y, x + d));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M5_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M5_RegisterProcs() {
  StoreTypeProcs(K2M5_Type, K2M5_SetDefaults, K2M5_SetRanges, K2M5_Execute);
  StoreTypeWorkBound(K2M5_Type, &K2M5_WorkBound);
}

void K2M5_RegisterNames() { RegisterChaosNames(K2M5_Type, "Chaotic Fx 2 E", "K2M5", P_K2M5); }

void K2M5_SetDefaults(int Instance) { SetChaos2Defaults(Instance, 150, 580, 570, -235, 825); }

void K2M5_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M5_Execute() {
  ShowProgress(RunningInstance, K2M5_Type);
  K2M5Work = ReadChaosWork2(RunningInstance);
  K2M5_Run();
}

void K2M5_Run() {
  K2M5_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M5_Compute() { ChaosCloud2<K2M5Map>(K2M5Work); }

}  // namespace quillon
