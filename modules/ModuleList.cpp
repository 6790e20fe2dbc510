// The list of every module unit of the system. A module type joins the
// catalog by adding its include and its line below, in its own group.
#include "engine/Startup.h"

// Composite textures
#include "modules/textures/Fnc_T001.h"
#include "modules/textures/Prm_T001.h"
#include "modules/textures/Fnc_T004.h"
#include "modules/textures/Prm_T004.h"
#include "modules/textures/Fnc_T005.h"
#include "modules/textures/Prm_T005.h"
#include "modules/textures/Fnc_T008.h"
#include "modules/textures/Prm_T008.h"
#include "modules/textures/Fnc_T009.h"
#include "modules/textures/Prm_T009.h"
#include "modules/textures/Fnc_T012.h"
#include "modules/textures/Prm_T012.h"
#include "modules/textures/Fnc_T013.h"
#include "modules/textures/Prm_T013.h"
#include "modules/textures/Fnc_T014.h"
#include "modules/textures/Prm_T014.h"
#include "modules/textures/Fnc_T003.h"
#include "modules/textures/Prm_T003.h"
#include "modules/textures/Fnc_T002.h"
#include "modules/textures/Prm_T002.h"
#include "modules/textures/Fnc_T007.h"
#include "modules/textures/Prm_T007.h"
#include "modules/textures/Fnc_T023.h"
#include "modules/textures/Prm_T023.h"
#include "modules/textures/Fnc_T018.h"
#include "modules/textures/Prm_T018.h"
#include "modules/textures/Fnc_T006.h"
#include "modules/textures/Prm_T006.h"

// Periodic texture pack
#include "modules/textures/Fnc_T015.h"
#include "modules/textures/Fnc_T021.h"
#include "modules/textures/Fnc_T022.h"
#include "modules/textures/Prm_T015.h"
#include "modules/textures/Prm_T021.h"
#include "modules/textures/Prm_T022.h"

// Periodic texture pack 2
#include "modules/textures/Fnc_T010.h"
#include "modules/textures/Fnc_T011.h"
#include "modules/textures/Prm_T010.h"
#include "modules/textures/Prm_T011.h"

// Coral
#include "modules/textures/Fnc_T016.h"
#include "modules/textures/Prm_T016.h"

// Region-growing texture
#include "modules/textures/Fnc_T017.h"
#include "modules/textures/Prm_T017.h"

// Chaotic functions
#include "modules/chaotic/Fnc_K1M1.h"
#include "modules/chaotic/Prm_K1M1.h"
#include "modules/chaotic/Fnc_K1M2.h"
#include "modules/chaotic/Prm_K1M2.h"
#include "modules/chaotic/Fnc_K1M3.h"
#include "modules/chaotic/Prm_K1M3.h"
#include "modules/chaotic/Fnc_K1M4.h"
#include "modules/chaotic/Prm_K1M4.h"
#include "modules/chaotic/Fnc_K2M1.h"
#include "modules/chaotic/Prm_K2M1.h"
#include "modules/chaotic/Fnc_K2M2.h"
#include "modules/chaotic/Prm_K2M2.h"
#include "modules/chaotic/Fnc_K2M3.h"
#include "modules/chaotic/Prm_K2M3.h"
#include "modules/chaotic/Fnc_K2M4.h"
#include "modules/chaotic/Prm_K2M4.h"
#include "modules/chaotic/Fnc_K2M5.h"
#include "modules/chaotic/Prm_K2M5.h"
#include "modules/chaotic/Fnc_K2M6.h"
#include "modules/chaotic/Prm_K2M6.h"

namespace quillon {

const std::vector<ModuleUnit>& ModuleUnits() {
  static const std::vector<ModuleUnit> units = {
      // Composite textures
      {T001_RegisterProcs, T001_RegisterNames, Prm_T001_CreateForm},
      {T004_RegisterProcs, T004_RegisterNames, Prm_T004_CreateForm},
      {T005_RegisterProcs, T005_RegisterNames, Prm_T005_CreateForm},
      {T008_RegisterProcs, T008_RegisterNames, Prm_T008_CreateForm},
      {T009_RegisterProcs, T009_RegisterNames, Prm_T009_CreateForm},
      {T012_RegisterProcs, T012_RegisterNames, Prm_T012_CreateForm},
      {T013_RegisterProcs, T013_RegisterNames, Prm_T013_CreateForm},
      {T014_RegisterProcs, T014_RegisterNames, Prm_T014_CreateForm},
      {T003_RegisterProcs, T003_RegisterNames, Prm_T003_CreateForm},
      {T002_RegisterProcs, T002_RegisterNames, Prm_T002_CreateForm},
      {T007_RegisterProcs, T007_RegisterNames, Prm_T007_CreateForm},
      {T023_RegisterProcs, T023_RegisterNames, Prm_T023_CreateForm},
      {T018_RegisterProcs, T018_RegisterNames, Prm_T018_CreateForm},
      {T006_RegisterProcs, T006_RegisterNames, Prm_T006_CreateForm},

      // Periodic texture pack
      {T021_RegisterProcs, T021_RegisterNames, Prm_T021_CreateForm},
      {T022_RegisterProcs, T022_RegisterNames, Prm_T022_CreateForm},
      {T015_RegisterProcs, T015_RegisterNames, Prm_T015_CreateForm},

      // Periodic texture pack 2
      {T010_RegisterProcs, T010_RegisterNames, Prm_T010_CreateForm},
      {T011_RegisterProcs, T011_RegisterNames, Prm_T011_CreateForm},

      // Coral
      {T016_RegisterProcs, T016_RegisterNames, Prm_T016_CreateForm},

      // Region-growing texture
      {T017_RegisterProcs, T017_RegisterNames, Prm_T017_CreateForm},

      // Chaotic functions, one modifier
      {K1M1_RegisterProcs, K1M1_RegisterNames, Prm_K1M1_CreateForm},
      {K1M2_RegisterProcs, K1M2_RegisterNames, Prm_K1M2_CreateForm},
      {K1M3_RegisterProcs, K1M3_RegisterNames, Prm_K1M3_CreateForm},
      {K1M4_RegisterProcs, K1M4_RegisterNames, Prm_K1M4_CreateForm},

      // Chaotic functions, two modifiers
      {K2M1_RegisterProcs, K2M1_RegisterNames, Prm_K2M1_CreateForm},
      {K2M2_RegisterProcs, K2M2_RegisterNames, Prm_K2M2_CreateForm},
      {K2M3_RegisterProcs, K2M3_RegisterNames, Prm_K2M3_CreateForm},
      {K2M4_RegisterProcs, K2M4_RegisterNames, Prm_K2M4_CreateForm},
      {K2M5_RegisterProcs, K2M5_RegisterNames, Prm_K2M5_CreateForm},
      {K2M6_RegisterProcs, K2M6_RegisterNames, Prm_K2M6_CreateForm},

  };
  return units;
}

}  // namespace quillon
