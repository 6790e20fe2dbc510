#include "modules/textures/PhaseChain.h"

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Random.h"
#include "shell/Progress.h"

namespace quillon {

TBlendParams ComposeWith(int32_t Space, double ResultWeight, double CurrentWeight, int32_t F1, int32_t F2,
                         int32_t F3, int32_t TransparencyColor, uint8_t ApplyTransparency) {
  TBlendParams b;
  b.BlendSpace = Space;
  b.ResultWeight = ResultWeight;
  b.CurrentWeight = CurrentWeight;
  b.TransparencyColor = TransparencyColor;
  b.ApplyTransparency = ApplyTransparency;
  b.Function[0] = F1;
  b.Function[1] = F2;
  b.Function[2] = F3;
  return b;
}

void RunPhaseChain(int Type, const std::vector<Phase>& Phases) {
  SaveResultToBackup();
  try {
    int k = 0;
    for (const Phase& p : Phases) {
      ++k;
      if (p.Status.empty())
        ShowProgressPhase(RunningInstance, Type, k);
      else
        ShowProgressText(RunningInstance, p.Status);
      if (p.Seed) RandomSeed = *p.Seed;
      if (p.FillWork) p.FillWork();
      p.Operation();
      if (p.After == AfterPhase::Copy) {
        CopyCurrentToResult();
      } else if (p.After == AfterPhase::Compose) {
        BlendParams = p.Compose;
        BlendCurrentIntoResult();
      }
    }
  } catch (...) {
    // The work image is the borrowed result layer: give it back before the
    // error ends the computation.
    RestoreResultFromBackup();
    throw;
  }
  CopyResultToCurrent();
  RestoreResultFromBackup();
}

}  // namespace quillon
