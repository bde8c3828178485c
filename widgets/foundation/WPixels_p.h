#pragma once

#include "WQtCompat_p.h"

#include <QMouseEvent>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QWidget>
#include <QtGlobal>

// Where numbers from outside (event positions, application sizes, sums of a few of them) become
// pixel coordinates. Everything is pulled in to +-2^28 first: far beyond any screen, yet a few
// such coordinates still add up inside int. Floating-point positions are clamped before they
// are rounded, because converting one that int cannot hold is undefined; a synthesised or
// transformed event may carry any double, infinities and NaN included (NaN lands on the far
// positive end, harmlessly).
namespace WPixels {

constexpr qint64 Limit = qint64(1) << 28;

// A sum or difference taken in 64 bits, back in the safe range.
constexpr int Bounded(qint64 v)
{
    return int(qBound(-Limit, v, Limit));
}

inline int Round(qreal v)
{
    return qRound(qBound(qreal(-Limit), v, qreal(Limit)));
}

inline QPoint Round(const QPointF& p)
{
    return QPoint(Round(p.x()), Round(p.y()));
}

// A rectangle whose far edge int may not reach (its width() would overflow), as the position
// of its near corner and the extent from there, each bounded: the extent to 0 ... maxExtent.
inline QRect BoundedRect(const QRect& r, int maxExtent)
{
    const auto extent = [maxExtent](int from, int to) {
        return int(qBound(qint64(0), qint64(to) - from + 1, qint64(maxExtent)));
    };
    return QRect(Bounded(r.left()), Bounded(r.top()), extent(r.left(), r.right()),
                 extent(r.top(), r.bottom()));
}

// The longest side, in pixels, of a window whose backing store can still be allocated at a
// device pixel ratio: Qt keeps a window's pixels in one 32-bit image, and one 16384 device
// pixels square is already 1 GiB. A window asked to be larger gets this instead.
inline int WindowSideLimit(qreal devicePixelRatio)
{
    constexpr int devicePixels = 16384;
    return int(devicePixels / qMax(qreal(1), devicePixelRatio));
}

// The pointer's x in widget's pixels, between two pixels where it lies: on a screen of 1.25 or
// 1.5 device pixels per pixel a pointer on a device pixel is. Qt 5 hands widgets positions
// rounded to whole pixels and keeps the exact one only for the window; an event whose window
// position does not round to its own (one made up and sent straight to the widget) counts at
// its own. Bounded as Round bounds it.
inline qreal PointerX(const QMouseEvent* e, const QWidget* widget)
{
    const qreal limit = qreal(Limit);
    const qreal local = qBound(-limit, WEventPos(e).x(), limit);
    const qreal inWindow = WWindowPos(e).x() - widget->mapTo(widget->window(), QPoint(0, 0)).x();
    return qAbs(inWindow - local) <= 0.5 ? inWindow : local;
}

} // namespace WPixels
