#include "WContainer.h"
#include "WEvent.h"
#include "WPixels_p.h"

#include <QCoreApplication>

struct WContainerPrivate
{
    WPadding padding;
    bool areaChangePending = false;
};

WContainer::WContainer(QWidget* parent) : WBase(parent), d(std::make_unique<WContainerPrivate>()) {}

WContainer::~WContainer() = default;

const WPadding& WContainer::Padding() const
{
    return d->padding;
}

void WContainer::SetPadding(const WPadding& padding)
{
    if (d->padding == padding)
        return;
    d->padding = padding;
    ComputeContainerArea();
}

// Padding and border widths are applications' numbers and may be absurd; the sums are taken
// wide and bounded so that the area stays representable (and simply empty) instead of
// overflowing.
void WContainer::ComputeContainerArea()
{
    const WPadding& p = d->padding;
    const PositionFlag::Flags sides = Border();
    const qint64 bw = BorderWidth();
    const qint64 left = qint64(p.Left) + (sides & PositionFlag::Left ? bw : 0);
    const qint64 top = qint64(p.Top) + (sides & PositionFlag::Top ? bw : 0);
    const qint64 w = width() - left - p.Right - (sides & PositionFlag::Right ? bw : 0);
    const qint64 h = height() - top - p.Bottom - (sides & PositionFlag::Bottom ? bw : 0);
    containerArea = QRect(WPixels::Bounded(left), WPixels::Bounded(top), WPixels::Bounded(w),
                          WPixels::Bounded(h));
    if (d->areaChangePending)
        return;
    d->areaChangePending = true;
    QCoreApplication::postEvent(this, new WEvent(WEvent::ContainerAreaChanged));
}

bool WContainer::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case WEvent::BorderChanged:
    case QEvent::Resize:
        ComputeContainerArea();
        return WBase::event(e);
    case WEvent::ContainerAreaChanged:
        d->areaChangePending = false;
        return true;
    default:
        return WBase::event(e);
    }
}

// A child is cut to the free space across its docking direction and follows the free region
// along it; earlier children take their space first. Anchored children keep their distance
// to the anchored edges as the area changes size.
void WContainer::DockLayout(QSize& lastAreaSize, bool visibleOnly)
{
    const QRect& a = containerArea;
    if (a.left() > a.right() || a.top() > a.bottom())
        return;
    const int areaW = a.width();
    const int areaH = a.height();
    if (lastAreaSize.width() < 0 || lastAreaSize.height() < 0)
        lastAreaSize = QSize(areaW, areaH);
    const int dW = areaW - lastAreaSize.width();
    const int dH = areaH - lastAreaSize.height();

    int x = a.left();
    int y = a.top();
    int freeW = areaW;
    int freeH = areaH;
    int right = a.right() + 1;
    int bottom = a.bottom() + 1;

    for (QObject* object : children()) {
        auto* c = qobject_cast<WBase*>(object);
        if (!c || c->isHidden() || (visibleOnly && !c->isVisible()))
            continue;
        switch (c->Dock()) {
        case DockType::Top: {
            const int e = qMin(c->height(), freeH);
            c->LayoutSetGeometry(QRect(x, y, freeW, e));
            y += e;
            freeH -= e;
            break;
        }
        case DockType::Bottom: {
            const int e = qMin(c->height(), freeH);
            c->LayoutSetGeometry(QRect(x, bottom - e, freeW, e));
            bottom -= e;
            freeH -= e;
            break;
        }
        case DockType::Left: {
            const int e = qMin(c->width(), freeW);
            c->LayoutSetGeometry(QRect(x, y, e, freeH));
            x += e;
            freeW -= e;
            break;
        }
        case DockType::Right: {
            const int e = qMin(c->width(), freeW);
            c->LayoutSetGeometry(QRect(right - e, y, e, freeH));
            right -= e;
            freeW -= e;
            break;
        }
        case DockType::Fill:
            c->LayoutSetGeometry(QRect(x, y, freeW, freeH));
            freeW = 0;
            freeH = 0;
            break;
        case DockType::None: {
            const PositionFlag::Flags anchor = c->Anchor();
            if (anchor == (PositionFlag::Top | PositionFlag::Left) || (dW == 0 && dH == 0))
                break;
            QRect g = c->geometry();
            const bool l = anchor & PositionFlag::Left, r = anchor & PositionFlag::Right;
            const bool t = anchor & PositionFlag::Top, b = anchor & PositionFlag::Bottom;
            if (l && r)
                g.setWidth(g.width() + dW);
            else if (r)
                g.translate(dW, 0);
            else if (!l)
                g.translate(dW / 2, 0);
            if (t && b)
                g.setHeight(g.height() + dH);
            else if (b)
                g.translate(0, dH);
            else if (!t)
                g.translate(0, dH / 2);
            c->LayoutSetGeometry(g);
            break;
        }
        }
    }
    lastAreaSize = QSize(areaW, areaH);
}
