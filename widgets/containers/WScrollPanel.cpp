#include "WScrollPanel.h"
#include "WAliveGuard_p.h"
#include "WBase_p.h"
#include "WDrawAPI.h"
#include "WFocusChain_p.h"
#include "WMirror_p.h"
#include "WPanel.h"
#include "WPixels_p.h"

#include <QChildEvent>
#include <QPointer>

struct WScrollPanelPrivate
{
    // Guarded: an application may delete its content panel while the scroll panel lives on.
    QPointer<QWidget> viewport;
    QPointer<WPanel> scrollWidget;
};

WScrollPanel::WScrollPanel(QWidget* parent)
    : WScrollContainer(true, true, parent), d(std::make_unique<WScrollPanelPrivate>())
{
    d->viewport = new QWidget(this);
    if (IsDesignerMode())
        MarkPassive(d->viewport);
}

WScrollPanel::~WScrollPanel()
{
    delete d->scrollWidget.data();
    delete d->viewport.data();
}

WPanel* WScrollPanel::ScrollWidget() const
{
    return d->scrollWidget;
}

const QSize& WScrollPanel::ScrollAreaSize() const
{
    return ScrollSize();
}

// Qt refuses negative minimum sizes and those beyond QWIDGETSIZE_MAX with a warning.
static QSize boundedMinimum(const QSize& size)
{
    return QSize(qBound(0, size.width(), QWIDGETSIZE_MAX),
                 qBound(0, size.height(), QWIDGETSIZE_MAX));
}

// The new extent announces new locations, and the content panel hears of its new size: both
// are the application's code, which may delete this panel.
void WScrollPanel::SetScrollAreaSize(const QSize& size)
{
    if (size == ScrollSize())
        return;
    const WAliveGuard alive(this);
    SetScrollSize(size);
    if (!alive || !d->scrollWidget)
        return;
    d->scrollWidget->setMinimumSize(boundedMinimum(size));
    if (alive && d->scrollWidget)
        d->scrollWidget->setGeometry(scrollContainerArea);
}

void WScrollPanel::childEvent(QChildEvent* e)
{
    if (e->type() != QEvent::ChildPolished)
        return;
    auto* panel = qobject_cast<WPanel*>(e->child());
    if (!panel || !d->viewport)
        return;
    d->scrollWidget = panel;
    panel->SetCanReLayoutParent(false);
    panel->SetDock(DockType::Fill);
    // The panel hears of its new parent, and may do anything then.
    const WAliveGuard alive(this);
    panel->setParent(d->viewport);
    if (alive && d->scrollWidget == panel)
        panel->setMinimumSize(boundedMinimum(ScrollSize()));
}

void WScrollPanel::Paint(QPainter* painter)
{
    const QRect r(0, 0, width(), height());
    WDrawAPI::DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, r, Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
}

void WScrollPanel::ScrollContainerAreaChangedEvent()
{
    if (d->viewport)
        d->viewport->setGeometry(scrollContainerArea);
    // The minimum size keeps the content at least as large as the scroll area; the value
    // hooks that follow put it at the bars' offsets.
    if (d->scrollWidget)
        d->scrollWidget->setGeometry(scrollContainerArea);
}

// The content panel hears of its move before the location is announced; the panel's own code
// may delete this scroll panel, which then announces nothing.
void WScrollPanel::HScrollBarValueChangedEvent(int value)
{
    if (!d->scrollWidget)
        return;
    const WAliveGuard alive(this);
    // Right to left the content starts at its right edge, against the view's right edge.
    const qint64 x = isRightToLeft() && d->viewport
                         ? qint64(d->viewport->width()) - d->scrollWidget->width() + value
                         : -qint64(value);
    d->scrollWidget->move(WPixels::Bounded(x), d->scrollWidget->y());
    if (alive)
        emit HScrollLocationChanged(value);
}

void WScrollPanel::VScrollBarValueChangedEvent(int value)
{
    if (!d->scrollWidget)
        return;
    const WAliveGuard alive(this);
    d->scrollWidget->move(d->scrollWidget->x(), -value);
    if (alive)
        emit VScrollLocationChanged(value);
}

// How far to scroll so that [top, bottom) shows in [0, extent): as little as needed, and the
// start rather than the end when the range is longer than the view.
static int scrollDelta(int top, int bottom, int extent)
{
    if (top < 0)
        return top;
    if (bottom > extent)
        return qMin(bottom - extent, top);
    return 0;
}

// A widget inside that got the focus from the keyboard is scrolled into view, as much of it as
// fits. The viewport is the content panel's parent.
bool WScrollPanel::event(QEvent* e)
{
    if (e->type() != WFocusChain::RevealEvent::EventType())
        return WScrollContainer::event(e);
    QWidget* target = static_cast<WFocusChain::RevealEvent*>(e)->Target();
    WPanel* content = ScrollWidget();
    QWidget* viewport = content ? content->parentWidget() : nullptr;
    if (!target || !viewport || !viewport->isAncestorOf(target))
        return true;
    const QRect r(target->mapTo(viewport, QPoint(0, 0)), target->size());
    const int dx = scrollDelta(r.left(), r.left() + r.width(), viewport->width());
    const int dy = scrollDelta(r.top(), r.top() + r.height(), viewport->height());
    if (dx)
        SetHScrollBarValue(HScrollBarValue() + dx);
    if (dy)
        SetVScrollBarValue(VScrollBarValue() + dy);
    return true;
}
