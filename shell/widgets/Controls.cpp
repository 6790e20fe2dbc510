#include "shell/widgets/Controls.h"

#include <algorithm>

namespace quillon {

TCanvas& TImage::Canvas() {
  if (canvas_.Width() != Width || canvas_.Height() != Height) canvas_.Resize(Width, Height, clWhite);
  return canvas_;
}

void TImage::MouseDown(TMouseButton Button, int X, int Y) {
  if (OnMouseDown) DispatchEvent([&] { OnMouseDown(Button, X, Y); });
}
void TImage::MouseMove(TMouseButton Button, int X, int Y) {
  if (OnMouseMove) DispatchEvent([&] { OnMouseMove(Button, X, Y); });
}
void TImage::MouseUp(TMouseButton Button, int X, int Y) {
  if (OnMouseUp) DispatchEvent([&] { OnMouseUp(Button, X, Y); });
}

void TEdit::Exit() { DispatchEvent(OnExit); }
void TEdit::TypeAndLeave(const std::string& AText) {
  Text = AText;
  Exit();
}

void TLabel::Click() { DispatchEvent(OnClick); }
void TPanel::Click() { DispatchEvent(OnClick); }
void TButton::Click() { DispatchEvent(OnClick); }

void TComboBox::SetItemIndex(int Index) {
  if (Index < 0 || static_cast<size_t>(Index) >= Items.size()) {
    itemIndex_ = -1;
    text_.clear();
    return;
  }
  itemIndex_ = Index;
  text_ = Items[static_cast<size_t>(Index)];
}

void TComboBox::SetText(const std::string& AText) {
  text_ = AText;
  auto it = std::find(Items.begin(), Items.end(), AText);
  itemIndex_ = it == Items.end() ? -1 : static_cast<int>(it - Items.begin());
}

void TComboBox::Select(int Index) {
  SetItemIndex(Index);
  DispatchEvent(OnChange);
}

void TComboBox::TypeText(const std::string& AText) {
  SetText(AText);
  DispatchEvent(OnChange);
}

void TListBox::ClickItem(int Index) {
  ItemIndex = (Index < 0 || static_cast<size_t>(Index) >= Items.size()) ? -1 : Index;
  Click();
}
void TListBox::Click() { DispatchEvent(OnClick); }

void TScrollBar::SetMin(int32_t Value) {
  min_ = Value;
  if (max_ < min_) max_ = min_;
  position_ = std::clamp(position_, min_, max_);
}
void TScrollBar::SetMax(int32_t Value) {
  max_ = Value;
  if (min_ > max_) min_ = max_;
  position_ = std::clamp(position_, min_, max_);
}
void TScrollBar::SetPosition(int32_t Value) { position_ = std::clamp(Value, min_, max_); }

void TScrollBar::Scroll(int32_t APosition) {
  SetPosition(APosition);
  DispatchEvent(OnChange);
}

}  // namespace quillon
