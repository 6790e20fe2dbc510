// The controls of the widget kit. Each keeps the properties a form reads or
// writes; the methods named after a person's action (Click, MouseDown,
// Exit, Select, Scroll, ...) run the control's handler through the event
// dispatcher, exactly as a person's action would. Setting a property from code
// never runs a handler, so a form that loads its controls does not trigger
// its own change handlers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/widgets/Canvas.h"
#include "shell/widgets/Events.h"

namespace quillon {

class TControl {
 public:
  virtual ~TControl() = default;
  std::string Name;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  std::string Hint;
};

// An image with a pixel canvas of Width x Height pixels.
class TImage : public TControl {
 public:
  TImage() = default;
  TImage(int AWidth, int AHeight) {
    Width = AWidth;
    Height = AHeight;
  }
  // The canvas, brought to the control's Width x Height when they changed
  // (pixels that stay keep their colour, new ones are white).
  TCanvas& Canvas();

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  // A person's mouse over the image, at canvas pixel (X, Y). For a move,
  // Button is the button held down (None when no button is).
  void MouseDown(TMouseButton Button, int X, int Y);
  void MouseMove(TMouseButton Button, int X, int Y);
  void MouseUp(TMouseButton Button, int X, int Y);

 private:
  TCanvas canvas_;
};

class TEdit : public TControl {
 public:
  std::string Text;
  TNotifyEvent OnExit;
  // A person leaves the box.
  void Exit();
  // A person replaces the text and leaves the box.
  void TypeAndLeave(const std::string& AText);
};

class TLabel : public TControl {
 public:
  std::string Caption;
  int32_t Color = clCream;    // background
  int32_t FontColor = clBlack;
  bool FontBold = false;
  TNotifyEvent OnClick;
  void Click();
};

class TPanel : public TControl {
 public:
  std::string Caption;
  int32_t Color = clCream;
  TNotifyEvent OnClick;
  void Click();
};

class TButton : public TControl {
 public:
  std::string Caption;
  TNotifyEvent OnClick;
  void Click();
};

// A combo box with an edit part: the item index is -1 when no item is chosen,
// also when the text typed into it matches no item exactly.
class TComboBox : public TControl {
 public:
  std::vector<std::string> Items;
  int ItemIndex() const { return itemIndex_; }
  // Chooses item Index (its text shows); any index outside the items chooses none.
  void SetItemIndex(int Index);
  const std::string& Text() const { return text_; }
  // Sets the text; the item index becomes that of the first item equal to it, or -1.
  void SetText(const std::string& AText);

  TNotifyEvent OnChange;
  // A person picks item Index from the list.
  void Select(int Index);
  // A person types a text into the box.
  void TypeText(const std::string& AText);

 private:
  int itemIndex_ = -1;
  std::string text_;
};

class TListBox : public TControl {
 public:
  std::vector<std::string> Items;
  int ItemIndex = -1;  // -1 = no item selected
  TNotifyEvent OnClick;
  // A person clicks item Index (selecting it).
  void ClickItem(int Index);
  // A person clicks the box without changing the selection.
  void Click();
};

// A scroll bar: Position always lies within Min..Max. Setting Min above Max
// lifts Max to it, setting Max below Min lowers Min to it, and the position
// follows into the new range.
class TScrollBar : public TControl {
 public:
  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  int32_t Position() const { return position_; }
  void SetMin(int32_t Value);
  void SetMax(int32_t Value);
  void SetPosition(int32_t Value);

  TNotifyEvent OnChange;
  // A person moves the thumb to Position (kept within Min..Max).
  void Scroll(int32_t APosition);

 private:
  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t position_ = 0;
};

}  // namespace quillon
