#pragma once

#include "wexal_export.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <climits>
#include <memory>
#include <vector>

// Measures lines as QFontMetrics::horizontalAdvance does, fast enough for a million lines.
//
// Shaping a line costs microseconds. For text made of Latin letters, digits and punctuation the
// same number comes from glyph advances plus pair kerning, summed in 1/64 pixels (the unit Qt
// sums in) and rounded once: the pairs are shaped once each, on first use. Ligatures break the
// pairwise sum, so lines with an 'f' (the usual ligature start) are shaped whole, and so is any
// line with a character outside the table. A font whose sample strings disagree with the table
// in any way is measured by shaping only.
class WEXAL_AUTOTEST_EXPORT WLineWidths
{
public:
    explicit WLineWidths(const QFont& font);

    // The shared measurer for font (the table is built on first request).
    static WLineWidths& ForFont(const QFont& font);
    // The same, for holders that outlive the next requests for other fonts.
    static std::shared_ptr<WLineWidths> Shared(const QFont& font);
    // Everything QFont compares that changes how text is measured, as one string.
    static QString Key(const QFont& font);

    int Width(const QString& line);
    int Widest(const QStringList& lines);
    // Whether the table is trusted for this font.
    bool HasTable() const { return usable; }

    // Whether the code unit u is in the table; the two below take table characters only.
    static bool InTable(int u);
    // In 1/64 pixels: the advance of u alone, and the advance of b after a, kerning included.
    int Advance64(int u) const { return advance[size_t(u - first)]; }
    int Step64(int a, int b) { return Step(a - first, b - first); }

private:
    static constexpr int first = 0x20;
    static constexpr int end = 0x250; // Basic Latin to Latin Extended-B
    static constexpr int unknown = INT_MIN;

    static constexpr int size = end - first;
    // Returns -1 when the line must be shaped.
    int TableWidth(const QString& line);
    // The advance of b after a, kerning included, in 1/64 pixels; shaped on first use.
    int Step(int a, int b);

    QFontMetrics exact;
    QFontMetricsF pairs;
    bool usable = false;
    std::vector<int> advance;
    // Rows of Step() values by the first character, allocated as characters turn up.
    std::vector<std::unique_ptr<int[]>> steps;
};
