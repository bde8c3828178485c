// The interactive half of WTrackBar: pressing, dragging and hovering, and painting the main
// line and the button from what the computing steps left in the private record.
#include "WTrackBar.h"
#include "WTrackBar_p.h"

#include "WAliveGuard_p.h"
#include "WDrawAPI.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// Keeps every coordinate derived from a property within what a widget can be, so that the
// arithmetic on them cannot overflow; anything beyond looks the same once clipped.
int toWidgetRange(qint64 v)
{
    return int(qBound<qint64>(-QWIDGETSIZE_MAX, v, QWIDGETSIZE_MAX));
}

// The pointer's position along the axis; far-off synthetic positions are brought within int.
int axisPosition(const QMouseEvent* e, OrientationType::Types orientation)
{
    const qreal p =
        orientation == OrientationType::Vertical ? e->localPos().y() : e->localPos().x();
    return qRound(qBound<qreal>(-QWIDGETSIZE_MAX, p, QWIDGETSIZE_MAX));
}
} // namespace

bool WTrackBar::MousePress(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return true;
    const int position = axisPosition(e, d->orientation);
    d->lastMousePos = position;
    if (d->buttonLocation <= position &&
        qint64(position) <= qint64(d->buttonLocation) + ButtonLength()) {
        d->dragging = true;
        return true;
    }
    // Beside the button: it jumps there at once, and the gesture is over.
    d->buttonLocation = qBound(0, position, Travel());
    update();
    const WAliveGuard alive(this);
    ComputeValue();
    if (!alive)
        return false;
    emit ManuallyDragChanged(d->value1);
    return bool(alive);
}

// Relative to the last position, so that the button keeps its offset under the pointer and,
// once held at an end, follows the pointer back as soon as it turns.
bool WTrackBar::MouseMove(QMouseEvent* e)
{
    if (!d->dragging)
        return true;
    const int position = axisPosition(e, d->orientation);
    const qint64 moved = qint64(d->buttonLocation) + position - d->lastMousePos;
    const int location = int(qBound<qint64>(0, moved, Travel()));
    d->lastMousePos = position;
    if (location == d->buttonLocation)
        return true;
    d->buttonLocation = location;
    update();
    const WAliveGuard alive(this);
    ComputeValue();
    return bool(alive);
}

bool WTrackBar::MouseRelease(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !d->dragging)
        return true;
    d->dragging = false;
    const WAliveGuard alive(this);
    emit ManuallyDragChanged(d->value1);
    return bool(alive);
}

