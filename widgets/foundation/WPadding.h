#pragma once

#include "wexal_export.h"

#include <QMetaType>

/// The distance a container keeps free inside each of its edges, in pixels (see
/// WContainer::Padding()). A value type: all four default to 0.
struct WPadding
{
    /// Free pixels inside the top edge.
    int Top = 0;
    /// Free pixels inside the bottom edge.
    int Bottom = 0;
    /// Free pixels inside the left edge (the right edge, right to left).
    int Left = 0;
    /// Free pixels inside the right edge (the left edge, right to left).
    int Right = 0;

    /// Whether all four distances are equal.
    friend bool operator==(const WPadding& a, const WPadding& b)
    {
        return a.Top == b.Top && a.Bottom == b.Bottom && a.Left == b.Left && a.Right == b.Right;
    }
    /// Whether any of the four distances differs.
    friend bool operator!=(const WPadding& a, const WPadding& b) { return !(a == b); }
};
Q_DECLARE_METATYPE(WPadding)
