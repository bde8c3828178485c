#include "WLineWidths_p.h"

#include <QHash>
#include <QRandomGenerator>

#include <array>

#include <climits>

bool WLineWidths::InTable(int u)
{
    // C1 controls and the soft hyphen take part in shaping in their own ways.
    static const auto table = [] {
        std::array<bool, end> t{};
        for (int c = first; c < end; ++c)
            t[c] = !(c >= 0x7F && c < 0xA0) && c != 0xAD && c != 'f';
        return t;
    }();
    return u < end && table[u];
}

WLineWidths::WLineWidths(const QFont& font) : exact(font), pairs(font), advance(size, 0)
{
    steps.resize(size);
    // Spacing and case changes are applied per glyph; the table does not model them.
    if (font.letterSpacing() != 0 || font.wordSpacing() != 0 ||
        font.capitalization() != QFont::MixedCase)
        return;
    for (int c = first; c < end; ++c)
        advance[c - first] = qRound(pairs.horizontalAdvance(QString(QChar(c))) * 64);

    // Contextual forms and ligatures that the pair table cannot know about show up here.
    QStringList samples = {QStringLiteral("->=>!=<=>===::..//--&&||<<>>"),
                           QStringLiteral("www Th Qu ij ll LT AV To Wa yy. Ty"),
                           QString::fromUtf8("Ærøskøbing · Łódź - «Ŧħë» ¿Qué? ½ ©")};
    QRandomGenerator rng(0x5eed);
    for (int i = 0; i < 200; ++i) {
        QString s;
        const int top = i % 2 ? 0x7F : end;
        while (s.size() < 2 + i % 23) {
            const int u = rng.bounded(first, top);
            if (InTable(u))
                s += QChar(u);
        }
        samples << s;
    }
    usable = true;
    for (const QString& s : qAsConst(samples)) {
        if (TableWidth(s) != exact.horizontalAdvance(s)) {
            usable = false;
            return;
        }
    }
}

QString WLineWidths::Key(const QFont& font)
{
    // toString() leaves out spacing and capitalisation, which the table refuses.
    return font.toString() + QLatin1Char('|') + QString::number(font.kerning()) + QLatin1Char('|') +
           QString::number(int(font.hintingPreference())) + QLatin1Char('|') +
           QString::number(int(font.styleStrategy())) + QLatin1Char('|') +
           QString::number(font.stretch()) + QLatin1Char('|') +
           QString::number(font.letterSpacing()) + QLatin1Char('|') +
           QString::number(int(font.letterSpacingType())) + QLatin1Char('|') +
           QString::number(font.wordSpacing()) + QLatin1Char('|') +
           QString::number(int(font.capitalization()));
}

std::shared_ptr<WLineWidths> WLineWidths::Shared(const QFont& font)
{
    static QHash<QString, std::shared_ptr<WLineWidths>> cache;
    const QString key = Key(font);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= 8)
            cache.clear();
        it = cache.insert(key, std::make_shared<WLineWidths>(font));
    }
    return it.value();
}

WLineWidths& WLineWidths::ForFont(const QFont& font)
{
    return *Shared(font);
}

int WLineWidths::Step(int a, int b)
{
    std::unique_ptr<int[]>& row = steps[a];
    if (!row) {
        row.reset(new int[size]);
        std::fill_n(row.get(), size, unknown);
    }
    int& step = row[b];
    if (step == unknown) {
        const QChar pair[2] = {QChar(a + first), QChar(b + first)};
        step = qRound(pairs.horizontalAdvance(QString(pair, 2)) * 64) - advance[a];
    }
    return step;
}

int WLineWidths::TableWidth(const QString& line)
{
    const int n = line.size();
    if (n == 0)
        return 0;
    const ushort* u = line.utf16();
    if (!InTable(u[0]))
        return -1;
    int prev = u[0] - first;
    qint64 w = advance[prev];
    const int* row = steps[prev].get();
    for (int i = 1; i < n; ++i) {
        if (!InTable(u[i]))
            return -1;
        const int c = u[i] - first;
        // The common case, a pair met before, is one load.
        const int s = row && row[c] != unknown ? row[c] : Step(prev, c);
        w += s;
        prev = c;
        row = steps[c].get();
    }
    // Qt rounds its 26.6 fixed-point sum half up.
    return int(qMin((w + 32) >> 6, qint64(INT_MAX)));
}

int WLineWidths::Width(const QString& line)
{
    const int w = usable ? TableWidth(line) : -1;
    return w >= 0 ? w : exact.horizontalAdvance(line);
}

int WLineWidths::Widest(const QStringList& lines)
{
    int widest = 0;
    for (const QString& line : lines)
        widest = qMax(widest, Width(line));
    return widest;
}
