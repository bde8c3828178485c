#pragma once

#include "wexal_export.h"

#include "WAdvanceBlocks_p.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class WLineWidths;

// Measures one line of text for every widget that places a caret or a selection end with the
// mouse (the label and the line edit): prefix widths exactly as QFontMetrics::horizontalAdvance
// gives them, the caret index for a pixel offset, and which part of the line a paint needs.
//
// Shaping a prefix costs time in proportion to its length, so the widths are kept per character
// instead: the width of a prefix is the sum of its characters' advances in 1/64 pixels, rounded
// once, as Qt sums and rounds. A character's advance comes from the shared per-font pair table
// of WLineWidths when it and the few characters before it are in the table, else from shaping
// that short stretch of text with and without it. Shaping is local: what a character adds
// depends on a few characters before it, back to the last letter of a script (punctuation and
// spaces take the script of the letter before them). The sums sit in WAdvanceBlocks, so an
// edit costs O(log n) and the measuring of the characters it touches.
//
// Lines whose layout depends on the whole line are measured by shaping each prefix, remembered
// until an edit before it: right-to-left and bidirectional text (the paragraph direction and
// the reordering come from the whole line), tabs, and fonts whose samples disagree with the
// per-character sums.
class WEXAL_AUTOTEST_EXPORT WCaretLocator : private WAdvanceBlocks::Source
{
public:
    using Measure = std::function<int(int)>;

    // The search on any measure. prefixWidth(n) is the width of the first n characters (n in
    // 0 .. length), charWidth(i) the width of character i alone (i in 0 .. length - 1).
    // Returns a character index in 0 .. length; 0 for an empty text. x may lie between two
    // pixels: on a screen of 1.5 device pixels per pixel, a pointer does.
    static int Search(int length, qreal x, const Measure& prefixWidth, const Measure& charWidth);

    explicit WCaretLocator(const QFont& font = QFont());
    ~WCaretLocator() override;

    // Both keep what the change leaves valid; setting what is already set costs a compare.
    void SetFont(const QFont& font);
    void SetText(const QString& text);
    // Edits in place: count characters from index on make way for s. Index and count are
    // clamped to the text.
    void Replace(int index, int count, const QString& s);

    const QString& Text() const { return text; }
    const QFontMetrics& Metrics() const { return metrics; }

    // Width of the first n characters; n is clamped to 0 .. length.
    int PrefixWidth(int n);
    // Where the line puts character n, to the 1/64 pixel where the sums know it (else as
    // PrefixWidth): a painter with more than one device pixel per pixel draws glyphs between
    // whole pixels, and text drawn from character n on must start where the line has it.
    qreal PrefixPosition(int n);
    // Width of character i alone; 0 outside the text.
    int CharWidth(int i) const;
    // Width of characters from .. to - 1, measured as one string; the range is clamped.
    int SliceWidth(int from, int to);
    // The caret index for an offset of x pixels from the left edge of the text.
    int IndexAt(qreal x);

    // The part of the string made of characters from .. to - 1 that a paint needs when that
    // string is laid out from x = origin and only left .. right is seen (all in pixels):
    // drawing characters Run::from .. Run::to - 1 from Run::x puts every character that reaches
    // into left .. right where drawing the whole string would. Glyphs that overhang their
    // advance need a margin in left and right. Lines measured by shaping give the whole range.
    struct Run
    {
        int from = 0;
        int to = 0;
        qreal x = 0;
    };
    Run VisibleRun(int from, int to, qreal origin, qreal left, qreal right);

    // Whether positions come from the per-character sums (else from shaping prefixes), and the
    // sums themselves, for tests.
    bool IsIncremental() const { return incremental; }
    const WAdvanceBlocks& Sums() const { return sums; }

private:
    WCaretLocator(const QFont& font, bool trusted);

    // WAdvanceBlocks::Source
    qint32 One(int i) override;
    qint64 Span(int from, int to) override;
    bool Dear(int i) override;

    void SetFontTrust(const QFont& f, bool checked);
    // The text was changed at from: removed characters went, inserted ones came.
    void Edited(int from, int removed, int inserted);
    void Count(int from, int to, int sign);
    bool WantsSums() const;
    bool Strong(int i) const;
    int WindowStart(int i) const;
    bool InPairTable(int from, int to) const;
    int ContextEnd(int from) const;
    qint64 Shaped64(int from, int to) const;
    qint64 Advance64(int from, int to);
    int ExactPrefixWidth(int n);
    static bool SamplesAgree(const QFont& font);

    QFont font;
    QFontMetrics metrics;
    QFontMetricsF metricsF;
    std::shared_ptr<WLineWidths> table;
    bool pairsTrusted = false;
    bool windowsTrusted = false;
    QString text;
    int wholeLineUnits = 0; // code units that make the layout depend on the whole line
    int offTableUnits = 0;  // code units the pair table does not cover
    bool incremental = false;
    WAdvanceBlocks sums;
    // Without the sums: widths[n] is the width of the first n characters, or a sentinel.
    std::vector<int> widths;
};
