// Forms of the widget kit: a window with its geometry, caption and
// visibility, a creation handler run once when the form is made and an
// activation handler run every time it becomes the active window.
//
// A form class derives from TForm, holds its controls as members and wires
// its handlers in its constructor; the form object is made with
// CreateForm(Ref), which runs the creation handler (see Prm_ units).
#pragma once

#include <memory>
#include <string>

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
