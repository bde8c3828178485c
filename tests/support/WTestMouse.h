#pragma once

#include <QApplication>
#include <QHoverEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

// Mouse moves that reach widgets the way a real pointer's do. QTest::mouseMove on a widget only
// warps the cursor, which the offscreen platform never turns into events; going through the
// window keeps the held buttons and the mouse grab of a drag.
namespace WexalTest {

inline void MouseMove(QWidget* widget, const QPoint& pos)
{
    QWidget* window = widget->window();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window, pos));
}

inline void MousePress(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* window = widget->window();
    QTest::mousePress(window->windowHandle(), button, {}, widget->mapTo(window, pos));
}

inline void MouseRelease(QWidget* widget, const QPoint& pos,
                         Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* window = widget->window();
    QTest::mouseRelease(window->windowHandle(), button, {}, widget->mapTo(window, pos));
}

// A pointer event where a screen with more than one device pixel per pixel puts one: between
// two pixels (pos in widget's coordinates), through the window as the platform sends it. Each
// comes a second after the last, so that presses never pair into double clicks.
inline void PointerAt(QWidget* widget, QEvent::Type type, const QPointF& pos,
                      Qt::MouseButton button = Qt::LeftButton)
{
    static int timestamp = 0;
    timestamp += 1000;
    static Qt::MouseButtons held;
    if (type == QEvent::MouseButtonPress)
        held |= button;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~Qt::MouseButtons(button);
    QWidget* window = widget->window();
    const QPointF inWindow = pos + QPointF(widget->mapTo(window, QPoint(0, 0)));
    qt_handleMouseEvent(
        window->windowHandle(), inWindow, QPointF(window->mapToGlobal(QPoint(0, 0))) + inWindow,
        held, type == QEvent::MouseMove ? Qt::NoButton : button, type, Qt::NoModifier, timestamp);
}

// A wheel turn as the platform delivers it: spontaneous, so that Qt hands it on to the parent
// when the widget under the pointer ignores it (sent events stay with their receiver).
inline bool Wheel(QWidget* widget, const QPoint& pos, const QPoint& angleDelta)
{
    QWheelEvent e(QPointF(pos), QPointF(widget->mapToGlobal(pos)), QPoint(), angleDelta,
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&e);
    // notify() directly: sendEvent() would clear the spontaneous flag again.
    qApp->notify(widget, &e);
    return e.isAccepted();
}

// A hover move sent straight to a widget (which must have Qt::WA_Hover), as QApplication hands
// it to a hovered widget after a pointer move; positions in the widget's coordinates. Returns
// whether the widget took it; the widget may be gone afterwards.
inline bool HoverMove(QWidget* widget, const QPoint& pos, const QPoint& oldPos)
{
#if QT_VERSION_MAJOR >= 6
    QHoverEvent e(QEvent::HoverMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                  QPointF(oldPos));
#else
    QHoverEvent e(QEvent::HoverMove, QPointF(pos), QPointF(oldPos));
#endif
    return QApplication::sendEvent(widget, &e);
}

} // namespace WexalTest
