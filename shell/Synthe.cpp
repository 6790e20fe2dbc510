#include "shell/Synthe.h"

namespace quillon {

namespace {
TF_Synthe ModuleWindow;
}
TF_Synthe* F_Synthe = &ModuleWindow;

}  // namespace quillon
