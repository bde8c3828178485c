#pragma once

#include "wexal_export.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// Cell texts drawn from images made once: laying out and rasterising a short string costs
// several microseconds, a frame has a hundred or more of them, and while a grid scrolls
// nearly all of them were on the previous frame too. Each image holds the text exactly as
// QPainter::drawText would put it in a cell (the same layout, the same fraction of a pixel
// left over by centring), so a blit gives the same pixels.
//
// The images live in one cache for the whole process, shared by every grid that draws the same
// text in the same font, resolution and colour, and bounded in bytes: the least recently drawn
// texts are forgotten first, whatever a grid scrolls through.
class WEXAL_AUTOTEST_EXPORT WGridListTextCache
{
public:
    // Draws text centred in box with the painter's font and the given colour, like
    // drawText(box, AlignHCenter | AlignVCenter | TextSingleLine, text) with that pen, clipped
    // to the box when it does not fit.
    // The painter's pen is left as it was.
    void Draw(QPainter* painter, const QRect& box, const QString& text, const QColor& colour);
    // Forgets every cached text.
    void Clear();

    // What the shared cache holds now and the most it holds, in bytes of image data.
    static qint64 CachedBytes();
    static qint64 LimitBytes();

private:
    struct Entry
    {
        QImage image; // null: too large to keep, drawn directly
        QSizeF size;  // the text's extent as drawText centres it
    };

    Entry Find(const QPainter* painter, const QString& text, QRgb colour, int parity);
    void SetResolution(QImage& image) const;

    // What the images of this object's current texts are made with, and its number in the
    // shared cache.
    QFont font;
    QSize resolution;
    int hints = -1;
    int style = -1;
};
