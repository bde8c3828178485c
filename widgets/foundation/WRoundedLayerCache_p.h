#pragma once

#include "PositionFlag.h"
#include "wexal_export.h"

#include <QColor>

class QPainter;
class QRect;

// Rounded backgrounds and borders are anti-aliased paths: stroking and filling them is by far
// the dearest part of painting a small button, yet their pixels depend only on a handful of
// values that rarely change. Each such layer is drawn once, with the same WDrawAPI calls, into
// an image and blitted afterwards.
//
// The images live in one cache for the whole process, keyed by everything that decides their
// pixels: widgets with the same look and size share them, and the cache forgets the least
// recently used ones beyond a fixed number of bytes. A widget keeps an object of this class as
// the way to its layers; the object itself holds nothing.
//
// Square layers (radius < 1) are plain fills and lines, cheaper to draw than to blit, and very
// large ones would cost more memory than they save; both go straight to WDrawAPI.
class WEXAL_AUTOTEST_EXPORT WRoundedLayerCache
{
public:
    void DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                       int borderWidth);
    void DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                    PositionFlag::Flags sides, int width);

    // What the shared cache holds now and the most it holds, in bytes of image data.
    static qint64 CachedBytes();
    static qint64 LimitBytes();
    // Forgets every layer (for tests that measure from an empty cache).
    static void Clear();

private:
    // Draws the layer at rect's top-left corner, from the cache when it can; false when the
    // layer is not one to cache.
    static bool DrawCached(QPainter* painter, const QRect& rect, bool border, int radius, int width,
                           int sides, const QColor& color);
};
