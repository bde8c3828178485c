// What the text widgets measure with. The caret search shared by the label and the line edit:
// the half-character rule at its exact boundary, offsets far outside the text, prefix widths
// exactly as QFontMetrics measures them (kerning, ligatures, other scripts, combining marks,
// fallback fonts) through edits. The blocked prefix sums behind the line edit's positions:
// random edits against a plain array. The character filters of the line edit's text types, on a
// paste. (What a paint of a long line lays out is checked on the line edit's picture.)
#include "WAdvanceBlocks_p.h"
#include "WCaretLocator_p.h"
#include "WTestSuite.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// Advances held in a plain array.
class ArraySource : public WAdvanceBlocks::Source
{
public:
    std::vector<qint32> values;
    std::vector<bool> dear;

    qint32 One(int i) override { return values.at(size_t(i)); }
    qint64 Span(int from, int to) override
    {
        return std::accumulate(values.begin() + from, values.begin() + to, qint64(0));
    }
    bool Dear(int i) override { return dear.at(size_t(i)); }

    void Replace(QRandomGenerator& rng, int from, int removed, int inserted, bool dearRun)
    {
        values.erase(values.begin() + from, values.begin() + from + removed);
        dear.erase(dear.begin() + from, dear.begin() + from + removed);
        std::vector<qint32> fresh(static_cast<size_t>(inserted));
        for (qint32& v : fresh)
            v = qint32(rng.bounded(0, 900));
        values.insert(values.begin() + from, fresh.begin(), fresh.end());
        dear.insert(dear.begin() + from, size_t(inserted), dearRun);
    }
};

QString u(char16_t c)
{
    return QString(QChar(c));
}

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// Texts that break per-character widths where they are wrong: kerning pairs, f-ligatures,
// punctuation that takes the script of the letter before it, combining marks, emoji with
// modifiers, fallback fonts; and texts whose every prefix depends on the whole line (right to
// left, tabs).
QStringList samples()
{
    return {
        QStringLiteral("AVAWAY To. Wa Ty yy. LT ij P, F. Yo \"A\" 'T' L' V."),
        QStringLiteral("office affluent ffi ffl fj fifteen off-flight staff"),
        utf8("\xd0\x96\xd0\xb6, \"T\" (A) 'V'... \xce\xb3\xcc\x88 \xe2\x80\x9c"
             "f' \xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97 \"Ty\" \xc2\xabW\xc2\xbb"),
        utf8("e\xcc\x81 a\xcc\x88 cafe\xcc\x81 \xf0\x9f\x98\x80\xf0\x9f\x91"
             "\x8d\xf0\x9f\x8f\xbd x\xe2\x80\x8dy \xe2\x80\x94 \xe2\x80\xa6"),
        utf8("abc \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d def To."),
        QStringLiteral("a\tTo\tb"),
    };
}

QVector<QFont> fonts()
{
    return {QFont(QStringLiteral("DejaVu Sans"), 10), QFont(QStringLiteral("DejaVu Serif"), 13),
            QFont(QStringLiteral("Nimbus Sans"), 11), QFont(QStringLiteral("C059"), 12)};
}

// Every prefix, a few slices and the caret for x across the text, against QFontMetrics and the
// binary search over exact widths.
QString compare(WCaretLocator& locator, const QFont& font)
{
    const QString& text = locator.Text();
    const QFontMetrics fm(font);
    QVector<int> prefixes;
    for (int n = 0; n <= text.size(); ++n) {
        prefixes << fm.horizontalAdvance(text.left(n));
        if (locator.PrefixWidth(n) != prefixes.last())
            return QStringLiteral("prefix %1 of \"%2\"").arg(n).arg(text);
    }
    for (int from = 1; from < text.size(); from += 7) {
        const int to = from + (text.size() - from) * 2 / 3 + 1;
        if (locator.SliceWidth(from, to) != fm.horizontalAdvance(text.mid(from, to - from)))
            return QStringLiteral("slice %1 .. %2 of \"%3\"").arg(from).arg(to).arg(text);
    }
    const auto exact = [&](int n) { return prefixes.at(n); };
    const auto single = [&](int i) { return fm.horizontalAdvance(text.at(i)); };
    for (int x = -3; x <= prefixes.last() + 3; x += 2) {
        if (locator.IndexAt(x) != WCaretLocator::Search(text.size(), x, exact, single))
            return QStringLiteral("caret for x = %1 in \"%2\"").arg(x).arg(text);
    }
    return QString();
}

} // namespace

