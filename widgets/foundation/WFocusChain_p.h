#pragma once

#include "wexal_export.h"

#include <QEvent>
#include <QList>
#include <QObject>

class QKeyEvent;
class QWidget;
class WBase;

// What the keyboard switch (WBase::SetKeyboardAccess) does across widgets: while on, one filter
// on the application moves the focus with Tab and Shift+Tab in reading order, asks the ancestors
// of a widget that gets the focus from the keyboard to bring it into view (RevealEvent), and
// repaints widgets whose focus ring comes or goes. It knows no widget class: every widget says
// for itself whether it takes Tab focus, and the classes that own other widgets (a form's system
// buttons, a tab bar's tabs) say it for those.
class WEXAL_AUTOTEST_EXPORT WFocusChain : public QObject
{
    Q_OBJECT

public:
    // Installs the filter on the application (once one exists) or removes it.
    static void SetEnabled(bool on);

    // Whether Tab stops at the widget: enabled, shown, with Tab focus, without a focus proxy, and
    // not set aside by its owner (the tabs of pages that are not selected: a tab bar is one stop).
    static bool IsTabStop(const QWidget* widget);
    // The widget that Tab (forward) or Shift+Tab moves the focus to from `from`, within from's
    // window; null when there is none. The order is the widget tree with siblings in reading
    // order: rows from top to bottom, and left to right within a row.
    static QWidget* NextInFocusOrder(QWidget* from, bool forward);
    // Every Tab stop of the window, in that order.
    static QList<QWidget*> FocusOrder(QWidget* window);
    // The child widgets a keyboard or screen-reader user meets: inside the window, not hidden.
    static QList<QWidget*> ShownChildren(const QWidget* parent);

    // For classes that own library widgets: whether the widget takes Tab focus at all, and
    // whether Tab passes it by for now.
    static void SetTakesTabFocus(WBase* widget, bool takes);
    static void SetTabStopSuspended(WBase* widget, bool suspended);

    // Sent to each ancestor of a widget that got the focus from the keyboard, innermost first: a
    // container that scrolls its content answers by scrolling so that as much of the widget as
    // fits is in view.
    class RevealEvent : public QEvent
    {
    public:
        explicit RevealEvent(QWidget* target) : QEvent(EventType()), target(target) {}
        QWidget* Target() const { return target; }
        static QEvent::Type EventType();

    private:
        QWidget* const target;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    explicit WFocusChain(QObject* parent);
    bool HandleTab(QWidget* receiver, QKeyEvent* e);
};
