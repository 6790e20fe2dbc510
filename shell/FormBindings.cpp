#include "shell/FormBindings.h"

#include <string>

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "shell/Main.h"
#include "shell/ParamControls.h"
#include "shell/Sliders.h"
#include "shell/Synthe.h"

namespace quillon {

T_Prm_Module_Synthe& SelectedInstance() { return ModuleParams[CurrentInstance]; }

void TParamSlider::Wire() {
  Image->OnMouseDown = [this](TMouseButton, int X, int) { Drag = SliderHit(X, Value, Min); };
  Image->OnMouseMove = [this](TMouseButton, int X, int) {
    if (!Drag) return;
    SliderMouse(*Image, *Edit, Value, Min, Max, 1, X);
    SelectedInstance().ParamValue[Param] = Value;
  };
  Image->OnMouseUp = [this](TMouseButton, int, int) { Drag = false; };
  Edit->OnExit = [this] {
    EditToSlider(*Image, *Edit, Value, Min, Max);
    SelectedInstance().ParamValue[Param] = Value;
  };
}

void TParamSlider::Load() {
  Value = SelectedInstance().ParamValue[Param];
  Min = SelectedInstance().ParamMin[Param];
  Max = SelectedInstance().ParamMax[Param];
  Drag = false;
  Draw();
}

void TParamSlider::Draw() {
  Edit->Text = std::to_string(Value);
  DrawSlider(*Image, Min, Max, Value);
}

void TParamBoxes::Wire() {
  Image->OnMouseDown = [this](TMouseButton, int X, int) {
    ListBoxClick(*Image, X, Value, Min, Max);
    SelectedInstance().ParamValue[Param] = Value;
  };
}

void TParamBoxes::Load() {
  Value = SelectedInstance().ParamValue[Param];
  Min = SelectedInstance().ParamMin[Param];
  Max = SelectedInstance().ParamMax[Param];
  Draw();
}

void TParamBoxes::Draw() { DrawListBoxes(*Image, Value, Min, Max); }
void TParamColorPanel::Wire() {
  Panel->OnClick = [this] { PickColorParam(CurrentInstance, Slot, *Panel); };
}

void TParamColorPanel::Load() { ShowColorParam(CurrentInstance, Slot, *Panel); }

void TParamSplitSlider::Limits(int32_t& Min, int32_t& Max) const {
  Min = FormLimits ? FormMin : SelectedInstance().ParamMin[Param];
  Max = FormLimits ? FormMax : SelectedInstance().ParamMax[Param];
}

void TParamSplitSlider::Draw() {
  DrawSlider(*Units, 0, 99, UnitsValue);
  DrawScaledSlider(*Hundreds, 0, MaxHundreds, HundredsValue, Position, Step, TickMode);
}

void TParamSplitSlider::Wire() {
  // After either bar moves, units and hundreds are joined into the value,
  // kept within the limits and split again, so both markers show the value.
  auto settle = [this] {
    int32_t min, max;
    Limits(min, max);
    SetSplitValue(Value, UnitsValue, HundredsValue, Position, min, max, 0, Step);
    Draw();
    Edit->Text = std::to_string(Value);
    SelectedInstance().ParamValue[Param] = Value;
  };
  Units->OnMouseDown = [this](TMouseButton, int X, int) { DragUnits = SliderHit(X, UnitsValue, 0); };
  Units->OnMouseMove = [this, settle](TMouseButton, int X, int) {
    if (!DragUnits) return;
    SliderMouse(*Units, *Edit, UnitsValue, 0, 99, 1, X);
    settle();
  };
  Units->OnMouseUp = [this](TMouseButton, int, int) { DragUnits = false; };
  Hundreds->OnMouseDown = [this](TMouseButton, int X, int) { DragHundreds = ScaledSliderHit(*Hundreds, Position, X); };
  Hundreds->OnMouseMove = [this, settle](TMouseButton, int X, int) {
    if (!DragHundreds) return;
    ScaledSliderMouse(*Hundreds, Position, ScaledPosition(MaxHundreds, Step), 1, X);
    // The marker snaps to the nearest hundred.
    HundredsValue = static_cast<int32_t>(Round(static_cast<Real>(Position) / (Step == 0 ? 1 : Step)));
    settle();
  };
  Hundreds->OnMouseUp = [this](TMouseButton, int, int) { DragHundreds = false; };
  Edit->OnExit = [this] {
    // The typed number, kept within the limits, gives units and hundreds (a
    // number in range is its own split; one outside is not split first, so
    // -3 becomes the lower limit rather than 3).
    int32_t min, max;
    Limits(min, max);
    EditClamp(*Units, *Edit, Value, min, max);
    SplitValue(Value, UnitsValue, HundredsValue);
    Position = ScaledPosition(HundredsValue, Step);
    Draw();
    SelectedInstance().ParamValue[Param] = Value;
  };
}

void TParamSplitSlider::Load() {
  if (HundredsFromRange) {
    int32_t units;
    SplitValue(SelectedInstance().ParamMax[Param], units, MaxHundreds);
  }
  Value = SelectedInstance().ParamValue[Param];
  SplitValue(Value, UnitsValue, HundredsValue);
  Position = ScaledPosition(HundredsValue, Step);
  DragUnits = DragHundreds = false;
  Edit->Text = std::to_string(Value);
  Draw();
}

namespace {
int32_t ParamLow(int Param) { return SelectedInstance().ParamMin[Param]; }
int32_t ParamHigh(int Param) { return SelectedInstance().ParamMax[Param]; }
}  // namespace

void TParamRangeBar::Wire() {
  auto store = [this] {
    SelectedInstance().ParamValue[Param] = Low;
    SelectedInstance().ParamValue[Param + 1] = High;
  };
  Bar->OnMouseDown = [this](TMouseButton, int X, int) { Which = RangeSliderHit(X, Low, High, ParamLow(Param)); };
  Bar->OnMouseMove = [this, store](TMouseButton, int X, int) {
    if (Which == 0) return;
    RangeSliderMouse(*Bar, *LowEdit, Low, ParamLow(Param), *HighEdit, High, ParamHigh(Param), Which, X);
    store();
  };
  Bar->OnMouseUp = [this](TMouseButton, int, int) { Which = 0; };
  LowEdit->OnExit = [this, store] {
    RangeEditLow(*Bar, *LowEdit, Low, *HighEdit, High, ParamLow(Param), ParamHigh(Param));
    store();
  };
  HighEdit->OnExit = [this, store] {
    RangeEditHigh(*Bar, *LowEdit, Low, *HighEdit, High, ParamLow(Param), ParamHigh(Param));
    store();
  };
}

void TParamRangeBar::Load() {
  Low = SelectedInstance().ParamValue[Param];
  High = SelectedInstance().ParamValue[Param + 1];
  Which = 0;
  Draw();
}

void TParamRangeBar::Draw() {
  LowEdit->Text = std::to_string(Low);
  HighEdit->Text = std::to_string(High);
  DrawRangeSlider(*Bar, ParamLow(Param), ParamHigh(Param), Low, High);
}

void TParamScaledSlider::Draw() {
  DrawScaledSlider(*Bar, ParamLow(Param), ParamHigh(Param), 0, Position, Step, 1);
}

void TParamScaledSlider::Wire() {
  Bar->OnMouseDown = [this](TMouseButton, int X, int) { Drag = ScaledSliderHit(*Bar, Position, X); };
  Bar->OnMouseMove = [this](TMouseButton, int X, int) {
    if (!Drag) return;
    const int32_t min = ParamLow(Param);
    const int64_t last = ScaledPosition(static_cast<int64_t>(ParamHigh(Param)) - min, Step);
    ScaledSliderMouse(*Bar, Position, ClampToInt32(last + ExtraPixels), 1, X);
    Value = ClampToInt32(Round(static_cast<Real>(Position) / (Step == 0 ? 1 : Step)) + min);
    Edit->Text = std::to_string(Value);
    SelectedInstance().ParamValue[Param] = Value;
  };
  Bar->OnMouseUp = [this](TMouseButton, int, int) {
    if (Drag && SnapOnRelease) {
      Position = ScaledPosition(static_cast<int64_t>(Value) - ParamLow(Param), Step);
      Draw();
    }
    Drag = false;
  };
  Edit->OnExit = [this] {
    const int32_t min = ParamLow(Param);
    EditClamp(*Bar, *Edit, Value, min, ParamHigh(Param));
    Position = ScaledPosition(static_cast<int64_t>(Value) - min, Step);
    Draw();
    SelectedInstance().ParamValue[Param] = Value;
  };
}

void TParamScaledSlider::Load() {
  Value = SelectedInstance().ParamValue[Param];
  Position = ScaledPosition(static_cast<int64_t>(Value) - ParamLow(Param), Step);
  Drag = false;
  Edit->Text = std::to_string(Value);
  Draw();
}

void HelpOnClick(TLabel& Label, TLabel& Aide, void (*Setter)(TLabel&)) {
  Label.OnClick = [&Aide, Setter] { Setter(Aide); };
}

void HelpOnClick(TLabel& Label, TLabel& Aide, const char* English, const char* French) {
  Label.OnClick = [&Aide, English, French] { ShowHelpText(Aide, English, French); };
}

void CentreOverMainWindow(TForm& Form) {
  Form.Left = static_cast<int>(Round(Form1->Left + Form1->Width / 2.0L - Form.Width / 2.0L));
  Form.Top = static_cast<int>(Round(Form1->Top + Form1->Height / 2.0L - Form.Height / 2.0L));
}

void MoveLeftOfModuleWindow(TForm& Form, int Margin) {
  if (F_Synthe->Left < static_cast<int64_t>(Form.Left) + Form.Width + Margin) Form.Left = F_Synthe->Left - (Form.Width + 10);
}

void Place(TControl& Control, int Left, int Top, int Width, int Height) {
  Control.Left = Left;
  Control.Top = Top;
  Control.Width = Width;
  Control.Height = Height;
}

void PlaceLabel(TLabel& Label, const char* Caption, int Left, int Top, int Width) {
  Label.Caption = Caption;
  Place(Label, Left, Top, Width, 14);
}

void PlaceRangePanel(int& Top, TLabel& LowLabel, const char* LowText, TEdit& LowEdit, TLabel& HighLabel,
                     const char* HighText, TEdit& HighEdit, TImage& Picture, TImage& Bar) {
  PlaceLabel(LowLabel, LowText, 8, Top + 3);
  Place(LowEdit, 120, Top, 40, 20);
  PlaceLabel(HighLabel, HighText, 200, Top + 3);
  Place(HighEdit, 312, Top, 40, 20);
  Place(Picture, 8, Top + 24, Picture.Width, Picture.Height);
  Place(Bar, 8, Top + 24 + Picture.Height, Bar.Width, Bar.Height);
  Top += 24 + Picture.Height + Bar.Height + 10;
}

void PlaceSliderPanel(int& Top, int Left, TLabel& Label, const char* Text, TEdit& Edit, TImage& Bar) {
  PlaceLabel(Label, Text, Left, Top + 3);
  Place(Edit, Left + 112, Top, 40, 20);
  Place(Bar, Left, Top + 24, Bar.Width, Bar.Height);
  Top += 24 + Bar.Height + 10;
}

void PlaceSplitPanel(int& Top, int Left, TLabel& Label, const char* Text, TEdit& Edit, TImage& Units,
                     TImage& Hundreds) {
  PlaceLabel(Label, Text, Left, Top + 3);
  Place(Edit, Left + 112, Top, 40, 20);
  Place(Units, Left, Top + 24, Units.Width, Units.Height);
  Place(Hundreds, Left + Units.Width + 10, Top + 24, Hundreds.Width, Hundreds.Height);
  Top += 24 + Units.Height + 10;
}

}  // namespace quillon