class TestWCaretLocator : public QObject
{
    Q_OBJECT

private slots:
    // Half a character in goes to the right side: 4 of 8 and 3.5 of 7 do, just short of that does
    // not; at the start, in the middle and at the end of the text, where the binary search takes
    // different paths, and between pixels (a pointer on a screen of 1.25 or 1.5 device pixels per
    // pixel). Far outside: the ends; not a number lands on a valid index, whichever.
    void search()
    {
        const struct
        {
            int length, width;
            qreal x;
            int index; // -1: any index in the text
        } rows[] = {
            {1000, 8, 3, 0},       {1000, 8, 4, 1},      {1000, 8, 4003, 500}, {1000, 8, 4004, 501},
            {1000, 8, 7999, 1000}, {1000, 7, 6989, 998}, {1000, 7, 6990, 999}, {1000, 1, 6, 6},
            {0, 8, 50, 0},         {-4, 8, 50, 0},       {10, 8, INT_MIN, 0},  {10, 8, INT_MAX, 10},
            {1, 8, INT_MIN, 0},    {1, 8, INT_MAX, 1},   {10, 8, 3.99, 0},     {10, 8, 4.0, 1},
            {10, 7, 3.49, 0},      {10, 7, 3.5, 1},      {10, 7, 3.51, 1},     {100, 8, 403.9, 50},
            {100, 8, 404.01, 51},  {10, 8, -0.4, 0},     {10, 8, 79.7, 10},    {10, 8, qInf(), 10},
            {10, 8, -qInf(), 0},   {10, 8, qQNaN(), -1}};
        for (const auto& r : rows) {
            const int w = r.width;
            const int found = WCaretLocator::Search(
                r.length, r.x, [w](int n) { return n * w; }, [w](int) { return w; });
            QVERIFY2(
                r.index < 0 ? found >= 0 && found <= r.length : found == r.index,
                qPrintable(QStringLiteral("x %1 of %2: %3").arg(r.x).arg(r.length).arg(found)));
        }
    }

    // On each font, every sample measured afresh; then edits that leave remembered widths stale
    // (a kerning pair completed, a change at the start, in the middle, shorter, empty, longer);
    // then random insertions, removals and replacements of every kind of text, a right-to-left
    // character coming and going among them; then a change of font. After each, every width is
    // what QFontMetrics says, and indexes outside the text are clamped.
    void widthsStayExact_data()
    {
        QTest::addColumn<QFont>("font");
        for (const QFont& font : fonts())
            QTest::addRow("%s %d", qPrintable(font.family()), font.pointSize()) << font;
        // Spacing applied per glyph is not in the pair table: such a font is measured by shaping.
        QFont spaced(QStringLiteral("DejaVu Sans"), 10);
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        QTest::newRow("letter spacing") << spaced;
    }

    void widthsStayExact()
    {
        QFETCH(QFont, font);
        WCaretLocator locator(font);
        const QStringList pieces = samples();
        for (const QString& text : pieces) {
            locator.SetText(text);
            QCOMPARE(compare(locator, font), QString());
        }
        for (const char* text :
             {"xA", "xAV", "iiiiii", "Wiiiii", "WiiWii", "Wi", "", "Wil1 mW.x iiM"}) {
            locator.SetText(QString::fromLatin1(text));
            QCOMPARE(compare(locator, font), QString());
        }
        QRandomGenerator rng(quint32(font.pointSize()));
        for (int step = 0; step < 30; ++step) {
            const QString& piece = pieces.at(rng.bounded(int(pieces.size())));
            const int a = rng.bounded(int(piece.size()));
            const QString inserted = piece.mid(a, rng.bounded(0, 12));
            const int at = rng.bounded(int(locator.Text().size()) + 1);
            const int removed = rng.bounded(4) ? 0 : rng.bounded(8);
            locator.Replace(at, removed, inserted);
            if (locator.Text().size() > 90)
                locator.Replace(0, 30, QString());
            QCOMPARE(compare(locator, font), QString());
        }
        const QFont big(font.family(), 30);
        locator.SetFont(big);
        QCOMPARE(compare(locator, big), QString());
        const int n = int(locator.Text().size());
        QCOMPARE(locator.PrefixWidth(INT_MIN), 0);
        QCOMPARE(locator.PrefixWidth(INT_MAX), locator.PrefixWidth(n));
        QCOMPARE(locator.CharWidth(-1) + locator.CharWidth(n), 0);
        QCOMPARE(locator.SliceWidth(2, 1), 0);
        QCOMPARE(locator.SliceWidth(INT_MIN, INT_MAX), locator.PrefixWidth(n));
    }

