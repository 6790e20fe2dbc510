// The screen cursor. A long computation runs under the wait cursor, the only
// sign of work besides the status texts.
#pragma once

namespace quillon {

enum class TCursor { Default, HourGlass };

// The cursor currently shown.
TCursor ScreenCursor();
void SetScreenCursor(TCursor Cursor);

// Shows the wait cursor for its lifetime and then puts back the cursor it
// found, also when the work inside raises an error.
class TWaitCursor {
 public:
  TWaitCursor();
  ~TWaitCursor();
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  TCursor saved_;
};

}  // namespace quillon
