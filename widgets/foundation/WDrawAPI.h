#pragma once

#include "wexal_export.h"

#include "PositionFlag.h"

#include <QColor>

class QImage;
class QPainter;
class QPoint;
class QRect;
class QWidget;

// The stateless drawing and image functions every widget paints with, so that backgrounds,
// borders, images and recoloured glyphs look the same across the library.
class WEXAL_EXPORT WDrawAPI
{
public:
    WDrawAPI() = delete;

    // The opaque colour seen when fore lies over back with opacity alpha/255.
    static QColor ComputeAlphaColor(const QColor& back, QColor fore, int alpha);

    // Replaces every pixel whose RGB equals from's with to's RGB, keeping each pixel's alpha.
    // Works in place on 32-bit images; other formats are converted to ARGB32 first.
    static void ImageReplaceColor(QImage& image, const QColor& from, const QColor& to);
    // Turns a white glyph into the same glyph in colour to.
    static void ImageReplaceWhite(QImage& image, const QColor& to);

    static void DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                              int borderWidth);
    static void DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                           PositionFlag::Flags sides, int width);

    // Centres image in rect; only rect's size counts, its position does not. An image with a
    // device pixel ratio is drawn at its size over that ratio.
    static void DrawImage(QPainter* painter, const QRect& rect, const QImage& image);
    static void DrawImage(QPainter* painter, int x, int y, const QImage& image);

    // The deepest child under pos (in widget's coordinates); pos is left in the result's
    // own coordinates.
    static QWidget* GetChildAt(QWidget* widget, QPoint& pos, bool skipHidden, bool skipDisabled);
};
