#include "modules/chaotic/Fnc_K1M3.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K1M3.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork1 K1M3Work;

namespace {
// x' = (sin(a x) + cos(y + t)) / 2, y' = (sin(b y) + cos(x + t)) / 2.
struct K1M3Map {
  double a, b;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y, double t) const {
    const auto [first, second] = Evaluate(f, Sines(a * x, b * y), Cosines(y + t, x + t));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps, the phase growing by its largest step (still
// short of the sine's careful range after the last).
const TWorkBound K1M3_WorkBound{Chaos1WorkCount, {{4, 200}, {7, 10000}}};

void K1M3_RegisterProcs() {
  StoreTypeProcs(K1M3_Type, K1M3_SetDefaults, K1M3_SetRanges, K1M3_Execute);
  StoreTypeWorkBound(K1M3_Type, &K1M3_WorkBound);
}

void K1M3_RegisterNames() { RegisterChaosNames(K1M3_Type, "Chaotic Fx 1 C", "K1M3", P_K1M3); }

void K1M3_SetDefaults(int Instance) { SetChaos1Defaults(Instance, 150, 250, 4, 940); }

void K1M3_SetRanges(int Instance) { SetChaos1Ranges(Instance); }

void K1M3_Execute() {
  ShowProgress(RunningInstance, K1M3_Type);
  K1M3Work = ReadChaosWork1(RunningInstance);
  K1M3_Run();
}

void K1M3_Run() {
  K1M3_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K1M3_Compute() { ChaosCloud1<K1M3Map>(K1M3Work); }

}  // namespace quillon
