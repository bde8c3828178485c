#include "WCaretLocator_p.h"

#include "WLineWidths_p.h"

#include <QHash>
#include <QRandomGenerator>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace {

// Marks a prefix width not measured yet; no font gives a width this far below zero.
constexpr int unmeasured = std::numeric_limits<int>::min();
// Characters of context before a character when its advance is shaped: ligatures, kerning,
// combining marks and clusters reach no further back than this.
constexpr int context = 8;
// How far back a run of punctuation and spaces is followed to the letter whose script it takes.
constexpr int scriptReach = 64;

// Code units that make the layout of every prefix depend on the whole line: strong
// right-to-left characters and the bidi controls (the paragraph direction and the reordering
// come from the whole line), tabs (stops depend on the position), separators, and U+009C, with
// which QFontMetrics measures only what comes before it.
bool wholeLine(ushort u)
{
    if (u >= 0x20 && u < 0x590)
        return u == 0x85 || u == 0x9C;
    if (u < 0x20 || u == 0xFFFC || u == 0x2028 || u == 0x2029)
        return true;
    // High surrogates of the planes' right-to-left blocks (U+10800 .. U+10FFF, U+1E800 ..
    // U+1EFFF).
    if ((u >= 0xD802 && u <= 0xD803) || (u >= 0xD83A && u <= 0xD83B))
        return true;
    switch (QChar(u).direction()) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirPDF:
    case QChar::DirRLI:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDI:
    case QChar::DirB:
    case QChar::DirS:
        return true;
    default:
        return false;
    }
}

// Rounded as Qt rounds its 26.6 fixed-point widths: half up.
int roundedPixels(qint64 v)
{
    const qint64 pixels = (v + 32) >> 6;
    return int(qBound(qint64(INT_MIN), pixels, qint64(INT_MAX)));
}

} // namespace

// The search behind Search and IndexAt; a template, so that a click's dozen probes call the
// measures directly rather than through std::function.
template <typename Prefix, typename Char>
static int searchCaret(int length, qreal x, const Prefix& prefixWidth, const Char& charWidth)
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
    // In floating point, exact for whole pixels: an offset near INT_MIN or INT_MAX does not
    // wrap around, and a pointer between two pixels counts where it is.
    const qreal d1 = x - prefixWidth(lo);
    const qreal d2 = charWidth(lo) - d1;
    return d1 >= d2 ? hi : lo;
}

int WCaretLocator::Search(int length, qreal x, const Measure& prefixWidth, const Measure& charWidth)
{
    return searchCaret(length, x, prefixWidth, charWidth);
}

WCaretLocator::WCaretLocator(const QFont& font) : font(font), metrics(font), metricsF(font)
{
    SetFontTrust(font, true);
    widths.assign(1, 0);
}

WCaretLocator::WCaretLocator(const QFont& font, bool trusted)
    : font(font), metrics(font), metricsF(font)
{
    SetFontTrust(font, !trusted);
    widths.assign(1, 0);
}

WCaretLocator::~WCaretLocator() = default;

void WCaretLocator::SetFontTrust(const QFont& f, bool checked)
{
    table = WLineWidths::Shared(f);
    pairsTrusted = table->HasTable();
    if (!checked) {
        windowsTrusted = pairsTrusted;
        return;
    }
    static QHash<QString, bool> agree;
    const QString key = WLineWidths::Key(f);
    auto it = agree.find(key);
    if (it == agree.end()) {
        // One verdict per font an application uses; one that makes fonts without end (a zoom
        // slider, say) starts the verdicts over rather than growing them.
        if (agree.size() >= 64)
            agree.clear();
        it = agree.insert(key, pairsTrusted && SamplesAgree(f));
    }
    windowsTrusted = it.value();
}