    void filter_data()
    {
        using T = TextType;
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        // Other scripts' digits, a fraction, a Roman numeral and a superscript; not an ordinal.
        const QString numbers = u(0x0661) + u(0x00BD) + u(0x2163) + u(0x00B2);
        const QString mixed = QStringLiteral("aZ09-.:*#+ (e)") + u(0x00E9) + numbers + u(0x00AA);
        QTest::newRow("ASCII") << int(T::ASCII) << mixed << mixed.left(14);
        QTest::newRow("ASCII: DEL in, U+0080 out") << int(T::ASCII) << u(0x7F) + u(0x80) << u(0x7F);
        QTest::newRow("ASCII: no surrogate") << int(T::ASCII) << u(0xD83D) + u(0xDE00) << QString();
        QTest::newRow("Number") << int(T::Number) << mixed << QStringLiteral("09-.") + numbers;
        QTest::newRow("Number: no e, +, comma")
            << int(T::Number) << "-3.5e+2,0" << QString("-3.520");
        QTest::newRow("IPaddress") << int(T::IPaddress) << mixed << QStringLiteral("09.");
        QTest::newRow("MACaddress")
            << int(T::MACaddress) << "0a:1B:@AFGafg`-" << QString("0a:1B:AFaf");
        QTest::newRow("PhoneNumber") << int(T::PhoneNumber) << mixed << QStringLiteral("09*#");
        QTest::newRow("outside the enumeration: all") << 7 << mixed << mixed;
    }

    void filter()
    {
        QFETCH(int, type);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        // Pasted over a selection, the kept characters replace it (a signal for the deletion and
        // one for the insertion); when none is kept, nothing changes and the selection stays.
        WLineEdit edit;
        edit.SetTextType(TextType::Types(type));
        edit.SetText(QStringLiteral("[]"));
        edit.show();
        edit.SelectAll();
        QGuiApplication::clipboard()->setText(input);
        QSignalSpy changed(&edit, &WLineEdit::TextChanged);
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.Text(), kept.isEmpty() ? QStringLiteral("[]") : kept);
        QCOMPARE(edit.SelectedText(), kept.isEmpty() ? QStringLiteral("[]") : QString());
        QCOMPARE(changed.count(), kept.isEmpty() ? 0 : 2);
    }

    void randomEdits_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("largest"); // the largest insertion
        QTest::addColumn<bool>("dear");   // whether inserted runs are dear to measure one by one
        QTest::newRow("keystrokes") << 1u << 3 << false;
        QTest::newRow("dear pastes") << 3u << 2000 << true;
        QTest::newRow("mixed") << 4u << 700 << true;
    }

    // After every edit, and with edits that leave values to be measured again, prefixes and the
    // search agree with the plain array.
    void randomEdits()
    {
        QFETCH(quint32, seed);
        QFETCH(int, largest);
        QFETCH(bool, dear);
        QRandomGenerator rng(seed);
        ArraySource source;
        WAdvanceBlocks blocks;
        for (int step = 0; step < 400; ++step) {
            const int size = int(source.values.size());
            const int from = rng.bounded(size + 1);
            const int removed =
                rng.bounded(2) ? rng.bounded(size - from + 1) / (1 + rng.bounded(8)) : 0;
            const int inserted = rng.bounded(largest + 1);
            source.Replace(rng, from, removed, inserted, dear && rng.bounded(2));
            // Besides the new positions, a few after them change as context.
            const int after = from + inserted + rng.bounded(10);
            for (int i = from + inserted; i < after && i < int(source.values.size()); ++i)
                source.values[size_t(i)] = qint32(rng.bounded(0, 900));
            blocks.Replace(from, removed, inserted, after, source);
            QCOMPARE(blocks.Size(), int(source.values.size()));

            std::vector<qint64> prefix(source.values.size() + 1, 0);
            std::partial_sum(source.values.begin(), source.values.end(), prefix.begin() + 1);
            for (int probe = 0; probe < 8; ++probe) {
                const int n = rng.bounded(blocks.Size() + 1);
                QCOMPARE(blocks.Prefix(n, source), prefix[size_t(n)]);
                // The largest n whose prefix is below a limit just above, at and below a prefix.
                const qint64 limit = prefix[size_t(n)] + rng.bounded(-1, 2);
                const int expected =
                    int(std::lower_bound(prefix.begin(), prefix.end(), limit) - prefix.begin()) - 1;
                QCOMPARE(blocks.CountBelow(limit, source), qMax(0, expected));
            }
        }
        QCOMPARE(blocks.Prefix(INT_MAX, source),
                 std::accumulate(source.values.begin(), source.values.end(), qint64(0)));
        QCOMPARE(blocks.Prefix(INT_MIN, source), 0);
        QCOMPARE(blocks.CountBelow(0, source), 0);
        QCOMPARE(blocks.CountBelow(std::numeric_limits<qint64>::max(), source), blocks.Size());
    }
};

WEXAL_TEST_MAIN(TestWCaretLocator)
#include "tst_textmeasuring.moc"