bool WTrackBar::event(QEvent* e)
{
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    bool alive = true;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (enabled)
            alive = MousePress(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseMove:
        if (enabled)
            alive = MouseMove(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::MouseButtonRelease:
        if (enabled)
            alive = MouseRelease(static_cast<QMouseEvent*>(e));
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (enabled) {
            d->hover = e->type() == QEvent::Enter;
            update();
        }
        break;
    case QEvent::Resize:
        if (d->mainLineSudoku)
            d->mainLineSudoku->Resize(size());
        ComputemMainLineDrawArea();
        ComputeButtonLocation();
        ComputeButtonMainLine2Length();
        break;
    default:
        break;
    }
    // A slot may have deleted the widget; there is nothing left to pass the event to.
    if (!alive)
        return true;
    return WBase::event(e);
}

// --- Painting --------------------------------------------------------------------------------

QPainterPath WTrackBar::MainLinePath() const
{
    const QRect& a = d->mainLineDrawArea;
    QPainterPath path;
    if (Radius() < 1) {
        path.addRect(a.x(), a.y(), a.width(), a.height());
        return path;
    }
    // Inset by half the border, as the library's rounded backgrounds are, so that the stroke
    // lies inside the line; computed in floating point, as absurd widths would overflow ints.
    const int b = qMax(BorderWidth(), 0);
    const int half = b / 2;
    const int odd = b % 2;
    const qreal w = qreal(a.right()) - a.left() - b - odd + 2;
    const qreal h = qreal(a.bottom()) - a.top() - b - odd + 2;
    if (w <= 0 || h <= 0)
        return path;
    path.addRoundedRect(QRectF(a.left() + half + odd - 0.5, a.top() + half + odd - 0.5, w, h),
                        Radius(), Radius(), Qt::AbsoluteSize);
    return path;
}

void WTrackBar::PaintMainLine(QPainter* painter)
{
    const QRect& area = d->mainLineDrawArea;
    const bool rounded = Radius() >= 1;
    const bool vertical = d->orientation == OrientationType::Vertical;
    const QPainterPath path = rounded ? MainLinePath() : QPainterPath();

    painter->save();
    if (rounded) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setClipPath(path, Qt::IntersectClip);
    }

    if (d->type != Normal) {
        if (rounded)
            painter->fillPath(path, d->mainLineGradient);
        else
            painter->fillRect(area, d->mainLineGradient);
    } else if (d->mainLineImage.isNull()) {
        // Back, then the Value2 fill, then the Value1 fill over it, all from the start.
        const auto segment = [&](int length) {
            return vertical ? QRect(area.left(), 0, area.width(), length)
                            : QRect(0, area.top(), length, area.height());
        };
        const auto fill = [&](int length, const QColor& color) {
            if (length > 0 && color.alpha() > 0)
                painter->fillRect(segment(length), color);
        };
        fill(AxisLength(), d->mainLineBackColor);
        fill(d->mainLine2Length, d->mainLineFillColor2);
        fill(d->buttonLocation, d->mainLineFillColor1);
    } else if (d->sudokuDraw) {
        if (d->mainLineSudoku)
            d->mainLineSudoku->Paint(painter);
    } else {
        painter->drawPixmap(rect(), d->mainLineImage);
    }

    if (Border() != PositionFlag::None) {
        if (!rounded) {
            WDrawAPI::DrawBorder(painter, area, 0, BorderColor(), Border(), BorderWidth());
        } else if (BorderColor().alpha() > 0) {
            // The clip above keeps only the inner half of the stroke.
            painter->strokePath(path, QPen(QBrush(BorderColor(), Qt::SolidPattern),
                                           qMax(BorderWidth(), 0), Qt::SolidLine, Qt::SquareCap,
                                           Qt::BevelJoin));
        }
    }
    painter->restore();
}

void WTrackBar::PaintButton(QPainter* painter)
{
    const QSize& size = d->buttonSize;
    const bool vertical = d->orientation == OrientationType::Vertical;
    const int x =
        vertical ? toWidgetRange((qint64(width()) - size.width()) / 2) : d->buttonLocation;
    const int y =
        vertical ? d->buttonLocation : toWidgetRange((qint64(height()) - size.height()) / 2);
    const bool disabled = testAttribute(Qt::WA_Disabled);

    if (d->buttonImage.isNull()) {
        const QColor& color =
            disabled ? d->buttonColorDisabled : (d->hover ? d->buttonColorHover : d->buttonColor);
        if (color.alpha() <= 0 || size.width() <= 0 || size.height() <= 0)
            return;
        // Cut to the widget before building the rectangle: a huge size would overflow it.
        const int right = toWidgetRange(qMin(qint64(x) + size.width(), qint64(width())));
        const int bottom = toWidgetRange(qMin(qint64(y) + size.height(), qint64(height())));
        const int left = qMax(x, 0);
        const int top = qMax(y, 0);
        if (right > left && bottom > top)
            painter->fillRect(QRect(left, top, right - left, bottom - top), color);
        return;
    }
    if (!d->replaceImageWhite) {
        painter->drawPixmap(x, y, d->buttonImage);
        return;
    }
    WDrawAPI::DrawImage(painter, x, y,
                        disabled ? d->buttonImageDisabled
                                 : (d->hover ? d->buttonImageHover : d->buttonImageNormal));
}

void WTrackBar::Paint(QPainter* painter)
{
    PaintMainLine(painter);
    painter->setClipRect(rect(), Qt::IntersectClip);
    PaintButton(painter);
}
