#pragma once

#include "DockType.h"
#include "PositionFlag.h"

#include <QPainter>
#include <QRect>
#include <QTransform>

// Right-to-left layouts show everything the other way round across, as Qt's own widgets do: a
// left side, dock or anchor means the right one, and a place measured from the left edge is
// measured from the right.
namespace WMirror {

inline PositionFlag::Flags Sides(PositionFlag::Flags sides, bool mirrored)
{
    if (!mirrored)
        return sides;
    PositionFlag::Flags out =
        sides & ~PositionFlag::Flags(PositionFlag::Left | PositionFlag::Right);
    if (sides & PositionFlag::Left)
        out |= PositionFlag::Right;
    if (sides & PositionFlag::Right)
        out |= PositionFlag::Left;
    return out;
}

inline DockType::Types Dock(DockType::Types dock, bool mirrored)
{
    if (mirrored && dock == DockType::Left)
        return DockType::Right;
    if (mirrored && dock == DockType::Right)
        return DockType::Left;
    return dock;
}

// rect, in a space width wide, as the mirror image across its middle.
inline QRect Rect(const QRect& rect, int width, bool mirrored)
{
    return mirrored ? QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height())
                    : rect;
}

// Pixel x of the span of pixels left .. right as its mirror image: as far from the other end.
// A pointer's x goes through here to be hit-tested against a layout made left to right.
template <class T> T X(T x, T left, T right, bool mirrored)
{
    return mirrored ? left + right - x : x;
}

// rect inside the span of pixels left .. right, mirrored pixel for pixel; far values are kept
// within int as the rest of the geometry is.
inline QRect Rect(const QRect& rect, qint64 left, qint64 right, bool mirrored)
{
    if (!mirrored)
        return rect;
    constexpr qint64 limit = qint64(1) << 30;
    const qint64 x = qBound(-limit, left + right - rect.right(), limit);
    return QRect(int(x), rect.y(), rect.width(), rect.height());
}

// While it lives, the painter draws the mirror image across a widget width wide: for a face
// that has no text, the whole look mirrored at once.
class Flip
{
public:
    Flip(QPainter* painter, int width, bool mirrored) : painter(mirrored ? painter : nullptr)
    {
        if (!this->painter)
            return;
        painter->save();
        painter->setTransform(QTransform(-1, 0, 0, 1, width, 0), true);
    }
    ~Flip()
    {
        if (painter)
            painter->restore();
    }
    Flip(const Flip&) = delete;
    Flip& operator=(const Flip&) = delete;

private:
    QPainter* const painter;
};

} // namespace WMirror
