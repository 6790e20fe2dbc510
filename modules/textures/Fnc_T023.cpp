#include "modules/textures/Fnc_T023.h"

#include <algorithm>

#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "engine/WorkBound.h"
#include "modules/filters/ColorBalance.h"
#include "modules/filters/OffsetEffect.h"
#include "modules/filters/RotationalSampling.h"
#include "modules/generators/Pls1.h"
#include "modules/textures/PhaseChain.h"
#include "modules/textures/Prm_T023.h"
#include "shell/Progress.h"

namespace quillon {

TT023Work T023Work;

namespace {

// The last phase only shows its mark: the texture is finished by then.
void MarkOnly() {}

}  // namespace

int32_t T023_BaseBlobCount(int64_t Area) {
  // Smallest area of each count from 4 blobs on.
  static constexpr int64_t from[] = {41000, 66000, 164000, 263000, 459000, 657000, 852000};
  int32_t count = 3;
  for (int64_t a : from)
    if (Area >= a) ++count;
  return count;
}

int32_t T023_WideRing(int32_t Width) { return ClampToInt32(Round(Width / 2.56789L)); }
int32_t T023_NarrowRing(int32_t Width) { return ClampToInt32(Round(Width / 7.6543L)); }

void T023_RegisterProcs() {
  StoreTypeProcs(T023_Type, T023_SetDefaults, T023_SetRanges, T023_Execute);
  StoreTypeWorkBound(T023_Type, &T023_WorkBound);
}

void T023_RegisterNames() { StoreTypeNames(T023_Type, "Inside The Body", "T023", 1, P_T023); }

void T023_SetDefaults(int Instance) {
  ClearValues(Instance);
  ModuleParams[Instance].ParamValue[1] = 0;
  ModuleParams[Instance].ParamValue[2] = 0;
}

void T023_SetRanges(int Instance) {
  ClearRanges(Instance);
  SetParamRange(Instance, 1, 0, 100);
  SetParamRange(Instance, 2, 0, 1550);
}

void T023_Execute() {
  ShowProgress(RunningInstance, T023_Type);
  const auto& p = ModuleParams[RunningInstance].ParamValue;
  T023Work = {p[1], p[2]};
  T023_Compute();
}

// The work of a render: the passes over the picture, a unit a pixel, and the
// blobs, each three cones of radius 60 to 120 drawn whatever the picture's
// size, which take as long as about 7000 pixels of the passes.
double T023_WorkCount(const ParamValues& p, int Width, int Height) {
  const double blobs = T023_BaseBlobCount(static_cast<int64_t>(Width) * Height) + static_cast<double>(p[1]);
  return static_cast<double>(Width) * Height + std::max(0.0, blobs) * 7000;
}
const TWorkBound T023_WorkBound{T023_WorkCount, {{1, 100}}};

void T023_Compute() {
  const TT023Work& w = T023Work;
  const int32_t blobs =
      ClampToInt32(T023_BaseBlobCount(static_cast<int64_t>(ImageWidth) * ImageHeight) + static_cast<int64_t>(w.Density));
  const int32_t wide = T023_WideRing(ImageWidth), narrow = T023_NarrowRing(ImageWidth);
  // The rings sample at the width's distance also vertically; the filter
  // wraps every sample modulo the picture's side, so a wide and low picture
  // is sampled inside it too.
  RunPhaseChain(T023_Type,
                {
                    {Fill(PLS1Work, {100, 80, 60, 120, 100, 80, 10, 10, 10, 0, 0, 0, 15, blobs, w.Seed}), PLS1_Compute,
                     {}, AfterPhase::Copy, {}, ""},
                    {Fill(FXC1Work, {0, 1, wide, 0, 3, 1, wide, 0, 3, 1, wide, 0, 3}), FXC1_Compute, {},
                     AfterPhase::Nothing, {}, ""},
                    {Fill(FXC1Work, {0, 1, narrow, 0, 3, 1, narrow, 0, 3, 1, narrow, 0, 3}), FXC1_Compute, {},
                     AfterPhase::Nothing, {}, ""},
                    {Fill(BLCLWork, {100, 0, -100}), BLCL_Run, {}, AfterPhase::Nothing, {}, ""},
                    {Fill(COL1Work, {1, -1, 4}), COL1_Compute, {}, AfterPhase::Nothing, {}, ""},
                    {nullptr, MarkOnly, {}, AfterPhase::Nothing, {}, ""},
                });
}

}  // namespace quillon
