// The main window. The parameter forms place themselves by its geometry when
// they are created.
#pragma once

#include "shell/widgets/Form.h"

namespace quillon {

class TForm1 : public TForm {
 public:
  TForm1();
};

// The main window; set before start-up to a window of the start-up geometry,
// so forms made by tests without a start-up find it too.
extern TForm1* Form1;

}  // namespace quillon
