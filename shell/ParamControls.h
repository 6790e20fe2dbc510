// Binding helpers between a form's controls and the parameters of an
// instance. ScrollParam, EditExitParam, ControlParam and PickColorParam mark
// the texture changed (TextureDirty := 1); the Load / Show helpers do not.
#pragma once

#include <cstdint>
#include <string>

#include "shell/widgets/Controls.h"

namespace quillon {

// The scroll bar's Min, Max and Position := minimum, maximum and value of
// parameter Param of the instance, in this order; the edit shows Position.
void LoadScrollParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar);
// Parameter Param := the scroll bar's Position; the edit shows it; texture changed.
void ScrollParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar);
// The edit's text as an integer (the conversion error before anything
// changes), clamped to the scroll bar's Min..Max, becomes the bar's Position,
// the edit's text and parameter Param; texture changed.
void EditExitParam(int Instance, int Param, TEdit& Edit, TScrollBar& ScrollBar);

// The control's item index := parameter Param of the instance.
void LoadControlParam(int Instance, int Param, TComboBox& Control);
void LoadControlParam(int Instance, int Param, TListBox& Control);
// Parameter Param := the control's item index (-1 for a combo box whose
// typed text matches no item); texture changed.
void ControlParam(int Instance, int Param, TComboBox& Control);
void ControlParam(int Instance, int Param, TListBox& Control);

// The hint text of a colour: "R:" r " G:" g " B:" b.
std::string ColorHint(int32_t Color);
// The panel shows colour parameter Slot (1..5): its colour and its hint.
void ShowColorParam(int Instance, int Slot, TPanel& Panel);
// Opens the colour dialog (starting at the panel's colour); when the user
// confirms, the panel's colour and colour parameter Slot become the chosen
// colour and the hint shows it. The texture is marked changed also when
// the dialog is cancelled.
void PickColorParam(int Instance, int Slot, TPanel& Panel);

}  // namespace quillon
