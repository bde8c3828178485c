#pragma once

#include "wexal_export.h"

#include <QImage>
#include <QPixmap>
#include <QString>

class QPainter;

// The library's icons come in three drawings, for one, two and three device pixels per pixel
// (Name.png, Name@2x.png, Name@3x.png). A widget paints the one that suits the device it paints
// on, so that glyphs and shadows stay as sharp on a dense screen as on an ordinary one.
//
// The ratio is read from the painter, not from the widget: a widget rendered into an image of
// another ratio than its screen's (a grab, a print, Designer's zoomed form) paints for that
// image.
class WEXAL_AUTOTEST_EXPORT WIconImage
{
public:
    WIconImage() = delete;

    static constexpr int MaxScale = 3;

    // Device pixels per pixel that the painter lays down: the scale of its device transform.
    // 1 for a painter that is not painting.
    static qreal Ratio(const QPainter* painter);
    // The drawing that suits a ratio: the smallest that is at least as dense, else the densest.
    // Ratios up to 1 (and nonsense) take the 1x drawing.
    static int Scale(qreal ratio);
    // The name of path's drawing for scale: "Name@2x.png" for "Name.png" and 2.
    static QString PathAt(const QString& path, int scale);
    // Path's drawing for scale, or the densest smaller one there is, with its device pixel ratio
    // set to the scale it was drawn for: the painter draws it at the 1x size. Null when there is
    // no such image.
    static QImage Load(const QString& path, int scale);
    static QPixmap LoadPixmap(const QString& path, int scale);
};
