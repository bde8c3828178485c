#include "WScrollContainer.h"
#include "WAliveGuard_p.h"
#include "WBase_p.h"
#include "WEvent.h"
#include "WScrollBar_p.h"
#include "WTheme_p.h"
#include "WWheelSteps_p.h"

#include <QPointer>
#include <QWheelEvent>

#include <climits>

struct WScrollContainerPrivate
{
    QSize scrollSize{-1, -1};
    int wheelStepPixel = 10;
    int scrollBarSize = 10;
    int sliderMinimumSize = 20;
    int sliderRadius = 0;
    QColor sliderColor;
    QColor sliderColorHover;
    QPointer<WScrollBar> hBar;
    QPointer<WScrollBar> vBar;
    WWheelSteps wheelSteps;
    bool areaMirrored = false; // the view area was placed right to left
};

WScrollContainer::WScrollContainer(bool hasHScrollBar, bool hasVScrollBar, QWidget* parent)
    : WContainer(parent), d(std::make_unique<WScrollContainerPrivate>())
{
    const auto makeBar = [this](OrientationType::Types orientation) {
        auto* bar = new WScrollBar(orientation, this);
        WThemeHooks::MarkPart(bar);
        bar->SetCanReLayoutParent(false);
        bar->SetSliderMinimumSize(d->sliderMinimumSize);
        bar->hide();
        bar->resize(d->scrollBarSize, d->scrollBarSize);
        const bool horizontal = orientation == OrientationType::Horizontal;
        // Virtual calls: the subclass's override receives the new offset.
        if (horizontal)
            connect(bar, &WScrollBar::ValueChanged, this,
                    &WScrollContainer::HScrollBarValueChangedEvent);
        else
            connect(bar, &WScrollBar::ValueChanged, this,
                    &WScrollContainer::VScrollBarValueChangedEvent);
        if (IsDesignerMode()) {
            bar->setObjectName(horizontal ? QStringLiteral("HScrollBar")
                                          : QStringLiteral("VScrollBar"));
            MarkPassive(bar);
        }
        return bar;
    };
    if (hasHScrollBar)
        d->hBar = makeBar(OrientationType::Horizontal);
    if (hasVScrollBar)
        d->vBar = makeBar(OrientationType::Vertical);
}

WScrollContainer::~WScrollContainer()
{
    delete d->hBar.data();
    delete d->vBar.data();
}

const QSize& WScrollContainer::ScrollSize() const
{
    return d->scrollSize;
}

void WScrollContainer::SetScrollSize(const QSize& size)
{
    if (size == d->scrollSize)
        return;
    d->scrollSize = size;
    ReLayout();
}

void WScrollContainer::SetHScrollBarValue(int value)
{
    if (d->hBar)
        d->hBar->SetValue(value);
}

void WScrollContainer::SetVScrollBarValue(int value)
{
    if (d->vBar)
        d->vBar->SetValue(value);
}

int WScrollContainer::HScrollBarValue() const
{
    return d->hBar ? d->hBar->Value() : 0;
}

int WScrollContainer::VScrollBarValue() const
{
    return d->vBar ? d->vBar->Value() : 0;
}

WScrollBar* WScrollContainer::HScrollBar() const
{
    return d->hBar;
}

WScrollBar* WScrollContainer::VScrollBar() const
{
    return d->vBar;
}

// Every hook is a subclass's code and every change of a bar's value reaches one, so the
// container may be gone after each of them; it then stops at once.
void WScrollContainer::ReLayout()
{
    // containerArea is kept within +-2^28 and bar extents within QWIDGETSIZE_MAX, so the
    // arithmetic below stays far from int's limits.
    const QRect a = containerArea;
    int w = a.width();
    int h = a.height();
    const int sw = d->scrollSize.width();
    const int sh = d->scrollSize.height();
    WScrollBar* hb = d->hBar;
    WScrollBar* vb = d->vBar;

    bool showH = false;
    bool showV = false;
    if (hb && w < sw) {
        showH = true;
        h -= hb->height();
    }
    // The vertical bar takes width, which may make the content too wide after all.
    if (vb && sh > h) {
        showV = true;
        w -= vb->width();
        if (hb && !showH && sw > w) {
            showH = true;
            h -= hb->height();
        }
    }

    const WAliveGuard alive(this);
    // Right to left, the vertical bar is on the left and the view starts after it.
    const bool mirrored = isRightToLeft();
    const int vWidth = showV ? vb->width() : 0;
    const int viewLeft = mirrored ? a.left() + vWidth : a.left();
    // A pure move of the area keeps the old position: only a new size is reported, or a change
    // of side.
    if (w != scrollContainerArea.width() || h != scrollContainerArea.height() ||
        ((mirrored || d->areaMirrored) && viewLeft != scrollContainerArea.left())) {
        d->areaMirrored = mirrored;
        scrollContainerArea = QRect(viewLeft, a.top(), w, h);
        ScrollContainerAreaChangedEvent();
        if (!alive)
            return;
    }

    // Qt takes negative extents from setGeometry as they are; a bar squeezed to nothing gets 0.
    // Each step may move the bar's value, which calls a hook; false once the container is gone.
    const auto place = [&alive](WScrollBar* bar, bool show, const QRect& geometry, int length) {
        // The bar's own hidden flag, not isVisible(): that one is false for every bar while
        // the container itself is hidden, and a bar shown then would stay shown wrongly.
        if (bar->isHidden() == show) {
            bar->setVisible(show);
            if (!show)
                bar->SetValue(0);
            if (!alive)
                return false;
        }
        bar->setGeometry(geometry);
        if (!alive)
            return false;
        bar->SetScrollLength(length);
        if (!alive)
            return false;
        // A hidden bar gets its resize event only when shown; clamp to the new range now.
        bar->SetValue(bar->Value());
        return alive.Alive();
    };
    if (hb) {
        const int bh = hb->height();
        if (!place(hb, showH, QRect(viewLeft, a.bottom() - bh + 1, qMax(w, 0), bh), sw))
            return;
        HScrollBarValueChangedEvent(hb->Value());
        if (!alive)
            return;
    }
    if (vb) {
        const int bw = vb->width();
        const int x = mirrored ? a.left() : a.right() - bw + 1;
        if (!place(vb, showV, QRect(x, a.top(), bw, qMax(h, 0)), sh))
            return;
        VScrollBarValueChangedEvent(vb->Value());
    }
}

