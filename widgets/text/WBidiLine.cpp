#include "WBidiLine_p.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLine>

#include <algorithm>

WBidiLine::WBidiLine() = default;
WBidiLine::~WBidiLine() = default;

void WBidiLine::Set(const QString& t, const QFont& f, Qt::LayoutDirection dir)
{
    if (layout && t == text && f == font && dir == direction)
        return;
    text = t;
    font = f;
    direction = dir;
    layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid())
        line.setLineWidth(qreal(1 << 24)); // one line, however long
    layout->endLayout();

    // Each code unit's extent from its own glyphs, measured from where the text starts (right
    // to left, a line is laid out against the far right of its huge width).
    extents.assign(size_t(text.size()), Extent());
    if (!line.isValid()) {
        MeasurePlaces();
        return;
    }
    const qreal start = line.naturalTextRect().left();
    for (int i = 0; i < text.size(); ++i) {
        Extent& e = extents[size_t(i)];
        qreal left = qInf();
        qreal right = -qInf();
        for (const QGlyphRun& run : layout->glyphRuns(i, 1)) {
            const QVector<quint32> glyphs = run.glyphIndexes();
            const QVector<QPointF> positions = run.positions();
            const QVector<QPointF> advances = run.rawFont().advancesForGlyphIndexes(glyphs);
            for (int g = 0; g < glyphs.size() && g < positions.size() && g < advances.size(); ++g) {
                left = std::min(left, positions.at(g).x());
                right = std::max(right, positions.at(g).x() + advances.at(g).x());
            }
            e.rightToLeft = run.isRightToLeft();
        }
        if (left <= right) {
            e.left = left - start;
            e.right = right - start;
        } else if (i > 0) {
            // No glyph of its own (the second half of a pair, a mark shaped into the letter
            // before it): it stands where that one ends.
            const Extent& before = extents[size_t(i - 1)];
            e.rightToLeft = before.rightToLeft;
            e.left = e.right = before.rightToLeft ? before.left : before.right;
        }
    }
    MeasurePlaces();
}

qreal WBidiLine::Width() const
{
    if (!layout || layout->lineCount() == 0)
        return 0;
    return layout->lineAt(0).naturalTextWidth();
}

// Before character index: its leading edge, the right one right to left.
qreal WBidiLine::Before(int index) const
{
    const Extent& e = extents[size_t(index)];
    return e.rightToLeft ? e.right : e.left;
}

// After the character before index: its trailing edge.
qreal WBidiLine::After(int index) const
{
    const Extent& e = extents[size_t(index - 1)];
    return e.rightToLeft ? e.left : e.right;
}

qreal WBidiLine::CaretX(int index, bool after) const
{
    const int n = int(extents.size());
    if (n == 0)
        return 0;
    const int i = std::clamp(index, 0, n);
    return (after && i > 0) || i == n ? After(i) : Before(i);
}

// An index whose two places coincide has one.
void WBidiLine::MeasurePlaces()
{
    places.clear();
    const int n = int(extents.size());
    if (n == 0 || !layout) {
        places.push_back({0, 0, false});
        return;
    }
    places.reserve(size_t(n) * 2 + 1);
    for (int i = 0; i <= n; ++i) {
        if (i > 0 && i < n && !layout->isValidCursorPosition(i))
            continue;
        if (i < n)
            places.push_back({Before(i), i, false});
        if (i > 0 && (i == n || qAbs(After(i) - Before(i)) >= 0.5))
            places.push_back({After(i), i, true});
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const Place& a, const Place& b) { return a.x < b.x; });
}

int WBidiLine::IndexAt(qreal x) const
{
    if (places.empty())
        return 0;
    const Place* nearest = &places.front();
    for (const Place& p : places)
        if (qAbs(p.x - x) < qAbs(nearest->x - x))
            nearest = &p;
    return nearest->index;
}

bool WBidiLine::AfterNearer(int index, qreal x) const
{
    return qAbs(CaretX(index, true) - x) < qAbs(CaretX(index, false) - x);
}

int WBidiLine::Move(int index, bool after, bool right, bool* newAfter) const
{
    *newAfter = false;
    if (places.empty())
        return index;
    const qreal x = CaretX(index, after);
    // Where the caret stands in the walk across: its own entry, else the nearest one.
    size_t at = 0;
    qreal best = qInf();
    for (size_t k = 0; k < places.size(); ++k) {
        const qreal distance = qAbs(places[k].x - x) + (places[k].index == index ? 0 : 0.5);
        if (distance < best) {
            best = distance;
            at = k;
        }
    }
    if (right && at + 1 < places.size())
        ++at;
    else if (!right && at > 0)
        --at;
    *newAfter = places[at].after;
    return places[at].index;
}

QList<QPair<qreal, qreal>> WBidiLine::Pieces(int from, int to) const
{
    QList<QPair<qreal, qreal>> pieces;
    from = std::clamp(from, 0, int(extents.size()));
    to = std::clamp(to, from, int(extents.size()));
    QList<QPair<qreal, qreal>> spans;
    for (int i = from; i < to; ++i)
        if (extents[size_t(i)].right > extents[size_t(i)].left)
            spans.append(
                {extents[size_t(i)].left, extents[size_t(i)].right - extents[size_t(i)].left});
    std::sort(spans.begin(), spans.end());
    for (const auto& span : spans) {
        if (!pieces.isEmpty() && span.first <= pieces.last().first + pieces.last().second + 0.5) {
            auto& last = pieces.last();
            last.second = std::max(last.second, span.first + span.second - last.first);
        } else {
            pieces.append(span);
        }
    }
    return pieces;
}

void WBidiLine::Draw(QPainter* painter, qreal x, qreal middleY, int from, int to,
                     const QColor& back, const QColor& fore) const
{
    if (!layout || layout->lineCount() == 0)
        return;
    const QTextLine line = layout->lineAt(0);
    const QPointF origin(x - line.naturalTextRect().left(), middleY - line.height() / 2);
    QVector<QTextLayout::FormatRange> selections;
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    if (from < to) {
        QTextLayout::FormatRange range;
        range.start = from;
        range.length = to - from;
        range.format.setBackground(back);
        range.format.setForeground(fore);
        selections.append(range);
    }
    // The pen's colour is the text's; QTextLayout takes it from the painter.
    layout->draw(painter, origin, selections);
}
