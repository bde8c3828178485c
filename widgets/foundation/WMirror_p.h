#pragma once

#include "DockType.h"
#include "PositionFlag.h"

#include <QRect>

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

} // namespace WMirror
