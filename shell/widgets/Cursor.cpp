#include "shell/widgets/Cursor.h"

namespace quillon {

namespace {
TCursor Current = TCursor::Default;
}

TCursor ScreenCursor() { return Current; }
void SetScreenCursor(TCursor Cursor) { Current = Cursor; }

TWaitCursor::TWaitCursor() : saved_(Current) { Current = TCursor::HourGlass; }
TWaitCursor::~TWaitCursor() { Current = saved_; }

}  // namespace quillon
