// The pieces every parameter form is assembled from: sliders bound to a
// parameter of the selected instance, help labels, and the form's placement.
// A binding keeps the slider's state (value, bounds, drag flag) and wires the
// image and edit handlers; its handlers store each change into
// ModuleParams[CurrentInstance] at once and leave TextureDirty as it is.
#pragma once

#include <cstdint>

#include "shell/Help.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

struct T_Prm_Module_Synthe;

// The instance the parameter forms edit: ModuleParams[CurrentInstance].
T_Prm_Module_Synthe& SelectedInstance();

// A plain slider (one pixel per unit) with its edit box, bounded by the
// parameter's range.
struct TParamSlider {
  int Param = 0;
  TImage* Image = nullptr;
  TEdit* Edit = nullptr;
  int32_t Value = 0, Min = 0, Max = 0;
  bool Drag = false;

  // Mouse down starts a drag within 5 pixels of the marker, a move while
  // dragging sets and stores the value, mouse up ends the drag; leaving the
  // edit clamps its number to the range and stores it.
  void Wire();
  // Value and range from the selected instance; the edit shows the value, the
  // drag flag is cleared and the slider drawn.
  void Load();
  // The edit shows the value and the slider is drawn.
  void Draw();
};

// A row of boxes for a small choice, bounded by the parameter's range.
struct TParamBoxes {
  int Param = 0;
  TImage* Image = nullptr;
  int32_t Value = 0, Min = 0, Max = 0;

  // Mouse down picks the box under the pointer (ListBoxClick) and stores the
  // value.
  void Wire();
  // Value and range from the selected instance; the boxes are drawn.
  void Load();
  void Draw();
};

// A colour panel showing colour parameter Slot of the selected instance; a
// click opens the colour dialog (PickColorParam, which marks the texture
// changed).
struct TParamColorPanel {
  int Slot = 0;
  TPanel* Panel = nullptr;

  void Wire();
  void Load();
};

// A two-bar slider of a value split into units (a plain slider 0..99) and
// hundreds (a scaled slider of 0..MaxHundreds, Step pixels per hundred, with
// a centre tick when TickMode is 2). The value is kept within FormMin..FormMax
// when the form sets its own limits, else within the parameter's range.
struct TParamSplitSlider {
  int Param = 0;
  TImage* Units = nullptr;
  TImage* Hundreds = nullptr;
  TEdit* Edit = nullptr;
  int32_t MaxHundreds = 0, Step = 1, TickMode = 1;
  bool FormLimits = false;
  int32_t FormMin = 0, FormMax = 0;
  // When set, Load takes MaxHundreds from the parameter's maximum: the
  // hundreds of maximum - maximum mod 100.
  bool HundredsFromRange = false;
  int32_t Value = 0, UnitsValue = 0, HundredsValue = 0, Position = 0;
  bool DragUnits = false, DragHundreds = false;

  // Dragging either marker recombines the value (SetSplitValue within the
  // limits); leaving the edit takes its number within the limits; either way
  // both bars are redrawn, the edit shows the value and it is stored.
  void Wire();
  void Load();
  void Draw();
  void Limits(int32_t& Min, int32_t& Max) const;
};

// A range bar of a (minimum, maximum) pair: parameters Param and Param + 1,
// bounded by the range of Param. Dragging a marker (the nearer one within 5
// pixels) or leaving either edit keeps Low <= High, redraws the bar and
// stores both values.
struct TParamRangeBar {
  int Param = 0;
  TImage* Bar = nullptr;
  TEdit* LowEdit = nullptr;
  TEdit* HighEdit = nullptr;
  int32_t Low = 0, High = 0;
  int Which = 0;  // the marker being dragged: 0 none, 1 low, 2 high

  void Wire();
  // Both values from the selected instance, the edits, the bar.
  void Load();
  // The edits and the bar from the two values.
  void Draw();
};

// A scaled slider of Step pixels per unit above the parameter's minimum,
// bounded by the parameter's range, with its edit box: the value is
// Round(marker position / Step) + minimum. With SnapOnRelease the marker
// moves to the value's own position when the mouse button is released;
// otherwise it stays where it was dragged.
struct TParamScaledSlider {
  int Param = 0;
  TImage* Bar = nullptr;
  TEdit* Edit = nullptr;
  int32_t Step = 1;
  bool SnapOnRelease = false;
  // The marker may be dragged this many pixels past the position of the
  // maximum, (maximum - minimum) * Step; most forms allow 1.
  int32_t ExtraPixels = 0;
  int32_t Value = 0, Position = 0;
  bool Drag = false;

  void Wire();
  // Value from the selected instance; marker at (value - minimum) * Step.
  void Load();
  void Draw();
};

// A click on Label calls a shared help setter (shell/Help.h) on Aide.
void HelpOnClick(TLabel& Label, TLabel& Aide, void (*Setter)(TLabel&));
// A click on Label shows the form's own help text in Aide (ShowHelpText).
void HelpOnClick(TLabel& Label, TLabel& Aide, const char* English, const char* French);

// Centres the form over the main window:
// Left := Round(main Left + main Width / 2 - Width / 2), Top likewise.
void CentreOverMainWindow(TForm& Form);

// Moves the form to the left of the module window when the two would
// overlap: Left := module window Left - (Width + 10) when the module window's
// Left < Left + Width + Margin (one form keeps a margin of 10).
void MoveLeftOfModuleWindow(TForm& Form, int Margin = 0);

// Places a control.
void Place(TControl& Control, int Left, int Top, int Width, int Height);

// Panel layout shared by the parameter forms. A label is 110 x 14 pixels
// (or as wide as the form asks) with its caption; a panel's edit stands 112
// pixels right of its label, on the panel's first row, and its bars below.
// Each panel moves Top to the top of the next one.
void PlaceLabel(TLabel& Label, const char* Caption, int Left, int Top, int Width = 110);
// A range bar: low label and edit at the left, high label and edit at the
// right, then the colour picture and the bar under it.
void PlaceRangePanel(int& Top, TLabel& LowLabel, const char* LowText, TEdit& LowEdit, TLabel& HighLabel,
                     const char* HighText, TEdit& HighEdit, TImage& Picture, TImage& Bar);
// A slider: label and edit, the bar under them.
void PlaceSliderPanel(int& Top, int Left, TLabel& Label, const char* Text, TEdit& Edit, TImage& Bar);
// A two-bar slider: label and edit, the units bar and the hundreds bar side
// by side under them.
void PlaceSplitPanel(int& Top, int Left, TLabel& Label, const char* Text, TEdit& Edit, TImage& Units,
                     TImage& Hundreds);

}  // namespace quillon
