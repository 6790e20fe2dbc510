#include "modules/chaotic/Fnc_K1M2.h"

#include "engine/Color.h"
#include "modules/chaotic/ChaosModules.h"
#include "modules/chaotic/Prm_K1M2.h"
#include "shell/Progress.h"

namespace quillon {

ChaosWork1 K1M2Work;

namespace {
// x' = (sin(a x) + cos(y + t)) / 2, y' = (sin(y + t) + cos(b x)) / 2.
struct K1M2Map {
  double a, b;
  template <class Trig, class X, class Y>
  [[gnu::always_inline]] auto operator()(Trig& f, X x, Y y, double t) const {
    const auto [first, second] = Evaluate(f, Sines(a * x, y + t), Cosines(y + t, b * x));
    return (first + second) / 2;
  }
};
}  // namespace

// Its work: the most steps, the phase growing by its largest step (still
// short of the sine's careful range after the last).
const TWorkBound K1M2_WorkBound{Chaos1WorkCount, {{4, 200}, {7, 10000}}};

void K1M2_RegisterProcs() {
  StoreTypeProcs(K1M2_Type, K1M2_SetDefaults, K1M2_SetRanges, K1M2_Execute);
  StoreTypeWorkBound(K1M2_Type, &K1M2_WorkBound);
}

void K1M2_RegisterNames() { RegisterChaosNames(K1M2_Type, "Chaotic Fx 1 B", "K1M2", P_K1M2); }

void K1M2_SetDefaults(int Instance) { SetChaos1Defaults(Instance, -560, 540, 3, 910); }

void K1M2_SetRanges(int Instance) { SetChaos1Ranges(Instance); }

void K1M2_Execute() {
  ShowProgress(RunningInstance, K1M2_Type);
  K1M2Work = ReadChaosWork1(RunningInstance);
  K1M2_Run();
}

void K1M2_Run() {
  K1M2_Compute();
  SyncCurrentColorSpace(SpaceHSL);
}

void K1M2_Compute() { ChaosCloud1<K1M2Map>(K1M2Work); }

}  // namespace quillon
