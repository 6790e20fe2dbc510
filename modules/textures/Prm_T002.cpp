#include "modules/textures/Prm_T002.h"

#include <string>

#include "engine/Instances.h"
#include "shell/FormBindings.h"
#include "shell/Main.h"
#include "shell/ParamControls.h"

namespace quillon {

TP_T002* P_T002 = nullptr;

void Prm_T002_CreateForm() { CreateForm(P_T002); }

TP_T002::TP_T002() {
  Name = "P_T002";
  Caption = "Fx > Textures > Internal Neurons";
  Width = 421;
  Height = 406;
  StayOnTop = true;

  static const char* const captions[Rows] = {
      "X Factor 1", "Y Factor 1",    "X Factor 2",    "Y Factor 2",           "Density 1",
      "Density 2",  "X Effect",      "Y Effect",      "Hue Range",            "Hue Variant 1",
      "Hue Variant 2", "Luminosity Variant 1", "Luminosity Variant 2", "Random Seed"};
  Place(Panel1, 4, 4, 409, 366);
  Lbl_Title.Caption = "Parameters";
  Lbl_Title.FontBold = true;
  Place(Lbl_Title, 12, 8, 120, 16);
  for (int r = 0; r < Rows; ++r) {
    const int k = r + 1;
    const int top = 30 + r * 24;
    Labels[r].Caption = captions[r];
    ParamCaptions[k] = captions[r];
    Place(Labels[r], 12, top + 3, 100, 14);
    ScrollBars[r].Name = "ScrollBar" + std::to_string(k);
    Place(ScrollBars[r], 116, top, 246, 17);
    Edits[r].Name = "Edit" + std::to_string(k);
    Place(Edits[r], 368, top - 2, 36, 21);
    // Both handlers store the value and mark the texture changed.
    ScrollBars[r].OnChange = [this, r, k] { ScrollParam(CurrentInstance, k, Edits[r], ScrollBars[r]); };
    Edits[r].OnExit = [this, r, k] { EditExitParam(CurrentInstance, k, Edits[r], ScrollBars[r]); };
  }

  // The bottom-left corner 4 pixels inside the main window's.
  OnCreate = [this] {
    Left = Form1->Left + 4;
    Top = Form1->Top + Form1->Height - Height - 4;
  };
  OnActivate = [this] {
    for (int r = 0; r < Rows; ++r) LoadScrollParam(CurrentInstance, r + 1, Edits[r], ScrollBars[r]);
  };
}

}  // namespace quillon
