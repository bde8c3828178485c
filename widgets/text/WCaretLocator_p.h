#pragma once

#include "wexal_export.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <functional>
#include <vector>

// Finds where a caret goes for a pixel offset into a single line of text, for every widget that
// places a caret or a selection end with the mouse (the label and the line edit).
//
// The search is a binary search over the widths of text prefixes, settled by the half-character
// rule: an offset at least half a character into a character puts the caret after it. Measuring
// a prefix lays it out afresh, which costs time in proportion to its length, so the widths are
// remembered per prefix length. An edit only forgets the prefixes that reach past the first
// changed character: the width of a prefix depends on its own characters alone.
class WEXAL_AUTOTEST_EXPORT WCaretLocator
{
public:
    using Measure = std::function<int(int)>;

    // The search on any measure. prefixWidth(n) is the width of the first n characters (n in
    // 0 .. length), charWidth(i) the width of character i alone (i in 0 .. length - 1).
    // Returns a character index in 0 .. length; 0 for an empty text.
    static int Search(int length, int x, const Measure& prefixWidth, const Measure& charWidth);

    explicit WCaretLocator(const QFont& font = QFont());

    // Both forget only what the change makes stale; setting what is already set costs a compare.
    void SetFont(const QFont& font);
    void SetText(const QString& text);

    const QString& Text() const { return text; }
    const QFontMetrics& Metrics() const { return metrics; }

    // Width of the first n characters; n is clamped to 0 .. length.
    int PrefixWidth(int n);
    // Width of character i alone; 0 outside the text.
    int CharWidth(int i) const;
    // Width of characters from .. to - 1, measured as one string; the range is clamped.
    int SliceWidth(int from, int to) const;
    // The caret index for an offset of x pixels from the left edge of the text.
    int IndexAt(int x);

private:
    QFont font;
    QFontMetrics metrics;
    QString text;
    // widths[n] is the width of the first n characters, or a sentinel while not measured.
    std::vector<int> widths;
};
