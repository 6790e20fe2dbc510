#include "modules/chaotic/Fnc_K1M1.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K1M1.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork1 K1M1Work;

namespace {
// x' = (sin(x + t) + cos(a y)) / 2, y' = (sin(b y) + cos(x + t)) / 2.
struct K1M1Map {
  double a, b;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y, double t) const {
    const auto [first, second] = Evaluate(f, Sines(x + t, b * y), Cosines(a * y, x + t));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps, the phase growing by its largest step (still
// short of the sine's careful range after the last).
const TWorkBound K1M1_WorkBound{Chaos1WorkCount, {{4, 200}, {7, 10000}}};

void K1M1_RegisterProcs() {
  StoreTypeProcs(K1M1_Type, K1M1_SetDefaults, K1M1_SetRanges, K1M1_Execute);
  StoreTypeWorkBound(K1M1_Type, &K1M1_WorkBound);
}

void K1M1_RegisterNames() { RegisterChaosNames(K1M1_Type, "Chaotic Fx 1 A", "K1M1", P_K1M1); }

void K1M1_SetDefaults(int Instance) { SetChaos1Defaults(Instance, 150, 250, 5, 920); }

void K1M1_SetRanges(int Instance) { SetChaos1Ranges(Instance); }

void K1M1_Execute() {
  ShowProgress(RunningInstance, K1M1_Type);
  K1M1Work = ReadChaosWork1(RunningInstance);
  K1M1_Run();
}

void K1M1_Run() {
  K1M1_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K1M1_Compute() { ChaosCloud1<K1M1Map>(K1M1Work); }

}  // namespace quillon
