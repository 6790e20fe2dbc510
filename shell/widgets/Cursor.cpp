#include "shell/widgets/Cursor.h"

namespace quillon {

namespace {
TCursor Current = TCursor::Default;
TCursor Saved = TCursor::Default;
int WaitDepth = 0;
}  // namespace

TCursor ScreenCursor() { return Current; }
void SetScreenCursor(TCursor Cursor) { Current = Cursor; }

void BeginWaitCursor() {
  if (WaitDepth++ == 0) Saved = Current;
  Current = TCursor::HourGlass;
}

void EndWaitCursor() {
  if (WaitDepth > 0 && --WaitDepth == 0) Current = Saved;
}

}  // namespace quillon
