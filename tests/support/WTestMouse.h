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
