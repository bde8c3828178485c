#include "WCaretLocator_p.h"

#include <algorithm>
#include <limits>

namespace {
// Marks a prefix width not measured yet; no font gives a width this far below zero.
constexpr int unmeasured = std::numeric_limits<int>::min();
} // namespace

int WCaretLocator::Search(int length, int x, const Measure& prefixWidth, const Measure& charWidth)
{
    if (length <= 0)
        return 0;
    int lo = 0;
    int hi = length;
    while (hi - lo >= 2) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (prefixWidth(mid) < x)
            lo = mid;
        else
            hi = mid;
    }
    // In 64 bits: an offset near INT_MIN or INT_MAX must not wrap around.
    const qint64 d1 = qint64(x) - prefixWidth(lo);
    const qint64 d2 = qint64(charWidth(lo)) - d1;
    return d1 >= d2 ? hi : lo;
}

WCaretLocator::WCaretLocator(const QFont& font) : font(font), metrics(font), widths(1, 0) {}

void WCaretLocator::SetFont(const QFont& f)
{
    if (font == f)
        return;
    font = f;
    metrics = QFontMetrics(f);
    std::fill(widths.begin() + 1, widths.end(), unmeasured);
}

void WCaretLocator::SetText(const QString& t)
{
    if (text.isSharedWith(t))
        return;
    const int common = int(
        std::mismatch(text.cbegin(), text.cbegin() + std::min(text.size(), t.size()), t.cbegin())
            .first -
        text.cbegin());
    text = t;
    // Prefixes up to the common length are the same strings as before; longer ones are not.
    widths.resize(size_t(text.size()) + 1, unmeasured);
    std::fill(widths.begin() + common + 1, widths.end(), unmeasured);
}

int WCaretLocator::PrefixWidth(int n)
{
    n = std::clamp(n, 0, int(text.size()));
    int& w = widths[size_t(n)];
    if (w == unmeasured)
        w = metrics.horizontalAdvance(text.left(n));
    return w;
}

int WCaretLocator::CharWidth(int i) const
{
    if (i < 0 || i >= text.size())
        return 0;
    return metrics.horizontalAdvance(text.at(i));
}

int WCaretLocator::SliceWidth(int from, int to) const
{
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    return metrics.horizontalAdvance(text.mid(from, to - from));
}

int WCaretLocator::IndexAt(int x)
{
    return Search(
        int(text.size()), x, [this](int n) { return PrefixWidth(n); },
        [this](int i) { return CharWidth(i); });
}
