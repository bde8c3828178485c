#include "WKeyboardAccess_p.h"

#include "WBaseButton.h"
#include "WButton.h"
#include "WComboBox.h"
#include "WForm.h"
#include "WFormShadow_p.h"
#include "WGridList.h"
#include "WHourMinutePicker.h"
#include "WItemList.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WScrollPanel.h"
#include "WTabControl.h"
#include "WTabPage.h"
#include "WTrackBar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <climits>

namespace {

QPointer<WKeyboardAccess>& instance()
{
    static QPointer<WKeyboardAccess> filter;
    return filter;
}

// The child widgets that take part in the focus order: inside the window, not hidden.
QList<QWidget*> shownChildren(const QWidget* parent)
{
    QList<QWidget*> kids;
    for (QObject* o : parent->children()) {
        if (!o->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() && !w->isHidden())
            kids.append(w);
    }
    return kids;
}

// Rows first, then columns: siblings are sorted by their top edge, and a sibling whose top lies
// in the upper half of a row's first widget joins that row, where they go left to right. Widgets
// a few pixels apart vertically on one line (a check box beside a taller button) thus stay in
// the order a reader sees them.
void sortInReadingOrder(QList<QWidget*>& kids)
{
    std::stable_sort(kids.begin(), kids.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    for (int start = 0; start < kids.size();) {
        const QRect first = kids.at(start)->geometry();
        const qint64 rowEnd = qint64(first.top()) + qMax(first.height(), 1) / 2;
        int end = start + 1;
        while (end < kids.size() && kids.at(end)->y() <= rowEnd)
            ++end;
        std::stable_sort(kids.begin() + start, kids.begin() + end,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        start = end;
    }
}

// Every Tab stop below parent in order; where `current` sits (as a stop or not) is noted as the
// number of stops before it.
void collectStops(const QWidget* parent, const QWidget* current, QList<QWidget*>& stops,
                  int& currentAt)
{
    QList<QWidget*> kids = shownChildren(parent);
    sortInReadingOrder(kids);
    for (QWidget* kid : qAsConst(kids)) {
        if (kid == current)
            currentAt = stops.size();
        if (WKeyboardAccess::IsTabStop(kid))
            stops.append(kid);
        collectStops(kid, current, stops, currentAt);
    }
}

bool isPopupWindow(const QWidget* widget)
{
    return widget->window()->windowType() == Qt::Popup;
}

// The visible part of a scroll panel's content: the viewport, which is the parent of the
// content panel.
QWidget* viewportOf(WScrollPanel* panel)
{
    WPanel* content = panel->ScrollWidget();
    return content ? content->parentWidget() : nullptr;
}

// How far to scroll so that [top, bottom) shows in [0, extent): as little as needed, and the
// start rather than the end when the range is longer than the view.
int scrollDelta(int top, int bottom, int extent)
{
    if (top < 0)
        return top;
    if (bottom > extent)
        return qMin(bottom - extent, top);
    return 0;
}

} // namespace

WKeyboardAccess::WKeyboardAccess(QObject* parent) : QObject(parent) {}

void WKeyboardAccess::SetEnabled(bool on)
{
    QPointer<WKeyboardAccess>& filter = instance();
    if (on == !filter.isNull())
        return;
    if (!on) {
        delete filter.data();
        return;
    }
    // Without an application yet, the first widget polished afterwards comes back here.
    if (!qApp)
        return;
    filter = new WKeyboardAccess(qApp);
    qApp->installEventFilter(filter);
}

bool WKeyboardAccess::TakesTabFocus(const WBase* widget)
{
    if (qobject_cast<const WBaseButton*>(widget))
        return !IsFormSystemButton(widget);
    return qobject_cast<const WLineEdit*>(widget) || qobject_cast<const WItemList*>(widget) ||
           qobject_cast<const WGridList*>(widget) || qobject_cast<const WComboBox*>(widget) ||
           qobject_cast<const WTrackBar*>(widget) || qobject_cast<const WHourMinutePicker*>(widget);
}

bool WKeyboardAccess::IsTabStop(const QWidget* widget)
{
    if (!widget->isEnabled() || (widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
        widget->focusProxy())
        return false;
    if (IsFormSystemButton(widget))
        return false;
    if (WTabControl* tabs = TabControlOf(widget))
        return TabIndex(widget) == tabs->SelectedIndex();
    return true;
}

QList<QWidget*> WKeyboardAccess::FocusOrder(QWidget* window)
{
    QList<QWidget*> stops;
    int unused = -1;
    if (window)
        collectStops(window, nullptr, stops, unused);
    return stops;
}

QWidget* WKeyboardAccess::NextInFocusOrder(QWidget* from, bool forward)
{
    if (!from)
        return nullptr;
    QList<QWidget*> stops;
    int at = -1;
    collectStops(from->window(), from, stops, at);
    if (stops.isEmpty())
        return nullptr;
    const int count = stops.size();
    int next;
    if (at < 0) // not in the window's tree (hidden, say): start from an end
        next = forward ? 0 : count - 1;
    else if (forward)
        next = (at < count && stops.at(at) == from ? at + 1 : at) % count;
    else
        next = (at - 1 + count) % count;
    return stops.at(next);
}

void WKeyboardAccess::ScrollIntoView(QWidget* widget)
{
    // Innermost first: scrolling an inner panel moves the widget within the outer ones.
    for (QWidget* p = widget->isWindow() ? nullptr : widget->parentWidget(); p;
         p = p->isWindow() ? nullptr : p->parentWidget()) {
        auto* panel = qobject_cast<WScrollPanel*>(p);
        QWidget* viewport = panel ? viewportOf(panel) : nullptr;
        if (!viewport || !viewport->isAncestorOf(widget))
            continue;
        const QRect r(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
        const int dx = scrollDelta(r.left(), r.left() + r.width(), viewport->width());
        const int dy = scrollDelta(r.top(), r.top() + r.height(), viewport->height());
        if (dx)
            panel->SetHScrollBarValue(panel->HScrollBarValue() + dx);
        if (dy)
            panel->SetVScrollBarValue(panel->VScrollBarValue() + dy);
    }
}

void WKeyboardAccess::PaintFocusRing(WBase* widget)
{
    if (!IsTabStop(widget) || widget->width() < 4 || widget->height() < 4)
        return;
    QColor color = WBase::FocusRingColor();
    if (!color.isValid())
        color = widget->palette().color(QPalette::Highlight);
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2));
    painter.setBrush(Qt::NoBrush);
    // The two-pixel line lies wholly inside the widget, following its rounded corners.
    const QRectF ring = QRectF(widget->rect()).adjusted(1, 1, -1, -1);
    const qreal radius = qBound(0, widget->Radius() - 1, qMin(widget->width(), widget->height()));
    if (radius > 0)
        painter.drawRoundedRect(ring, radius, radius);
    else
        painter.drawRect(ring);
}

WForm* WKeyboardAccess::FormOf(const QWidget* widget)
{
    auto* shadow = qobject_cast<WFormShadow*>(widget->window());
    return shadow ? shadow->Form() : nullptr;
}

bool WKeyboardAccess::IsTitleBar(const QWidget* widget)
{
    auto* form = qobject_cast<const WForm*>(widget->parentWidget());
    // The form makes its title bar before anything else, so it is the form's first panel.
    return form && qobject_cast<const WPanel*>(widget) &&
           form->findChild<WPanel*>(QString(), Qt::FindDirectChildrenOnly) == widget;
}

bool WKeyboardAccess::IsFormSystemButton(const QWidget* widget)
{
    return qobject_cast<const WButton*>(widget) && widget->parentWidget() &&
           IsTitleBar(widget->parentWidget());
}

WTabControl* WKeyboardAccess::TabControlOf(const QWidget* tab)
{
    return TabIndex(tab) >= 0 ? static_cast<WTabControl*>(tab->parentWidget()) : nullptr;
}

int WKeyboardAccess::TabIndex(const QWidget* tab)
{
    auto* control = qobject_cast<WTabControl*>(tab ? tab->parentWidget() : nullptr);
    auto* button = qobject_cast<const WButton*>(tab);
    if (!control || !button)
        return -1;
    // The tab control keeps each tab's index in its Tag; a stale one is looked up.
    if (const WTabPage* page = control->Page(button->Tag); page && page->TabButton() == button)
        return button->Tag;
    for (int i = 0; i < control->Count(); ++i) {
        const WTabPage* page = control->Page(i);
        if (page && page->TabButton() == button)
            return i;
    }
    return -1;
}

bool WKeyboardAccess::eventFilter(QObject* watched, QEvent* e)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (e->type()) {
    case QEvent::KeyPress:
        return HandleKey(widget, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason)
            ScrollIntoView(widget);
        if (qobject_cast<WBase*>(widget))
            widget->update();
        break;
    }
    case QEvent::FocusOut:
        if (qobject_cast<WBase*>(widget))
            widget->update();
        break;
    default:
        break;
    }
    return false;
}

// Only library widgets are served here: Qt's own widgets keep their keys, and what they leave
// reaches the library widgets around them as the key propagates.
bool WKeyboardAccess::HandleKey(QWidget* receiver, QKeyEvent* e)
{
    if (!qobject_cast<WBase*>(receiver) || isPopupWindow(receiver))
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (mods & ~Qt::ShiftModifier) == 0) {
        const bool forward = key == Qt::Key_Tab && mods == Qt::NoModifier;
        QWidget* from = QApplication::focusWidget();
        if (!from || from->window() != receiver->window())
            from = receiver;
        if (QWidget* next = NextInFocusOrder(from, forward))
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        e->accept();
        return true;
    }
    if (key == Qt::Key_F4 && mods == Qt::AltModifier) {
        if (WForm* form = FormOf(receiver)) {
            e->accept();
            form->close();
            return true;
        }
        return false;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        // A cell editor of a grid takes Escape to hand the keys back to the grid.
        if (auto* grid = qobject_cast<WGridList*>(receiver); grid && grid->FocusedEditor())
            return false;
        WForm* form = FormOf(receiver);
        if (form && receiver->window()->isModal()) {
            e->accept();
            form->close();
            return true;
        }
    }
    return false;
}