// Lines made to break the per-character sums if any part of them is wrong: ligatures, kerning
// next to punctuation that takes another script, combining marks, other scripts, fallback
// fonts and surrogate pairs. Every prefix and a few slices must come out as QFontMetrics
// measures them.
bool WCaretLocator::SamplesAgree(const QFont& font)
{
    QStringList samples = {
        QStringLiteral("office affluent ffi ffl fj fifteen off-flight AVAWAY To."),
        QString::fromUtf8("\xc2\xab"
                          "Cafe\xcc\x81"
                          " na\xc3\xafve\xc2\xbb \xe2\x80\x9cquoted\xe2\x80"
                          "\x9d \xe2\x80\x94 dash\xe2\x80\xa6 \xe2\x82\xac"
                          "5 \xe2\x80\x98T\xe2\x80"
                          "\x99 Wa\xcc\x88"),
        QString::fromUtf8("\xce\x95\xce\xbb\xce\xbb\xce\xb7\xce\xbd\xce\xb9\xce\xba\xce\xac, "
                          "\xd0\x96\xd0\xb6 \"T\" (A) 'V'... \xe4\xb8\xad\xe6\x96\x87 \"Ty\" "
                          "\xf0\x9f\x98\x80\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd fi"),
    };
    // Random lines from the same kinds of characters, punctuation runs included.
    const QString pool = QString::fromUtf8(
        "abcdeffffiiilltTAVWYo.,;:'\" -()[]019\xc3\xa9\xc3\x86\xc3\x9f\xc4\xb3\xc5\x81"
        "\xe2\x80\x99\xe2\x80\x9c\xe2\x80\x94\xe2\x80\xa6\xe2\x82\xac\xce\xb1\xce\x93\xd0\x96"
        "\xd1\x89\xe4\xb8\xad\xf0\x9f\x98\x80\xcc\x81\xcc\x88\xe2\x80\x8d\xc2\xad\xc2\xa0");
    const QVector<uint> points = pool.toUcs4();
    QRandomGenerator rng(0x10ca1);
    for (int i = 0; i < 3; ++i) {
        QString s;
        while (s.size() < 48) {
            const char32_t c = points.at(rng.bounded(int(points.size())));
            s += QString::fromUcs4(&c, 1);
        }
        samples << s;
    }
    WCaretLocator locator(font, true);
    const QFontMetrics exact(font);
    for (const QString& s : qAsConst(samples)) {
        locator.SetText(s);
        if (!locator.incremental)
            return false;
        for (int n = 1; n <= s.size(); ++n) {
            if (locator.PrefixWidth(n) != exact.horizontalAdvance(s.left(n)))
                return false;
        }
        for (int from : {1, 9, 20}) {
            if (locator.SliceWidth(from, s.size()) != exact.horizontalAdvance(s.mid(from)))
                return false;
        }
    }
    return true;
}

void WCaretLocator::SetFont(const QFont& f)
{
    if (font == f)
        return;
    font = f;
    metrics = QFontMetrics(f);
    metricsF = QFontMetricsF(f);
    SetFontTrust(f, true);
    // Every width changes: measured again on demand.
    incremental = false;
    sums.Clear();
    widths.assign(size_t(text.size()) + 1, unmeasured);
    widths[0] = 0;
    Edited(0, 0, 0);
}

void WCaretLocator::Count(int from, int to, int sign)
{
    if (sign < 0 && from == 0 && to == text.size()) {
        wholeLineUnits = 0;
        offTableUnits = 0;
        return;
    }
    for (int i = from; i < to; ++i) {
        const ushort u = text.at(i).unicode();
        wholeLineUnits += sign * (wholeLine(u) ? 1 : 0);
        offTableUnits += sign * (WLineWidths::InTable(u) ? 0 : 1);
    }
}

bool WCaretLocator::WantsSums() const
{
    return pairsTrusted && wholeLineUnits == 0 && (windowsTrusted || offTableUnits == 0);
}

