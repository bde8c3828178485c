#pragma once

#include "wexal_export.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPainter;

// One line of text laid out whole by Qt's text engine, for a right-to-left widget, where the
// per-character sums cannot place it: its characters are reordered into runs (Arabic or Hebrew
// with Latin words and digits), so a caret position has an x that no prefix width gives, the
// arrow keys move in the order the eye reads, and a selection of consecutive characters can
// cover several separate pieces of the line. Left to right, lines keep the sums' placement.
//
// Where each character stands comes from the shaped glyphs themselves, not from the engine's
// caret positions, which misplace the first character of a run in some Qt versions.
//
// x is in pixels from the line's left edge; an index is a caret position, 0 .. length.
class WEXAL_AUTOTEST_EXPORT WBidiLine
{
public:
    WBidiLine();
    ~WBidiLine();

    // Lays the line out again only when one of the three differs from the last call.
    void Set(const QString& text, const QFont& font, Qt::LayoutDirection direction);

    qreal Width() const;
    // Where the caret stands for index (clamped to the text). Where the direction changes, one
    // index has two places on the line: before the character at index (its leading edge), and
    // after the one before it (that one's trailing edge). after picks the second.
    qreal CaretX(int index, bool after = false) const;
    // The caret position nearest to x; x anywhere, outside the line included.
    int IndexAt(qreal x) const;
    // Whether, for index, the place after the character before it is nearer to x than the
    // place before the character at index.
    bool AfterNearer(int index, qreal x) const;
    // One step right or left on screen from the caret at index (at its second place when
    // after): the next place across, which may be several characters away in the text. Sets
    // *newAfter to whether the new index stands at its second place.
    int Move(int index, bool after, bool right, bool* newAfter) const;
    // The pieces of the line that characters from .. to - 1 cover, left to right, each as
    // (left x, width); adjacent pieces are merged.
    QList<QPair<qreal, qreal>> Pieces(int from, int to) const;
    // Draws the line with its left edge at x and its middle at middleY, characters from .. to - 1
    // highlighted (none when from >= to).
    void Draw(QPainter* painter, qreal x, qreal middleY, int from, int to, const QColor& back,
              const QColor& fore) const;

private:
    struct Extent
    {
        qreal left = 0;
        qreal right = 0;
        bool rightToLeft = false;
    };
    struct Place
    {
        qreal x;
        int index;
        bool after;
    };
    qreal Before(int index) const;
    qreal After(int index) const;
    void MeasurePlaces();

    QString text;
    QFont font;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    std::unique_ptr<QTextLayout> layout;
    std::vector<Extent> extents; // one per code unit
    // Every place a caret can stand, left to right, measured with the layout: a drag asks for
    // the nearest one at each move.
    std::vector<Place> places;
};
