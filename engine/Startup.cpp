#include "engine/Startup.h"

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "engine/Pixels.h"
#include "engine/Random.h"
#include "engine/UserInterface.h"
#include "engine/WorkBound.h"

namespace quillon {

void SetStartupGlobals() {
  NextInstance = 1;
  CurrentInstance = 0;
  RunningInstance = 0;
  ImageWidth = 256;
  ImageHeight = 256;
  LanguageFlag = 1;
  TextureName = "No Name";
  TextureDirty = 0;
  RandomSeed = MillisecondsSinceMidnight();
  BlendRandomSeed = RandomSeed;
  InitRandom(RandomSeed);
  for (int t = 0; t <= MaxModuleTypes; ++t) TypeNormalGlyphs[t] = 1;
}

void StartEngine() {
  for (const ModuleUnit& u : ModuleUnits())
    if (u.RegisterProcs) u.RegisterProcs();
  SetStartupGlobals();
  for (const ModuleUnit& u : ModuleUnits())
    if (u.RegisterNames) u.RegisterNames();
}

void ResetEngine() {
  for (int t = 0; t <= MaxModuleTypes; ++t) {
    TypeDefaultsProc[t] = nullptr;
    TypeRangesProc[t] = nullptr;
    TypeExecuteProc[t] = nullptr;
    TypeName[t].clear();
    TypeCode[t].clear();
    TypeGenerator[t] = 0;
    TypeForm[t] = nullptr;
    TypeWorkBound[t] = nullptr;
  }
  for (auto& m : ModuleParams) m = T_Prm_Module_Synthe{};
  ClearImageStore();
  for (auto& slot : NeighbourList) slot = NeighbourSlot{};
  ColorWalker = ColorWalkRecord{};
  BlendParams = TBlendParams{};
  BlendFlag = 0;
  ClearHeadlessMessages();
  StartEngine();
}

}  // namespace quillon
