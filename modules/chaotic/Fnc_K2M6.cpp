#include "modules/chaotic/Fnc_K2M6.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K2M6.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork2 K2M6Work;

namespace {
// x' = (sin(a x) + cos(y + c)) / 2, y' = (sin(y + b) + cos(d x)) / 2;
// b and c are added to y, not multiplied.
struct K2M6Map {
  double a, b, c, d;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y) const {
    const auto [first, second] = Evaluate(f, Sines(a * x, y + b), Cosines(y + c, d * x));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps.
const TWorkBound K2M6_WorkBound{Chaos2WorkCount, {{7, 10000}}};

void K2M6_RegisterProcs() {
  StoreTypeProcs(K2M6_Type, K2M6_SetDefaults, K2M6_SetRanges, K2M6_Execute);
  StoreTypeWorkBound(K2M6_Type, &K2M6_WorkBound);
}

void K2M6_RegisterNames() { RegisterChaosNames(K2M6_Type, "Chaotic Fx 2 F", "K2M6", P_K2M6); }

void K2M6_SetDefaults(int Instance) { SetChaos2Defaults(Instance, -970, 500, -580, -330, 900); }

void K2M6_SetRanges(int Instance) { SetChaos2Ranges(Instance); }

void K2M6_Execute() {
  ShowProgress(RunningInstance, K2M6_Type);
  K2M6Work = ReadChaosWork2(RunningInstance);
  K2M6_Run();
}

void K2M6_Run() {
  K2M6_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K2M6_Compute() { ChaosCloud2<K2M6Map>(K2M6Work); }

}  // namespace quillon
