#include "WAliveGuard_p.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"
#include "WScrollBar_p.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

struct WScrollBarPrivate
{
    OrientationType::Types orientation = OrientationType::Horizontal;
    int scrollLength = 0;
    int value = 0;
    int sliderMinimumSize = 20;
    int sliderRadius = 0;
    QColor sliderColor;
    QColor sliderColorHover;
    QRect sliderRect;
    int freeLength = 0;
    float ratio = 1.0f;
    bool hover = false;
    bool pressed = false;
    int lastDrag = 0;
};

WScrollBar::WScrollBar(OrientationType::Types orientation, QWidget* parent)
    : WBase(parent), d(std::make_unique<WScrollBarPrivate>())
{
    d->orientation = orientation;
}

WScrollBar::~WScrollBar() = default;

OrientationType::Types WScrollBar::Orientation() const
{
    return d->orientation;
}

int WScrollBar::Length() const
{
    return qMax(d->orientation == OrientationType::Vertical ? height() : width(), 0);
}

// Both terms are non-negative, so the difference cannot overflow.
int WScrollBar::MaxValue() const
{
    return qMax(d->scrollLength - Length(), 0);
}

int WScrollBar::Value() const
{
    return d->value;
}

void WScrollBar::SetValue(int value)
{
    const int v = qBound(0, value, MaxValue());
    if (v == d->value)
        return;
    d->value = v;
    ComputeSlider();
    update();
    emit ValueChanged(v);
}

int WScrollBar::ScrollLength() const
{
    return d->scrollLength;
}

void WScrollBar::SetScrollLength(int length)
{
    if (length == d->scrollLength)
        return;
    d->scrollLength = qMax(length, 0);
    const int m = MaxValue();
    const bool clamped = d->value > m;
    if (clamped)
        d->value = m;
    ComputeSlider();
    update();
    // Last: whoever hears it may delete the bar.
    if (clamped)
        emit ValueChanged(m);
}

int WScrollBar::SliderMinimumSize() const
{
    return d->sliderMinimumSize;
}

void WScrollBar::SetSliderMinimumSize(int size)
{
    if (size == d->sliderMinimumSize)
        return;
    d->sliderMinimumSize = size;
    ComputeSlider();
    update();
}

int WScrollBar::SliderRadius() const
{
    return d->sliderRadius;
}

void WScrollBar::SetSliderRadius(int radius)
{
    radius = qMax(radius, 0);
    if (radius == d->sliderRadius)
        return;
    d->sliderRadius = radius;
    update();
}

const QColor& WScrollBar::SliderColor() const
{
    return d->sliderColor;
}

void WScrollBar::SetSliderColor(const QColor& color)
{
    if (color == d->sliderColor)
        return;
    d->sliderColor = color;
    update();
}

const QColor& WScrollBar::SliderColorHover() const
{
    return d->sliderColorHover;
}

void WScrollBar::SetSliderColorHover(const QColor& color)
{
    if (color == d->sliderColorHover)
        return;
    d->sliderColorHover = color;
    update();
}

void WScrollBar::ComputeSlider()
{
    const int l = Length();
    const int t = d->scrollLength;
    int s = l;
    d->freeLength = 0;
    d->ratio = 1.0f;
    if (l < t) {
        // l * l overflows int for tall bars; the quotient is at most l again.
        s = int(qint64(l) * l / t);
        // A minimum larger than the bar would leave the slider sticking out; it then fills
        // the bar and has no travel.
        s = qMin(qMax(s, d->sliderMinimumSize), l);
        d->freeLength = l - s;
        if (d->freeLength > 0)
            d->ratio = float(t - l) / float(d->freeLength);
    }
    int p = 0;
    if (d->freeLength > 0) {
        // Snapping the last value to the end keeps the slider flush with the bar's end even
        // where the ratio's rounding would leave it a pixel short.
        if (d->value == t - l)
            p = d->freeLength;
        else
            p = int(qBound(0.0, double(float(d->value) / d->ratio), double(d->freeLength)));
    }
    if (d->orientation == OrientationType::Vertical)
        d->sliderRect = QRect(0, p, width(), s);
    else
        d->sliderRect = QRect(p, 0, s, height());
}

const QRect& WScrollBar::SliderRect() const
{
    return d->sliderRect;
}

int WScrollBar::FreeLength() const
{
    return d->freeLength;
}

float WScrollBar::Ratio() const
{
    return d->ratio;
}

bool WScrollBar::IsHover() const
{
    return d->hover;
}

bool WScrollBar::IsPressed() const
{
    return d->pressed;
}

bool WScrollBar::event(QEvent* e)
{
    const bool vertical = d->orientation == OrientationType::Vertical;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        // Right to left a horizontal bar starts at the right: the slider is placed as left to
        // right and shown, and pressed, in the mirror image.
        const int c =
            vertical ? WPixels::Round(WEventPos(me).y())
                     : WPixels::Bounded(WMirror::X<qint64>(WPixels::Round(WEventPos(me).x()), 0,
                                                           qint64(width()) - 1, isRightToLeft()));
        const int start = vertical ? d->sliderRect.top() : d->sliderRect.left();
        const int end = vertical ? d->sliderRect.bottom() : d->sliderRect.right();
        if (e->type() == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
            d->lastDrag = c;
            // The slider's first pixel does not grab it.
            if (start < c && c <= end)
                d->pressed = true;
        } else if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
            d->pressed = false;
        } else if (e->type() == QEvent::MouseMove && d->pressed) {
            const qint64 n =
                qBound(qint64(0), qint64(c) + start - d->lastDrag, qint64(qMax(d->freeLength, 0)));
            // Travel past either end is dropped, not banked: reversing moves the slider at once.
            d->lastDrag = c;
            if (n != start) {
                const int shift = int(n - start);
                d->sliderRect.translate(vertical ? 0 : shift, vertical ? shift : 0);
                const int maxValue = MaxValue();
                if (n == d->freeLength)
                    d->value = maxValue;
                else
                    d->value = int(qBound(0.0, double(float(n) * d->ratio), double(maxValue)));
                update();
                // Whoever hears of the new offset may delete the bar with its container.
                const WAliveGuard alive(this);
                emit ValueChanged(d->value);
                if (!alive)
                    return true;
            }
        }
        // Every button is taken here so that clicks on a bar never reach the content below.
        e->accept();
        return true;
    }
    case QEvent::LayoutDirectionChange:
        update(); // a horizontal slider changes sides
        break;
    case QEvent::Enter:
        d->hover = true;
        update();
        break;
    case QEvent::Leave:
        d->hover = false;
        update();
        break;
    case QEvent::Resize: {
        ComputeSlider();
        // A longer bar shortens the range; the offset follows so that it never points past
        // the end of the content, and whoever hears of it may delete the bar.
        const WAliveGuard alive(this);
        SetValue(d->value);
        if (!alive)
            return true;
        break;
    }
    default:
        break;
    }
    return WBase::event(e);
}

void WScrollBar::Paint(QPainter* painter)
{
    const QRect r = WMirror::Rect(d->sliderRect, width(),
                                  d->orientation == OrientationType::Horizontal && isRightToLeft());
    if (r.isEmpty())
        return;
    const QColor& color = d->hover ? d->sliderColorHover : d->sliderColor;
    if (d->sliderRadius < 1) {
        painter->fillRect(r, color);
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(
        QRectF(r.left() + 0.5, r.top() + 0.5, r.right() - r.left(), r.bottom() - r.top()),
        d->sliderRadius, d->sliderRadius, Qt::AbsoluteSize);
    painter->fillPath(path, QBrush(color));
}
