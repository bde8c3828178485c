#pragma once

#include "wexal_export.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

// Where a popup window may go on the screens: every window that opens at a screen point asks
// here, so that all of them agree on which screen a point is on and how far they may reach.
// Screens are taken whole (QScreen::geometry), taskbars included: a popup covers them as the
// platform's own menus do.
namespace WScreenClamp {

// The screen holding point; a point outside every screen (in a gap between screens, or past
// their outer edges) is taken on the nearest one, so that a popup opens beside the place it
// belongs to, never on whichever screen is primary. Null only while the application has no
// screen at all.
WEXAL_AUTOTEST_EXPORT QScreen* ScreenAt(const QPoint& point);

// size, no wider and no taller than screen. Absurd paddings or borders would otherwise ask for a
// window larger than any screen, and for as much memory to paint it. Without a screen, size.
WEXAL_AUTOTEST_EXPORT QSize BoundedTo(const QSize& size, const QScreen* screen);

// The top left of a window width x height that opens right-down from point, moved left of point
// where it would pass the right edge of area and above it where it would pass the bottom edge;
// the window keeps its corner at point otherwise, even where it then starts off the area. The
// result is pulled in to +-2^30: any point a screen could have, while the window's right and
// bottom edges still fit in int.
// Leftward, as right to left opens: left-down from point, moved right of it where it would pass
// the left edge.
WEXAL_AUTOTEST_EXPORT QPoint FlippedInto(const QPoint& point, qint64 width, qint64 height,
                                         const QRect& area, bool leftward = false);
// The same on screen's area; without a screen nothing is flipped.
WEXAL_AUTOTEST_EXPORT QPoint FlippedInto(const QPoint& point, qint64 width, qint64 height,
                                         const QScreen* screen, bool leftward = false);

} // namespace WScreenClamp
