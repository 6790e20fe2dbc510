// Start-up of the engine: the module catalog is filled by every module unit's
// registration routines, in the program's order.
#pragma once

#include <vector>

namespace quillon {

// One module type's registration routines. CreateForm (may be null) creates
// the type's parameter form; the shell calls it at start-up before the
// engine's registration, so RegisterNames can store the form.
struct ModuleUnit {
  void (*RegisterProcs)();
  void (*RegisterNames)();
  void (*CreateForm)();
};

// Every module unit of the system; the list lives in modules/ModuleList.cpp.
// A module type joins the system by adding its line there.
const std::vector<ModuleUnit>& ModuleUnits();

// Every unit's RegisterProcs, then the start-up globals, then every unit's
// RegisterNames.
void StartEngine();

// The start-up globals: no instance, no selection, picture 256 x 256,
// English, texture name "No Name", both random states seeded from the
// milliseconds since midnight (and the shuffle table filled), every type
// drawn with the normal glyphs.
void SetStartupGlobals();

// Back to the start-up state for tests: the catalog cleared and filled again,
// the chain emptied, the image store, the neighbour list and the colour walk
// zeroed, the headless messages cleared, the start-up globals set. The user
// interface hooks stay as they are.
void ResetEngine();

}  // namespace quillon
