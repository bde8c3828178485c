#pragma once

#include "WButton.h"
#include "WForm.h"
#include "WFormShadow_p.h"
#include "WPanel.h"

#include <QtTest>

namespace FormTest {

inline void settle()
{
    // Layout cascades one posted event per level: the form, its title bar, its children.
    for (int i = 0; i < 6; ++i)
        QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

inline WFormShadow* shadowOf(const WForm& form)
{
    return qobject_cast<WFormShadow*>(form.parentWidget());
}

// The title bar is the form's first child; its buttons are minimise, maximise, restore, close.
inline WPanel* titleBarOf(const WForm& form)
{
    return form.findChild<WPanel*>(QString(), Qt::FindDirectChildrenOnly);
}

enum Button { Minimize, Maximize, Restore, Close };

inline WButton* buttonOf(const WForm& form, Button which)
{
    const QList<WButton*> all =
        titleBarOf(form)->findChildren<WButton*>(QString(), Qt::FindDirectChildrenOnly);
    return all.size() == 4 ? all.at(which) : nullptr;
}

// Sizes the form, shows its window and lets the layout settle.
inline bool showForm(WForm& form, const QSize& size = QSize(400, 300))
{
    form.resize(size);
    form.show();
    if (!QTest::qWaitForWindowExposed(shadowOf(form)))
        return false;
    settle();
    return true;
}

// Pointer input as the window system delivers it, in the window's coordinates.
inline QWindow* handleOf(const WForm& form)
{
    return shadowOf(form)->windowHandle();
}

// Sends one pointer event straight to the window, as the platform would, with no warning when
// the pointer is outside it (a resize drag leaves the window behind).
inline void mouse(const WForm& form, QEvent::Type type, const QPoint& windowPos,
                  Qt::MouseButtons held, Qt::MouseButton button = Qt::NoButton)
{
    QWindow* w = handleOf(form);
    qt_handleMouseEvent(w, windowPos, w->mapToGlobal(windowPos), held, button, type, Qt::NoModifier,
                        ++QTest::lastMouseTimestamp);
    if (type == QEvent::MouseButtonRelease) // the next press is no double click
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
    QCoreApplication::processEvents();
}

inline void press(const WForm& form, const QPoint& windowPos)
{
    mouse(form, QEvent::MouseButtonPress, windowPos, Qt::LeftButton, Qt::LeftButton);
}

inline void release(const WForm& form, const QPoint& windowPos)
{
    mouse(form, QEvent::MouseButtonRelease, windowPos, Qt::NoButton, Qt::LeftButton);
}

inline void hover(const WForm& form, const QPoint& windowPos)
{
    mouse(form, QEvent::MouseMove, windowPos, Qt::NoButton);
}

// Drags the held pointer to a point on the screen, wherever the window went meanwhile.
inline void dragTo(const WForm& form, const QPoint& global)
{
    mouse(form, QEvent::MouseMove, global - shadowOf(form)->pos(), Qt::LeftButton);
}

// Clicks a widget of the form where the window system would deliver the click.
inline void click(const WForm& form, QWidget* w)
{
    const QPoint at = shadowOf(form)->mapFromGlobal(w->mapToGlobal(w->rect().center()));
    press(form, at);
    release(form, at);
}

} // namespace FormTest
