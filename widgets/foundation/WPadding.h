#pragma once

#include "wexal_export.h"

#include <QMetaType>

// Distance a container keeps free inside each of its edges, in pixels.
struct WPadding
{
    int Top = 0;
    int Bottom = 0;
    int Left = 0;
    int Right = 0;

    friend bool operator==(const WPadding& a, const WPadding& b)
    {
        return a.Top == b.Top && a.Bottom == b.Bottom && a.Left == b.Left && a.Right == b.Right;
    }
    friend bool operator!=(const WPadding& a, const WPadding& b) { return !(a == b); }
};
Q_DECLARE_METATYPE(WPadding)
