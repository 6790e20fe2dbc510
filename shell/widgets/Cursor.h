// The screen cursor. A long computation runs under the wait cursor, the only
// sign of work besides the status texts.
#pragma once

namespace quillon {

enum class TCursor { Default, HourGlass };

// The cursor currently shown.
TCursor ScreenCursor();
void SetScreenCursor(TCursor Cursor);

// Shows the wait cursor until the matching EndWaitCursor, which puts back the
// cursor the outermost BeginWaitCursor found. Pairs may nest.
void BeginWaitCursor();
void EndWaitCursor();

}  // namespace quillon
