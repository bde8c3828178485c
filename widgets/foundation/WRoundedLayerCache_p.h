#pragma once

#include "PositionFlag.h"

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
class QRect;

// Rounded backgrounds and borders are anti-aliased paths: stroking and filling them is by far
// the dearest part of painting a small button, yet their pixels depend only on a handful of
// values that rarely change. This cache draws each such layer once, with the same WDrawAPI
// calls, into an image and blits it afterwards. A few entries per widget keep the layers of the
// states it flips between (normal, hover, press) without redrawing on every flip.
//
// Square layers (radius < 1) are plain fills and lines, cheaper to draw than to blit, and very
// large ones would cost more memory than they save; both go straight to WDrawAPI.
class WRoundedLayerCache
{
public:
    void DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                       int borderWidth);
    void DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                    PositionFlag::Flags sides, int width);

private:
    enum class Kind { None, Back, Border };
    struct Entry
    {
        Kind kind = Kind::None;
        QSize size;
        qreal dpr = 1;
        int radius = 0;
        int width = 0;
        int sides = 0;
        QColor color;
        QImage image;

        bool Matches(const Entry& other) const;
    };

    // Draws the layer described by key at rect's top-left corner, from the cache when it can.
    bool DrawCached(QPainter* painter, const QRect& rect, Entry key);

    static constexpr int entryCount = 4;
    Entry entries[entryCount];
    int nextEntry = 0;
};
