#pragma once

// Shared by the tests of the lists: a popup's own event loop run under a watchdog, so that a
// list or menu left open fails its test instead of hanging the run.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace ListTest {

// Calls open, which returns once the popup it opens has closed, with step queued to run inside
// the popup's loop; a step that has not run by the time open returns (no popup opened) is
// dropped. A popup still open after ms is hidden, and the result is false.
inline bool RunPopup(const std::function<void()>& open, const std::function<void()>& step,
                     int ms = 2000)
{
    QObject queue;
    QTimer::singleShot(0, &queue, step);
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->hide();
    });
    watchdog.start(ms);
    open();
    return !timedOut;
}

} // namespace ListTest
