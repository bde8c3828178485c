#include "WScrollPanel.h"
#include "WBase_p.h"
#include "WDrawAPI.h"
#include "WPanel.h"

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

void WScrollPanel::SetScrollAreaSize(const QSize& size)
{
    if (size == ScrollSize())
        return;
    SetScrollSize(size);
    if (d->scrollWidget) {
        d->scrollWidget->setMinimumSize(boundedMinimum(size));
        d->scrollWidget->setGeometry(scrollContainerArea);
    }
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
    panel->setParent(d->viewport);
    panel->setMinimumSize(boundedMinimum(ScrollSize()));
}

void WScrollPanel::Paint(QPainter* painter)
{
    const QRect r(0, 0, width(), height());
    WDrawAPI::DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, r, Radius(), BorderColor(), Border(), BorderWidth());
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

void WScrollPanel::HScrollBarValueChangedEvent(int value)
{
    if (!d->scrollWidget)
        return;
    d->scrollWidget->move(-value, d->scrollWidget->y());
    emit HScrollLocationChanged(value);
}

void WScrollPanel::VScrollBarValueChangedEvent(int value)
{
    if (!d->scrollWidget)
        return;
    d->scrollWidget->move(d->scrollWidget->x(), -value);
    emit VScrollLocationChanged(value);
}
