#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

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

} // namespace WexalTest
