#include "WBidiLine_p.h"

#include <QPainter>
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
}

qreal WBidiLine::Width() const
{
    if (!layout || layout->lineCount() == 0)
        return 0;
    return layout->lineAt(0).naturalTextWidth();
}

qreal WBidiLine::CaretX(int index, bool after) const
{
    if (!layout || layout->lineCount() == 0)
        return 0;
    const QTextLine line = layout->lineAt(0);
    // A right-to-left line is laid out against the far right of its huge width: measured from
    // where its text starts instead.
    const qreal start = line.naturalTextRect().left();
    int i = std::clamp(index, 0, int(text.size()));
    if (after && i > 0) {
        int before = layout->previousCursorPosition(i);
        return line.cursorToX(&before, QTextLine::Trailing) - start;
    }
    return line.cursorToX(&i, QTextLine::Leading) - start;
}

bool WBidiLine::AfterNearer(int index, qreal x) const
{
    return qAbs(CaretX(index, true) - x) < qAbs(CaretX(index, false) - x);
}

bool WBidiLine::AfterToward(int index, qreal x, bool rightward) const
{
    const qreal sign = rightward ? 1 : -1;
    const qreal before = sign * (CaretX(index, false) - x);
    const qreal after = sign * (CaretX(index, true) - x);
    // The nearest place on the side the caret goes to, where x itself counts (the caret stood
    // at a whole pixel); where neither is, the nearest at all.
    if ((before > -0.5) != (after > -0.5))
        return after > -0.5;
    return qAbs(after) < qAbs(before);
}

int WBidiLine::IndexAt(qreal x) const
{
    if (!layout || layout->lineCount() == 0)
        return 0;
    const QTextLine line = layout->lineAt(0);
    const qreal limit = qreal(1 << 28);
    const qreal at = std::clamp(x, -limit, limit) + line.naturalTextRect().left();
    return std::clamp(line.xToCursor(at, QTextLine::CursorBetweenCharacters), 0, int(text.size()));
}

int WBidiLine::Left(int index) const
{
    if (!layout)
        return index;
    const int i = std::clamp(index, 0, int(text.size()));
    return layout->leftCursorPosition(i);
}

int WBidiLine::Right(int index) const
{
    if (!layout)
        return index;
    const int i = std::clamp(index, 0, int(text.size()));
    return layout->rightCursorPosition(i);
}

QList<QPair<qreal, qreal>> WBidiLine::Pieces(int from, int to) const
{
    QList<QPair<qreal, qreal>> pieces;
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    if (!layout || layout->lineCount() == 0 || from == to)
        return pieces;
    // Every character's own extent, between its leading and its trailing edge: right to left
    // the leading edge is the right one, and where the direction changes the next character's
    // leading edge is elsewhere on the line.
    const QTextLine line = layout->lineAt(0);
    const qreal start = line.naturalTextRect().left();
    QList<QPair<qreal, qreal>> spans;
    for (int i = from; i < to;) {
        const int next = layout->nextCursorPosition(i);
        int at = i;
        const qreal lead = line.cursorToX(&at, QTextLine::Leading);
        at = i;
        const qreal trail = line.cursorToX(&at, QTextLine::Trailing);
        spans.append({std::min(lead, trail) - start, qAbs(trail - lead)});
        if (next <= i)
            break;
        i = next;
    }
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
