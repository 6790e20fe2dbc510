// Forms of the widget kit: a window with its geometry, caption and
// visibility, a creation handler run once when the form is made and an
// activation handler run every time it becomes the active window.
//
// A form class derives from TForm, holds its controls as members and wires
// its handlers in its constructor; the form object is made with
// CreateForm(Ref), which runs the creation handler. A parameter form:
//
//   class TP_T001 : public TForm {
//    public:
//     TP_T001() {
//       Caption = "Textures > Misc > Red Swimming Pool";
//       Width = 398; Height = 504; StayOnTop = true;
//       Slider.Param = 1; Slider.Image = &Img_V1; Slider.Edit = &Ed_V1;
//       Slider.Wire();                                     // the image and edit handlers
//       OnCreate = [this] { CentreOverMainWindow(*this); };
//       OnActivate = [this] { /* help text */ Slider.Load(); };
//     }
//     TImage Img_V1{380, 10};
//     TEdit Ed_V1;
//     TParamSlider Slider;                                 // shell/FormBindings.h
//     ...
//   };
//   TP_T001* P_T001 = nullptr;
//   void Prm_T001_CreateForm() { CreateForm(P_T001); }   // ModuleUnit::CreateForm
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "shell/widgets/Events.h"

namespace quillon {

class TForm {
 public:
  virtual ~TForm() = default;

  std::string Name;
  std::string Caption;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool StayOnTop = false;  // "always on top"
  bool Visible = false;    // forms are made hidden

  // A parameter form's caption of each value it edits, as a person reads it
  // beside the control: parameter k (1..33) and colour parameter k (1..5).
  // The command line lists them with the module's parameters.
  std::map<int, std::string> ParamCaptions;
  std::map<int, std::string> ColorCaptions;
  // The values a control offers where they differ from the parameter's
  // stored range: a list's item indexes, a slider with limits of its own.
  std::map<int, std::pair<int32_t, int32_t>> ParamLimits;

  TNotifyEvent OnCreate;
  TNotifyEvent OnActivate;

  // Makes the form visible and active (the activation handler runs when it
  // was not the active form).
  void Show();
  // Hides the form; it is no longer the active one.
  void Hide();
  // Closes the form: it is hidden and stays in memory for the next Show.
  void Close();
  // The form becomes the active window: its activation handler runs unless
  // it already was the active one.
  void Activate();
  bool Active() const;

  // Runs the creation handler (CreateForm does this once per form made).
  void Create();
};

// The active form, null when none.
TForm* ActiveForm();

namespace detail {
// Keeps Form alive as the form made through the reference Key, freeing the
// form made before through that reference.
void AdoptForm(const void* Key, std::unique_ptr<TForm> Form);
}  // namespace detail

// Makes a form of class F, stores it in Ref and runs its creation handler.
// Made again through the same reference (a second start-up in the tests),
// the new form replaces and frees the previous one.
template <class F>
void CreateForm(F*& Ref) {
  auto form = std::make_unique<F>();
  F* made = form.get();
  detail::AdoptForm(&Ref, std::move(form));
  Ref = made;
  made->Create();
}

}  // namespace quillon
