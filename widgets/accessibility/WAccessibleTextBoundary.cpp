#include "WAccessibleTextBoundary_p.h"

#include <QTextBoundaryFinder>

namespace {

struct Span
{
    int start = -1;
    int end = -1;
};

bool endsOrStartsItem(const QTextBoundaryFinder& f)
{
    return f.isAtBoundary() && (f.boundaryReasons() & (QTextBoundaryFinder::StartOfItem |
                                                       QTextBoundaryFinder::EndOfItem));
}

// The item that holds the character at offset (0 <= offset < length).
Span itemAt(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const int length = int(text.size());
    switch (type) {
    case QAccessible::CharBoundary: {
        QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, text);
        f.setPosition(offset);
        const int start = f.isAtBoundary() ? offset : qMax(0, f.toPreviousBoundary());
        f.setPosition(start);
        const int end = f.toNextBoundary();
        return Span{start, end < 0 ? length : end};
    }
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary: {
        // A line holds its line break, as the text a reader speaks for it.
        const int start =
            offset == 0 ? 0 : int(text.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
        const int br = int(text.indexOf(QLatin1Char('\n'), offset));
        return Span{start, br < 0 ? length : br + 1};
    }
    case QAccessible::NoBoundary:
        return Span{0, length};
    case QAccessible::WordBoundary:
    case QAccessible::SentenceBoundary:
    default: {
        QTextBoundaryFinder f(type == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                                                    : QTextBoundaryFinder::Word,
                              text);
        f.setPosition(offset);
        int start = offset;
        while (start > 0 && !endsOrStartsItem(f))
            start = f.toPreviousBoundary();
        start = qMax(0, start);
        f.setPosition(start);
        int end = f.toNextBoundary();
        while (end >= 0 && end < length && !endsOrStartsItem(f))
            end = f.toNextBoundary();
        return Span{start, end < 0 ? length : end};
    }
    }
}

QString answer(const QString& text, Span span, int* startOffset, int* endOffset)
{
    if (span.start < 0 || span.end <= span.start) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

} // namespace

QString WAccessibleTextBoundary::At(const QString& text, int offset,
                                    QAccessible::TextBoundaryType type, int* startOffset,
                                    int* endOffset)
{
    const int length = int(text.size());
    offset = qBound(0, offset, length);
    // Past the last character there is no character, but the word, sentence or line that ends
    // there is the one a reader at the end of the text is in.
    if (length == 0 || (offset == length && type == QAccessible::CharBoundary))
        return answer(text, Span{}, startOffset, endOffset);
    return answer(text, itemAt(text, qMin(offset, length - 1), type), startOffset, endOffset);
}

QString WAccessibleTextBoundary::Before(const QString& text, int offset,
                                        QAccessible::TextBoundaryType type, int* startOffset,
                                        int* endOffset)
{
    const int length = int(text.size());
    offset = qBound(0, offset, length);
    // The item before the one At gives.
    const bool pastLast = offset == length && type == QAccessible::CharBoundary;
    const int current = length == 0 ? 0
                        : pastLast  ? length
                                    : itemAt(text, qMin(offset, length - 1), type).start;
    if (current <= 0 || type == QAccessible::NoBoundary)
        return answer(text, Span{}, startOffset, endOffset);
    return answer(text, itemAt(text, current - 1, type), startOffset, endOffset);
}

QString WAccessibleTextBoundary::After(const QString& text, int offset,
                                       QAccessible::TextBoundaryType type, int* startOffset,
                                       int* endOffset)
{
    const int length = int(text.size());
    offset = qBound(0, offset, length);
    if (offset >= length || type == QAccessible::NoBoundary)
        return answer(text, Span{}, startOffset, endOffset);
    const int next = itemAt(text, offset, type).end;
    if (next >= length)
        return answer(text, Span{}, startOffset, endOffset);
    return answer(text, itemAt(text, next, type), startOffset, endOffset);
}
