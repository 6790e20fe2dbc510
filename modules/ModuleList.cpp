// The list of every module unit of the system. A module type joins the
// catalog by adding its include and its line below, in its own group.
#include "engine/Startup.h"

// Composite textures
// (includes)

// Chaotic functions
// (includes)

namespace quillon {

const std::vector<ModuleUnit>& ModuleUnits() {
  static const std::vector<ModuleUnit> units = {
      // Composite textures

      // Region-growing texture

      // Chaotic functions, one modifier

      // Chaotic functions, two modifiers

  };
  return units;
}

}  // namespace quillon
