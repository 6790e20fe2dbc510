// Progress texts of the running module in the module window's status bar.
#pragma once

#include <string>

namespace quillon {

// Panel 1 := "(" + Instance + ") " + TypeName[Type]; repainted at once.
void ShowProgress(int Instance, int Type);
// Panel 1 := "(" + Instance + ") " + TypeName[Type] + " [phase " + Phase + "]"; repainted at once.
void ShowProgressPhase(int Instance, int Type, int Phase);
// Panel 1 := "(" + Instance + Text, a module's own literal such as ") Swimming Pool".
void ShowProgressText(int Instance, const std::string& Text);

}  // namespace quillon
