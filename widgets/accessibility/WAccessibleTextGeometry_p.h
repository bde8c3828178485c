#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>

// Where the characters of a single line of text lie, for the text interfaces: the line starts at
// x = left in the widget, and its characters are measured in one font, as the widgets draw them.
namespace WAccessibleTextGeometry {

// The box of the character at offset (clamped to the text; the end gives a zero-width box).
inline QRect CharacterRect(const QFontMetrics& fm, const QString& text, int left, int top,
                           int offset)
{
    offset = qBound(0, offset, int(text.size()));
    const int x = left + fm.horizontalAdvance(text.left(offset));
    const int w = offset < text.size() ? fm.horizontalAdvance(text.at(offset)) : 0;
    return QRect(x, top, w, fm.height());
}

// The character whose box holds x, or -1 left of the text or right of its end.
inline int CharacterAt(const QFontMetrics& fm, const QString& text, int left, int x)
{
    if (x < left)
        return -1;
    // The last prefix that starts at or before x; prefixes grow with their length.
    int low = 0, high = int(text.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (left + fm.horizontalAdvance(text.left(mid)) <= x)
            low = mid;
        else
            high = mid - 1;
    }
    return low < text.size() ? low : -1;
}

} // namespace WAccessibleTextGeometry
