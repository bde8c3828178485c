#include "WPanel.h"
#include "WEvent.h"
#include "WMirror_p.h"
#include "WRoundedLayerCache_p.h"

#include <QChildEvent>
#include <QPainter>

struct WPanelPrivate
{
    QSize lastAreaSize{-1, -1};
    WRoundedLayerCache layers; // rounded faces are drawn once per look, then blitted
};

WPanel::WPanel(QWidget* parent) : WContainer(parent), d(std::make_unique<WPanelPrivate>())
{
    SetPaintExtent(PaintExtent::LookOnly, typeid(WPanel));
}

WPanel::~WPanel() = default;

bool WPanel::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::ChildRemoved:
        ChildRemovedBeforeLayout(static_cast<QChildEvent*>(e)->child());
        ReLayout();
        break;
    case WEvent::ChildDockChanged:
    case WEvent::ContainerAreaChanged:
        // Laid out before the pending flag is cleared below, so that requests made by the
        // pass itself are absorbed by this event.
        ReLayout();
        break;
    default:
        break;
    }
    return WContainer::event(e);
}

void WPanel::Paint(QPainter* painter)
{
    const QRect r(0, 0, width(), height());
    d->layers.DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    d->layers.DrawBorder(painter, r, Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
}

void WPanel::ReLayout()
{
    DockLayout(d->lastAreaSize);
}
