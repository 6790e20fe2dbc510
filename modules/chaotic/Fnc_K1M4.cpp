#include "modules/chaotic/Fnc_K1M4.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K1M4.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork1 K1M4Work;

namespace {
// x' = (sin(x + t) + cos(a y)) / 2, y' = (sin(y + t) + cos(b x)) / 2.
struct K1M4Map {
  double a, b;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y, double t) const {
    const auto [first, second] = Evaluate(f, Sines(x + t, y + t), Cosines(a * y, b * x));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps, the phase growing by its largest step (still
// short of the sine's careful range after the last).
const TWorkBound K1M4_WorkBound{Chaos1WorkCount, {{4, 200}, {7, 10000}}};

void K1M4_RegisterProcs() {
  StoreTypeProcs(K1M4_Type, K1M4_SetDefaults, K1M4_SetRanges, K1M4_Execute);
  StoreTypeWorkBound(K1M4_Type, &K1M4_WorkBound);
}

void K1M4_RegisterNames() { RegisterChaosNames(K1M4_Type, "Chaotic Fx 1 D", "K1M4", P_K1M4); }

void K1M4_SetDefaults(int Instance) { SetChaos1Defaults(Instance, 650, -500, 5, 940); }

void K1M4_SetRanges(int Instance) { SetChaos1Ranges(Instance); }

void K1M4_Execute() {
  ShowProgress(RunningInstance, K1M4_Type);
  K1M4Work = ReadChaosWork1(RunningInstance);
  K1M4_Run();
}

void K1M4_Run() {
  K1M4_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K1M4_Compute() { ChaosCloud1<K1M4Map>(K1M4Work); }

}  // namespace quillon
