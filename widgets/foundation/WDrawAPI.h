#pragma once

#include "wexal_export.h"

#include "PositionFlag.h"

#include <QColor>

class QImage;
class QPainter;
class QPoint;
class QRect;
class QWidget;

/// The stateless drawing and image functions every widget paints with, so that backgrounds,
/// borders, images and recoloured glyphs look the same across the library.
///
/// A widget of your own that derives from WBase draws its look in WBase::Paint() with these,
/// from its own properties, and matches the library's widgets pixel for pixel.
class WEXAL_EXPORT WDrawAPI
{
public:
    WDrawAPI() = delete;

    /// The opaque colour seen when fore lies over back with opacity alpha/255. Both colours'
    /// own alpha is ignored; alpha is clamped to 0..255.
    static QColor ComputeAlphaColor(const QColor& back, QColor fore, int alpha);

    /// Replaces the RGB of every pixel whose RGB equals from's with to's RGB, keeping each
    /// pixel's alpha. An image in another format than ARGB32 or RGB32 is converted to ARGB32
    /// first. Does nothing to a null image or when to is invalid.
    static void ImageReplaceColor(QImage& image, const QColor& from, const QColor& to);
    /// Turns a white glyph into the same glyph in colour to: ImageReplaceColor() from white.
    static void ImageReplaceWhite(QImage& image, const QColor& to);

    /// Fills rect with color. A radius below 1 fills the whole rectangle; a larger one rounds
    /// the corners by radius pixels and insets the fill by half of borderWidth (negative taken
    /// as 0), so that a border drawn by DrawBorder() with the same numbers covers its edge. A
    /// colour with zero alpha draws nothing; a rounded fill is antialiased.
    static void DrawBackColor(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                              int borderWidth);
    /// Draws a border width pixels wide inside rect, on the given sides. With a radius of 1 or
    /// more the border is a rounded outline on all four sides, whatever sides says (sides must
    /// still name one). A width below 1, no side or a colour with zero alpha draws nothing.
    static void DrawBorder(QPainter* painter, const QRect& rect, int radius, const QColor& color,
                           PositionFlag::Flags sides, int width);

    /// Draws image centred in a rectangle of rect's size at (0, 0): only rect's size counts,
    /// not its position. An image with a device pixel ratio is drawn at its size over that
    /// ratio. A null image draws nothing.
    static void DrawImage(QPainter* painter, const QRect& rect, const QImage& image);
    /// Draws image with its top-left corner at (x, y), at its size over its device pixel ratio.
    static void DrawImage(QPainter* painter, int x, int y, const QImage& image);

    /// The deepest child of widget under pos, given in widget's coordinates, or widget itself
    /// when no child is there; pos is left in the result's own coordinates. Hidden or disabled
    /// children (and everything in them) are passed over when skipHidden or skipDisabled is
    /// set.
    static QWidget* GetChildAt(QWidget* widget, QPoint& pos, bool skipHidden, bool skipDisabled);
};
