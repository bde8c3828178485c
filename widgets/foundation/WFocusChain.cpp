#include "WFocusChain_p.h"

#include "WBase.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace {

QPointer<WFocusChain>& instance()
{
    static QPointer<WFocusChain> filter;
    return filter;
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
    QList<QWidget*> kids = WFocusChain::ShownChildren(parent);
    sortInReadingOrder(kids);
    for (QWidget* kid : qAsConst(kids)) {
        if (kid == current)
            currentAt = stops.size();
        if (WFocusChain::IsTabStop(kid))
            stops.append(kid);
        collectStops(kid, current, stops, currentAt);
    }
}

} // namespace

QEvent::Type WFocusChain::RevealEvent::EventType()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

WFocusChain::WFocusChain(QObject* parent) : QObject(parent) {}

void WFocusChain::SetEnabled(bool on)
{
    QPointer<WFocusChain>& filter = instance();
    if (on == !filter.isNull())
        return;
    if (!on) {
        delete filter.data();
        return;
    }
    // Without an application yet, the first widget polished afterwards comes back here.
    if (!qApp)
        return;
    filter = new WFocusChain(qApp);
    qApp->installEventFilter(filter);
}

bool WFocusChain::IsTabStop(const QWidget* widget)
{
    if (!widget->isEnabled() || (widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus ||
        widget->focusProxy())
        return false;
    const auto* base = qobject_cast<const WBase*>(widget);
    return !base || !base->TabStopSuspended();
}

void WFocusChain::SetTakesTabFocus(WBase* widget, bool takes)
{
    if (widget)
        widget->SetTakesTabFocus(takes);
}

void WFocusChain::SetTabStopSuspended(WBase* widget, bool suspended)
{
    if (widget)
        widget->SetTabStopSuspended(suspended);
}

QList<QWidget*> WFocusChain::ShownChildren(const QWidget* parent)
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

QList<QWidget*> WFocusChain::FocusOrder(QWidget* window)
{
    QList<QWidget*> stops;
    int unused = -1;
    if (window)
        collectStops(window, nullptr, stops, unused);
    return stops;
}

QWidget* WFocusChain::NextInFocusOrder(QWidget* from, bool forward)
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

bool WFocusChain::eventFilter(QObject* watched, QEvent* e)
{
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (e->type()) {
    case QEvent::KeyPress:
        return HandleTab(widget, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason) {
            // Innermost first: scrolling an inner panel moves the widget within the outer ones.
            const QPointer<QWidget> target(widget);
            for (QPointer<QWidget> p = widget->isWindow() ? nullptr : widget->parentWidget();
                 p && target; p = p->isWindow() ? nullptr : p->parentWidget()) {
                RevealEvent reveal(widget);
                QCoreApplication::sendEvent(p, &reveal);
            }
            if (!target)
                return false;
        }
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
// reaches the library widgets around them as the key propagates. Popups keep Tab for their own
// lines.
bool WFocusChain::HandleTab(QWidget* receiver, QKeyEvent* e)
{
    if (!qobject_cast<WBase*>(receiver) || receiver->window()->windowType() == Qt::Popup)
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) || (mods & ~Qt::ShiftModifier) != 0)
        return false;
    const bool forward = key == Qt::Key_Tab && mods == Qt::NoModifier;
    QWidget* from = QApplication::focusWidget();
    if (!from || from->window() != receiver->window())
        from = receiver;
    if (QWidget* next = NextInFocusOrder(from, forward))
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    e->accept();
    return true;
}