void WCaretLocator::SetText(const QString& t)
{
    if (text.isSharedWith(t))
        return;
    const int oldSize = int(text.size());
    const int newSize = int(t.size());
    const int shorter = std::min(oldSize, newSize);
    const int common = int(std::mismatch(text.cbegin(), text.cbegin() + shorter, t.cbegin()).first -
                           text.cbegin());
    int tail = 0;
    while (tail < shorter - common && text.at(oldSize - 1 - tail) == t.at(newSize - 1 - tail))
        ++tail;
    Count(common, oldSize - tail, -1);
    text = t;
    Count(common, newSize - tail, 1);
    Edited(common, oldSize - tail - common, newSize - tail - common);
}

void WCaretLocator::Replace(int index, int count, const QString& s)
{
    index = std::clamp(index, 0, int(text.size()));
    count = std::clamp(count, 0, int(text.size()) - index);
    if (count == 0 && s.isEmpty())
        return;
    Count(index, index + count, -1);
    if (index == 0 && count == text.size())
        text = s; // a shared text is not copied only to be dropped
    else
        text.replace(index, count, s);
    Count(index, index + int(s.size()), 1);
    Edited(index, count, int(s.size()));
}

void WCaretLocator::Edited(int from, int removed, int inserted)
{
    const int length = int(text.size());
    const bool wants = WantsSums();
    if (wants != incremental) {
        incremental = wants;
        sums.Clear();
        widths.clear();
        if (incremental) {
            sums.Replace(0, 0, length, 0, *this);
        } else {
            widths.assign(size_t(length) + 1, unmeasured);
            widths[0] = 0;
        }
        return;
    }
    if (incremental) {
        sums.Replace(from, removed, inserted, ContextEnd(from + inserted), *this);
        return;
    }
    // Prefixes up to the edit are the same strings as before; longer ones are not.
    if (inserted != removed) {
        const auto at = widths.begin() + from + 1;
        if (inserted > removed)
            widths.insert(at, size_t(inserted - removed), unmeasured);
        else
            widths.erase(at, at + (removed - inserted));
    }
    std::fill(widths.begin() + from + 1, widths.end(), unmeasured);
}

bool WCaretLocator::Strong(int i) const
{
    const ushort u = text.at(i).unicode();
    if (QChar::isLowSurrogate(u))
        return false; // the high surrogate before it speaks for the pair
    uint c = u;
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
        QChar::isLowSurrogate(text.at(i + 1).unicode()))
        c = QChar::surrogateToUcs4(u, text.at(i + 1).unicode());
    const QChar::Script script = QChar::script(c);
    return script != QChar::Script_Common && script != QChar::Script_Inherited &&
           script != QChar::Script_Unknown;
}

// Where the stretch of text that decides character i's advance begins: a few characters back,
// and further back through punctuation and spaces to a letter, whose script they take.
int WCaretLocator::WindowStart(int i) const
{
    int s = std::max(0, i - context);
    while (s > 0 && i - s < scriptReach && !Strong(s))
        --s;
    return s;
}

bool WCaretLocator::InPairTable(int from, int to) const
{
    for (int i = from; i < to; ++i) {
        if (!WLineWidths::InTable(text.at(i).unicode()))
            return false;
    }
    return true;
}

// The first position from which on every character's stretch starts at or after from: past the
// first letter at or after from, and the context after it.
int WCaretLocator::ContextEnd(int from) const
{
    const int length = int(text.size());
    int p = from;
    while (p < length && p - from < scriptReach && !Strong(p))
        ++p;
    return std::min(length, p + context);
}

qint64 WCaretLocator::Shaped64(int from, int to) const
{
    if (to <= from)
        return 0;
    if (pairsTrusted && InPairTable(from, to)) {
        const ushort* u = text.utf16();
        qint64 w = table->Advance64(u[from]);
        for (int i = from + 1; i < to; ++i)
            w += table->Step64(u[i - 1], u[i]);
        return w;
    }
    return qint64(std::llround(metricsF.horizontalAdvance(text.mid(from, to - from)) * 64));
}

