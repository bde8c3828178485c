#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QVector>
#include <QtMath>

#include <functional>

#include "WTestMouse.h"

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

    // The x, from the line's start, a fraction side of the way across character k.
    qreal Inside(int k, qreal side) const
    {
        return boundaries[k] + (boundaries[k + 1] - boundaries[k]) * side;
    }

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

    // The boundary, after the first and well before the end, that lies nearest to the middle of
    // a pixel for a line starting at origin, where no kerning moves the character from the end
    // of the text before it: a selection from there shows whether selected text moves.
    int QuietBoundary(qreal origin) const
    {
        const auto fraction = [&](int k) {
            const qreal x = origin + boundaries[k];
            return qAbs(x - qFloor(x) - 0.5);
        };
        int from = 1;
        for (int k = 1; k < boundaries.size() - 9; ++k) {
            if (qAbs(drawn[k] - boundaries[k]) < 1.0 / 64)
                from = fraction(k) < fraction(from) ? k : from;
        }
        return fraction(from) < 0.25 ? from : -1;
    }
};

// Empty when the columns from .. to - 1 of two images hold the same ink (darkness, summed down
// the rows top .. bottom) to within a quarter of a pixel's: text moved sideways changes it, text
// moved up or down does not. Else the first column that differs.
inline QString SameColumnInk(const QImage& before, const QImage& after, int from, int to, int top,
                             int bottom)
{
    for (int x = from; x < to; ++x) {
        int was = 0, is = 0;
        for (int y = top; y < bottom; ++y) {
            was += 255 - qGray(before.pixel(x, y));
            is += 255 - qGray(after.pixel(x, y));
        }
        if (qAbs(was - is) > 64)
            return QStringLiteral("device column %1: ink %2 before, %3 after")
                .arg(x)
                .arg(was)
                .arg(is);
    }
    return QString();
}

// The pointer on the middle of every device pixel across a line that starts at origin, wherever
// Nearest is clear cut and at least least: check gets its x and that index and says what is
// wrong there. Empty when nothing was, and most of the pixels were checked.
inline QString SweepDevicePixels(const LineGeometry& line, qreal origin, qreal dpr, int least,
                                 const std::function<QString(qreal x, int expected)>& check)
{
    QStringList wrong;
    int checked = 0;
    for (int c = qFloor(origin * dpr); c < qCeil((origin + line.Width()) * dpr); ++c) {
        const qreal x = (c + 0.5) / dpr;
        const int expected = line.Nearest(x - origin, 1 / dpr);
        if (expected < least)
            continue;
        ++checked;
        const QString failure = check(x, expected);
        if (!failure.isEmpty())
            wrong << QStringLiteral("device x %1: %2").arg(c).arg(failure);
    }
    if (checked <= line.Width() * dpr * 0.6)
        wrong << QStringLiteral("only %1 device pixels checked").arg(checked);
    return wrong.join(QLatin1Char('\n'));
}

// A press at from and a release at to, with a move there between, as a dense screen's pointer.
inline void DragAt(QWidget* w, qreal from, qreal to, qreal y = 15)
{
    PointerAt(w, QEvent::MouseButtonPress, QPointF(from, y));
    PointerAt(w, QEvent::MouseMove, QPointF(to, y));
    PointerAt(w, QEvent::MouseButtonRelease, QPointF(to, y));
}

// The line the dense-screen tests measure, in a font the reference measures exactly.
inline QFont DenseFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    return font;
}

inline QString DenseText()
{
    return QStringLiteral("Willkommen in iiilll WWW, the quick brown fox jumps");
}

// A text widget showing that line in a window, away from its corner as an application has it,
// drawn in the same colours selected or not: the selection shows only where it moves text.
template <class T> T* DenseLineIn(QWidget& window)
{
    window.resize(560, 60);
    auto* w = new T(&window);
    w->setGeometry(13, 11, 520, 30);
    w->setFont(DenseFont());
    w->SetBackColor(Qt::white);
    w->SetForeColor(Qt::black);
    w->SetSelectedTextBackColor(Qt::white);
    w->SetSelectedTextForeColor(Qt::black);
    w->SetText(DenseText());
    return w;
}

} // namespace WexalTest
