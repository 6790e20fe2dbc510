#include "shell/widgets/Form.h"

#include <map>

namespace quillon {

namespace {
TForm* ActiveOne = nullptr;

std::map<const void*, std::unique_ptr<TForm>>& OwnedForms() {
  static std::map<const void*, std::unique_ptr<TForm>> forms;
  return forms;
}
}  // namespace

TForm* ActiveForm() { return ActiveOne; }

void TForm::Show() {
  Visible = true;
  Activate();
}

void TForm::Hide() {
  Visible = false;
  if (ActiveOne == this) ActiveOne = nullptr;
}

void TForm::Close() { Hide(); }

void TForm::Activate() {
  if (ActiveOne == this) return;
  ActiveOne = this;
  DispatchEvent(OnActivate);
}

bool TForm::Active() const { return ActiveOne == this; }

void TForm::Create() { DispatchEvent(OnCreate); }

namespace detail {
void AdoptForm(const void* Key, std::unique_ptr<TForm> Form) {
  std::unique_ptr<TForm>& slot = OwnedForms()[Key];
  if (slot && ActiveOne == slot.get()) ActiveOne = nullptr;
  slot = std::move(Form);
}
}  // namespace detail

}  // namespace quillon
