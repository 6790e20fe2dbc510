#include "shell/FormBindings.h"

#include <string>

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "shell/Main.h"
#include "shell/Sliders.h"

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
  Edit->Text = std::to_string(Value);
  Drag = false;
  DrawSlider(*Image, Min, Max, Value);
}

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
  Value = SelectedInstance().ParamValue[Param];
  SplitValue(Value, UnitsValue, HundredsValue);
  Position = ScaledPosition(HundredsValue, Step);
  DragUnits = DragHundreds = false;
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

void Place(TControl& Control, int Left, int Top, int Width, int Height) {
  Control.Left = Left;
  Control.Top = Top;
  Control.Width = Width;
  Control.Height = Height;
}

}  // namespace quillon