int WScrollContainer::WheelStepPixel() const
{
    return d->wheelStepPixel;
}

void WScrollContainer::SetWheelStepPixel(int step)
{
    d->wheelStepPixel = step;
}

int WScrollContainer::ScrollBarSize() const
{
    return d->scrollBarSize;
}

void WScrollContainer::SetScrollBarSize(int size)
{
    // Qt's resize() does not bound a child's size; beyond QWIDGETSIZE_MAX no widget can go.
    size = qBound(0, size, QWIDGETSIZE_MAX);
    if (size == d->scrollBarSize)
        return;
    d->scrollBarSize = size;
    // A shown bar takes its new size at once, which may clamp its value and call a hook.
    const WAliveGuard alive(this);
    if (d->hBar)
        d->hBar->resize(d->hBar->width(), size);
    if (alive && d->vBar)
        d->vBar->resize(size, d->vBar->height());
    if (alive)
        ReLayout();
}

int WScrollContainer::SliderMinimumSize() const
{
    return d->sliderMinimumSize;
}

void WScrollContainer::SetSliderMinimumSize(int size)
{
    if (size < 1 || size == d->sliderMinimumSize)
        return;
    d->sliderMinimumSize = size;
    for (WScrollBar* bar : {d->hBar.data(), d->vBar.data()})
        if (bar)
            bar->SetSliderMinimumSize(size);
}

int WScrollContainer::SliderRadius() const
{
    return d->sliderRadius;
}

void WScrollContainer::SetSliderRadius(int radius)
{
    radius = qMax(radius, 0);
    if (radius == d->sliderRadius)
        return;
    d->sliderRadius = radius;
    for (WScrollBar* bar : {d->hBar.data(), d->vBar.data()})
        if (bar)
            bar->SetSliderRadius(radius);
}

const QColor& WScrollContainer::SliderColor() const
{
    return d->sliderColor;
}

void WScrollContainer::SetSliderColor(const QColor& color)
{
    if (color == d->sliderColor)
        return;
    d->sliderColor = color;
    for (WScrollBar* bar : {d->hBar.data(), d->vBar.data()})
        if (bar)
            bar->SetSliderColor(color);
}

const QColor& WScrollContainer::SliderColorHover() const
{
    return d->sliderColorHover;
}

void WScrollContainer::SetSliderColorHover(const QColor& color)
{
    if (color == d->sliderColorHover)
        return;
    d->sliderColorHover = color;
    for (WScrollBar* bar : {d->hBar.data(), d->vBar.data()})
        if (bar)
            bar->SetSliderColorHover(color);
}

bool WScrollContainer::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::Wheel: {
        if (!d->vBar || !d->vBar->isVisible())
            break; // on to Qt, which hands it to the parent
        const int delta = static_cast<QWheelEvent*>(e)->angleDelta().y();
        const qint64 steps = d->wheelSteps.Add(delta);
        e->accept();
        if (steps != 0) {
            const qint64 target = qint64(d->vBar->Value()) - steps * d->wheelStepPixel;
            d->vBar->SetValue(int(qBound(qint64(INT_MIN), target, qint64(INT_MAX))));
        }
        return true;
    }
    case WEvent::ContainerAreaChanged: {
        const WAliveGuard alive(this);
        ReLayout();
        if (!alive)
            return true;
        break;
    }
    default:
        break;
    }
    return WContainer::event(e);
}
