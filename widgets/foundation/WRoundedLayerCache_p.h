#pragma once

#include "PositionFlag.h"
#include "wexal_export.h"

#include <QColor>

class QPainter;
class QRect;

// Rounded backgrounds and borders are anti-aliased paths: stroking and filling them is by far
// the dearest part of painting a small button, yet their pixels depend only on a handful of
// values that rarely change. Each such layer is drawn once, with the same WDrawAPI calls, and
// painted from what was drawn afterwards, with the same pixels.
//
// What is drawn is a nine-patch of the face (WRoundedLayerCachePatch_p.h), the same for every
// size, wherever the face has straight stretches and the painter lands on whole device pixels;
// otherwise the whole layer at its size, blitted through the painter. Both live in one cache
// for the whole process, keyed by everything that decides their pixels: widgets of one look
// share them, and the cache forgets the least recently used ones beyond a fixed number of
// bytes. A patch is kept from the second paint of its look on: a look painted once costs less
// made again than kept. A widget keeps an object of this class as the way to its layers; the object
// itself holds nothing.
//
// Square layers (radius < 1) are plain fills and lines, cheaper to draw than to blit, and very
// large whole layers would cost more memory than they save; both go straight to WDrawAPI.
class WEXAL_AUTOTEST_EXPORT WRoundedLayerCache
{
public:
    void DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                       int borderWidth);
    void DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                    PositionFlag::Flags sides, int width);
    // The background and then the border over it, as the two calls above paint them; where
    // the two blend alike either way, they are painted as one. A valid ground is first copied
    // in under the face, as a window's background is, though only where the face lets it show.
    void DrawFace(QPainter* painter, const QRect& rect, int radius, const QColor& back,
                  const QColor& border, PositionFlag::Flags sides, int borderWidth,
                  const QColor& ground = QColor());

    // What the shared cache holds now and the most it holds, in bytes of image data.
    static qint64 CachedBytes();
    static qint64 LimitBytes();
    // Forgets every layer, and every look painted (for tests that measure from an empty cache).
    static void Clear();

private:
    // Draws the layer (a background, a border or a face of both) over rect, from the cache when
    // it can; false when the layer is not one to cache.
    static bool DrawCached(QPainter* painter, const QRect& rect, int kind, int radius, int width,
                           int sides, const QColor& color, const QColor& border,
                           const QColor& ground);
};