qint32 WCaretLocator::One(int i)
{
    const int s = WindowStart(i);
    if (InPairTable(s, i + 1)) {
        const ushort* u = text.utf16();
        return i == 0 ? table->Advance64(u[0]) : table->Step64(u[i - 1], u[i]);
    }
    return qint32(Shaped64(s, i + 1) - Shaped64(s, i));
}

qint64 WCaretLocator::Span(int from, int to)
{
    const int s = WindowStart(from);
    return Shaped64(s, to) - Shaped64(s, from);
}

bool WCaretLocator::Dear(int i)
{
    return !InPairTable(WindowStart(i), i + 1);
}

// The width of characters from .. to - 1 as a string of their own, in 1/64 pixels: shaped up to
// where their stretches lie inside the string, summed from there on.
qint64 WCaretLocator::Advance64(int from, int to)
{
    if (from == 0)
        return sums.Prefix(to, *this);
    const int m = ContextEnd(from);
    if (to <= m)
        return Shaped64(from, to);
    return Shaped64(from, m) + sums.Prefix(to, *this) - sums.Prefix(m, *this);
}

int WCaretLocator::ExactPrefixWidth(int n)
{
    int& w = widths[size_t(n)];
    if (w == unmeasured)
        w = metrics.horizontalAdvance(text.left(n));
    return w;
}

int WCaretLocator::PrefixWidth(int n)
{
    n = std::clamp(n, 0, int(text.size()));
    if (incremental)
        return roundedPixels(sums.Prefix(n, *this));
    return ExactPrefixWidth(n);
}

qreal WCaretLocator::PrefixPosition(int n)
{
    n = std::clamp(n, 0, int(text.size()));
    if (incremental)
        return sums.Prefix(n, *this) / 64.0;
    return ExactPrefixWidth(n);
}

int WCaretLocator::CharWidth(int i) const
{
    if (i < 0 || i >= text.size())
        return 0;
    return metrics.horizontalAdvance(text.at(i));
}

int WCaretLocator::SliceWidth(int from, int to)
{
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    if (from == to)
        return 0;
    if (incremental)
        return roundedPixels(Advance64(from, to));
    return metrics.horizontalAdvance(text.mid(from, to - from));
}

// The binary search itself, probe for probe: a line whose prefixes do not grow with n (a
// surrogate pair cut in two draws wider than the whole character) gets the same caret as any
// other implementation of the search would give it.
int WCaretLocator::IndexAt(qreal x)
{
    return searchCaret(
        int(text.size()), x, [this](int n) { return PrefixWidth(n); },
        [this](int i) { return CharWidth(i); });
}

WCaretLocator::Run WCaretLocator::VisibleRun(int from, int to, qreal origin, qreal left,
                                             qreal right)
{
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    Run run{from, to, origin};
    if (!incremental || to - from <= 2 * context)
        return run;
    // In 1/64 pixels from the string's own origin; sums.Prefix(n) + base is the width of
    // characters from .. n - 1 as a string of their own, for n >= m.
    const qint64 limit = qint64(1) << 50;
    const qint64 seenLeft = qBound(-limit, qint64(std::floor((left - origin) * 64)), limit);
    const qint64 seenRight = qBound(-limit, qint64(std::ceil((right - origin) * 64)), limit);
    const int m = from == 0 ? 0 : ContextEnd(from);
    const qint64 base = from == 0 ? 0 : Shaped64(from, m) - sums.Prefix(m, *this);
    // The first character to show: the last one starting at or left of seenLeft.
    int first = from;
    if (seenLeft > 0) {
        const int n = sums.CountBelow(seenLeft - base + 1, *this);
        if (n >= m)
            first = std::min(n, to);
    }
    // The last: the first one that starts at or right of seenRight, and the characters after it
    // that may still join the glyphs before.
    int last = std::max(first, m);
    if (seenRight > 0)
        last = std::max(last, sums.CountBelow(seenRight - base, *this) + 1);
    run.to = std::min(to, last + context + 1);
    run.from = std::max(from, WindowStart(first));
    run.x = origin + qreal(Advance64(from, first) - Advance64(run.from, first)) / 64;
    return run;
}
