#pragma once

#include "wexal_export.h"

#include <QList>
#include <QObject>

class QKeyEvent;
class QWidget;
class WBase;
class WForm;
class WTabControl;

// What the keyboard switch (WBase::SetKeyboardAccess) does beyond the widgets' own keys: while
// on, one filter on the application moves the focus with Tab and Shift+Tab in reading order,
// closes forms with Alt+F4 and modal ones with Escape, scrolls a widget that gets the focus into
// view inside its scroll panels, and repaints widgets whose focus ring comes or goes.
//
// Also the one place that knows which widgets take part in keyboard use, for the switch and for
// the accessibility interfaces alike.
class WEXAL_AUTOTEST_EXPORT WKeyboardAccess : public QObject
{
    Q_OBJECT

public:
    // Installs the filter on the application (once one exists) or removes it.
    static void SetEnabled(bool on);

    // Whether the widget is of a kind that a keyboard user operates: buttons (but not a form's
    // system buttons), check boxes, switches, line edits, lists, grids, combo boxes, track bars
    // and hour-minute pickers.
    static bool TakesTabFocus(const WBase* widget);
    // Whether Tab stops at the widget: enabled, shown, taking Tab focus, and not a tab of a page
    // that is not selected (the tab bar is one stop, at its selected tab).
    static bool IsTabStop(const QWidget* widget);
    // The widget that Tab (forward) or Shift+Tab moves the focus to from `from`, within from's
    // window; null when there is none. The order is the widget tree with siblings in reading
    // order: rows from top to bottom, and left to right within a row.
    static QWidget* NextInFocusOrder(QWidget* from, bool forward);
    // Every Tab stop of the window, in that order.
    static QList<QWidget*> FocusOrder(QWidget* window);
    // Scrolls every scroll panel around the widget so that as much of it as fits is in view.
    static void ScrollIntoView(QWidget* widget);
    // Draws the focus ring of a focused widget that Tab stops at.
    static void PaintFocusRing(WBase* widget);

    // The form whose window the widget is in, outside Designer; null otherwise.
    static WForm* FormOf(const QWidget* widget);
    // The bar that holds a form's title and system buttons, and the buttons in it.
    static bool IsTitleBar(const QWidget* widget);
    static bool IsFormSystemButton(const QWidget* widget);
    // The tab control whose tab the widget is, or null.
    static WTabControl* TabControlOf(const QWidget* tab);
    // The page index of a tab, or -1.
    static int TabIndex(const QWidget* tab);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    explicit WKeyboardAccess(QObject* parent);
    bool HandleKey(QWidget* receiver, QKeyEvent* e);
};
