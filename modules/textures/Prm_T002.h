// The parameter form of "Neurone": a plain panel of fourteen rows, each a
// label, a scroll bar and an edit box for parameters 1..14 in turn. Unlike
// the other texture forms its changes mark the texture changed, and it has
// no help text.
#pragma once

#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_T002 : public TForm {
 public:
  static constexpr int Rows = 14;

  TP_T002();

  TPanel Panel1;
  TLabel Lbl_Title;
  // Row k (1..14) edits parameter k: Labels[k - 1], ScrollBars[k - 1]
  // (named "ScrollBar" + k) and Edits[k - 1] (named "Edit" + k).
  TLabel Labels[Rows];
  TScrollBar ScrollBars[Rows];
  TEdit Edits[Rows];
};

extern TP_T002* P_T002;

// Makes the form (ModuleUnit::CreateForm).
void Prm_T002_CreateForm();

}  // namespace quillon
