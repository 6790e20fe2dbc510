// The module window: its status bar shows the progress of the chain.
#pragma once

#include "shell/widgets/StatusBar.h"

namespace quillon {

class TF_Synthe {
 public:
  TStatusBar StatusBar1{2};
};

extern TF_Synthe* F_Synthe;

}  // namespace quillon
