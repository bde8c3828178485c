#pragma once

#include "wexal_export.h"

#include <functional>

class QObject;

// Where a window system delivers a right-button press, Qt follows it, within the same delivery,
// with a context-menu event sent to the raw pointer that received the press. A slot that deletes
// the widget from a signal emitted inside the press would leave Qt delivering that event to freed
// memory. The widgets that announce a right press hand the emit to this mechanism instead: it
// runs at once, unless Qt is in the middle of such a press, in which case it runs just before the
// context-menu event reaches its receiver, and the event is dropped when the receiver is gone.
// So the signal still comes with the press, and nothing touches a widget after its handler ran.
namespace WRightPress {

// Installs the watch over the window system's presses; widgets call it as they are made, so that
// it is in place before their first press. Idempotent.
WEXAL_AUTOTEST_EXPORT void Watch();

// Runs emitSignal now, or as said above. emitSignal is dropped when owner dies first.
WEXAL_AUTOTEST_EXPORT void Emit(QObject* owner, std::function<void()> emitSignal);

} // namespace WRightPress
