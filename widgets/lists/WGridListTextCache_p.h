#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

class QPainter;
class QRect;

// Cell texts drawn from images made once: laying out and rasterising a short string costs
// several microseconds, a frame has a hundred or more of them, and while a grid scrolls
// nearly all of them were on the previous frame too. Each image holds the text exactly as
// QPainter::drawText would put it in a cell (the same layout, the same fraction of a pixel
// left over by centring), so a blit gives the same pixels.
//
// Two generations bound the memory: entries are made in the current one, and when it is full
// it becomes the previous one, whose entries move back as they are used again.
class WGridListTextCache
{
public:
    // Draws text centred in box with the painter's font and the given colour, like
    // drawText(box, AlignHCenter | AlignVCenter | TextSingleLine, text) with that pen, clipped
    // to the box when it does not fit.
    // The painter's pen is left as it was.
    void Draw(QPainter* painter, const QRect& box, const QString& text, const QColor& colour);
    void Clear();

private:
    struct Key
    {
        QString text;
        QRgb colour;
        int parity; // of the box's width and height: the fractions the centring leaves
        friend bool operator==(const Key& a, const Key& b)
        {
            return a.colour == b.colour && a.parity == b.parity && a.text == b.text;
        }
        friend uint qHash(const Key& k, uint seed)
        {
            return qHash(k.text, seed) ^ k.colour ^ k.parity;
        }
    };
    struct Entry
    {
        QImage image; // null: too large to keep, drawn directly
        QSizeF size;  // the text's extent as drawText centres it
    };

    const Entry& Find(const QPainter* painter, const Key& key);
    void SetResolution(QImage& image) const;

    QFont font;
    QSize resolution;
    QHash<Key, Entry> current;
    QHash<Key, Entry> previous;
};
