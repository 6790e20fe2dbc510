// The one event dispatcher of the widget kit. Every user action on a control
// (a click, a mouse press, leaving an edit box, choosing a menu item, a form
// becoming active) runs its handler through DispatchEvent: an error raised
// inside the handler ends that event's work and is shown as a message box with
// the application title, the error's message and a stop icon, and the program
// carries on with the next event. Handlers are plain std::function values; an
// empty handler does nothing.
#pragma once

#include <functional>

namespace quillon {

enum class TMouseButton { None, Left, Right, Middle };

using TNotifyEvent = std::function<void()>;
using TMouseEvent = std::function<void(TMouseButton Button, int X, int Y)>;

// Runs Handler; returns false when it raised an error (already shown).
bool DispatchEvent(const std::function<void()>& Handler);

}  // namespace quillon
