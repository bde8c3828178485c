#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <QTextLayout>
#include <QVector>
#include <QtMath>

// Where the characters of one line lie, as Qt measures them, to check the text widgets against
// something they do not compute themselves: the boundary before a character is the width of the
// text before it (the text widgets' caret positions, to a fraction of a pixel), and where Qt's
// layout of the whole line draws the character, which differs from it by the kerning with the
// character before.
namespace WexalTest {

struct LineGeometry
{
    // x of the boundary before character k (k in 0 .. length), from the line's start: the
    // width of the first k characters, and where the whole line draws character k.
    QVector<qreal> boundaries;
    QVector<qreal> drawn;

    LineGeometry(const QString& text, const QFont& font)
    {
        const QFontMetricsF metrics(font);
        QTextLayout layout(text, font);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        for (int k = 0; k <= text.size(); ++k) {
            boundaries << metrics.horizontalAdvance(text.left(k));
            drawn << line.cursorToX(k);
        }
    }

    qreal Width() const { return boundaries.last(); }

    // The caret index a click x from the line's start should give: the nearer boundary of the
    // character under it. -1 where the answer is not clear cut: within margin of the middle of
    // a character, where the widgets' whole-pixel measures may tip it either way.
    int Nearest(qreal x, qreal margin) const
    {
        if (x <= 0)
            return 0;
        if (x >= Width())
            return boundaries.size() - 1;
        int k = 0;
        while (boundaries[k + 1] <= x)
            ++k;
        const qreal middle = (boundaries[k] + boundaries[k + 1]) / 2;
        if (qAbs(x - middle) < margin)
            return -1;
        return x < middle ? k : k + 1;
    }
};

// How much ink (darkness, summed down the rows top .. bottom) each column from .. to - 1 of an
// image holds: text moved sideways changes it, text moved up or down does not.
inline QVector<int> ColumnInk(const QImage& image, int from, int to, int top, int bottom)
{
    QVector<int> ink;
    for (int x = from; x < to; ++x) {
        int sum = 0;
        for (int y = top; y < bottom; ++y)
            sum += 255 - qGray(image.pixel(x, y));
        ink << sum;
    }
    return ink;
}

} // namespace WexalTest
