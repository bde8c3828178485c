// The caret search shared by the label and the line edit: the half-character rule at its exact
// boundary, offsets far outside the text, prefix widths exactly as QFontMetrics measures them
// (kerning, ligatures, other scripts, combining marks, fallback fonts) through edits, the part
// of a long line a paint lays out, and how little a long line costs before it is looked at.
#include "WCaretLocator_p.h"
#include "WTestSuite.h"

namespace {

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// Texts that break per-character widths where they are wrong: kerning pairs, f-ligatures,
// punctuation that takes the script of the letter before it, combining marks, emoji with
// modifiers, fallback fonts; and texts whose every prefix depends on the whole line.
struct Sample
{
    const char* name;
    QString text;
    bool incremental;
};

QVector<Sample> samples()
{
    return {
        {"kerning", QStringLiteral("AVAWAY To. Wa Ty yy. LT ij P, F. Yo \"A\" 'T' L' V."), true},
        {"ligatures", QStringLiteral("office affluent ffi ffl fj fifteen off-flight staff"), true},
        {"other scripts",
         utf8("\xd0\x96\xd0\xb6, \"T\" (A) 'V'... \xce\xb3\xcc\x88 \xe2\x80\x9c"
              "f' \xe4\xb8\xad\xe6\x96\x87\xe5\xad\x97 \"Ty\" \xc2\xabW\xc2\xbb"),
         true},
        {"marks and emoji",
         utf8("e\xcc\x81 a\xcc\x88 cafe\xcc\x81 \xf0\x9f\x98\x80\xf0\x9f\x91"
              "\x8d\xf0\x9f\x8f\xbd x\xe2\x80\x8dy \xe2\x80\x94 \xe2\x80\xa6"),
         true},
        {"right to left", utf8("abc \xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d def To."), false},
        {"tab", QStringLiteral("a\tTo\tb"), false},
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
            {0, 8, 50, 0},         {-4, 8, 50, 0},       {10, 8, -30, 0},      {10, 8, 500, 10},
            {10, 8, INT_MIN, 0},   {10, 8, INT_MAX, 10}, {1, 8, INT_MIN, 0},   {1, 8, INT_MAX, 1},
            {10, 8, 3.99, 0},      {10, 8, 4.0, 1},      {10, 7, 3.49, 0},     {10, 7, 3.5, 1},
            {10, 7, 3.51, 1},      {100, 8, 403.9, 50},  {100, 8, 404.01, 51}, {10, 8, -0.4, 0},
            {10, 8, 79.7, 10},     {10, 8, 1e300, 10},   {10, 8, -1e300, 0},   {10, 8, qInf(), 10},
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

    // On a real font, after each edit and a font change, every prefix width is measured afresh
    // where the remembered one is stale; indexes outside the text are clamped.
    void realFont()
    {
        const QFont font(QStringLiteral("DejaVu Sans"), 10), big(QStringLiteral("DejaVu Sans"), 30);
        WCaretLocator locator(font);
        const auto check = [&locator](const QFont& f) {
            for (int n = 0; n <= locator.Text().size(); ++n)
                QCOMPARE(locator.PrefixWidth(n),
                         QFontMetrics(f).horizontalAdvance(locator.Text().left(n)));
        };
        // A kerning pair completed, a change at the start, in the middle, shorter, empty, longer.
        for (const char* text :
             {"xA", "xAV", "iiiiii", "Wiiiii", "WiiWii", "Wi", "", "Wil1 mW.x iiM"}) {
            locator.SetText(QString::fromLatin1(text));
            check(font);
        }
        locator.SetFont(big);
        check(big);
        QCOMPARE(locator.PrefixWidth(INT_MIN), 0);
        QCOMPARE(locator.PrefixWidth(INT_MAX), locator.PrefixWidth(13));
        QCOMPARE(locator.CharWidth(-1) + locator.CharWidth(13), 0);
        QCOMPARE(locator.SliceWidth(2, 1), 0);
        QCOMPARE(locator.SliceWidth(INT_MIN, INT_MAX), locator.PrefixWidth(13));
    }

    void exactWidths_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("incremental");
        for (const QFont& font : fonts()) {
            for (const Sample& s : samples())
                QTest::addRow("%s %d, %s", qPrintable(font.family()), font.pointSize(), s.name)
                    << font << s.text << s.incremental;
        }
        // Spacing applied per glyph is not in the pair table: such a font is measured by shaping.
        QFont spaced(QStringLiteral("DejaVu Sans"), 10);
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        QTest::newRow("letter spacing") << spaced << samples().at(0).text << false;
    }

    void exactWidths()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(bool, incremental);
        WCaretLocator locator(font);
        locator.SetText(text);
        QCOMPARE(locator.IsIncremental(), incremental);
        QCOMPARE(compare(locator, font), QString());
    }

    void editsKeepWidthsExact_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<quint32>("seed");
        quint32 seed = 1;
        for (const QFont& font : fonts())
            QTest::addRow("%s", qPrintable(font.family())) << font << seed++;
    }

    // Random insertions, removals and replacements of every kind of text, a right-to-left
    // character coming and going among them: after each, every width is what QFontMetrics says.
    void editsKeepWidthsExact()
    {
        QFETCH(QFont, font);
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        QStringList pieces;
        for (const Sample& s : samples())
            pieces << s.text;
        WCaretLocator locator(font);
        bool sawBoth[2] = {false, false};
        for (int step = 0; step < 30; ++step) {
            const QString& piece = pieces.at(rng.bounded(int(pieces.size())));
            const int a = rng.bounded(int(piece.size()));
            const QString inserted = piece.mid(a, rng.bounded(0, 12));
            const int at = rng.bounded(int(locator.Text().size()) + 1);
            const int removed = rng.bounded(4) ? 0 : rng.bounded(8);
            locator.Replace(at, removed, inserted);
            if (locator.Text().size() > 90)
                locator.Replace(0, 30, QString());
            sawBoth[locator.IsIncremental() ? 1 : 0] = true;
            QCOMPARE(compare(locator, font), QString());
        }
        QVERIFY(sawBoth[1]);
    }

    void visibleRunDrawsTheSamePixels_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from"); // the string laid out starts here in the text
        QTest::addColumn<int>("scroll");
        QString latin, mixed;
        while (latin.size() < 3000)
            latin += samples().at(0).text + ' ' + samples().at(1).text + ' ';
        while (mixed.size() < 3000)
            mixed += samples().at(2).text + samples().at(3).text;
        for (const QFont& font : fonts()) {
            for (int scroll : {0, 917, 12345}) {
                QTest::addRow("%s, latin, scroll %d", qPrintable(font.family()), scroll)
                    << font << latin << 0 << scroll;
                QTest::addRow("%s, mixed, scroll %d", qPrintable(font.family()), scroll)
                    << font << mixed << 0 << scroll;
                QTest::addRow("%s, selection, scroll %d", qPrintable(font.family()), scroll)
                    << font << mixed << 1003 << scroll;
            }
        }
    }

    // Drawing the run from its x gives the pixels of drawing the whole string, with glyphs clipped
    // to a 300-pixel window as the line edit clips them.
    void visibleRunDrawsTheSamePixels()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, scroll);
        WCaretLocator locator(font);
        locator.SetText(text);
        QVERIFY(locator.IsIncremental());
        const QRect window(50, 5, 300, 30);
        const qreal origin = window.left() - scroll;
        const QString laidOut = text.mid(from);
        const auto draw = [&](qreal x, const QString& s) {
            QImage image(400, 40, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(font);
            p.setClipRect(window);
            p.drawText(
                QRectF(QPointF(x, window.top()), QPointF(window.right() + 1, window.bottom() + 1)),
                Qt::AlignVCenter, s);
            return image;
        };
        const QImage whole = draw(origin, laidOut);
        const qreal margin = 2 * QFontMetrics(font).height();
        const WCaretLocator::Run run = locator.VisibleRun(
            from, text.size(), origin, window.left() - margin, window.right() + 1 + margin);
        QVERIFY(run.to - run.from < 400);
        QCOMPARE(draw(run.x, text.mid(run.from, run.to - run.from)), whole);
    }

    void longTextsAreMeasuredWhenLookedAt()
    {
        const QFont font(QStringLiteral("DejaVu Sans"), 10);
        QString text;
        while (text.size() < 200000)
            text += samples().at(1).text + utf8(" \xe4\xb8\xad\xe6\x96\x87 ");
        WCaretLocator locator(font);
        locator.SetText(text);
        QVERIFY(locator.IsIncremental());
        QCOMPARE(locator.PrefixWidth(30), QFontMetrics(font).horizontalAdvance(text.left(30)));
        // The rest waits for a query that needs it.
        QVERIFY(locator.Sums().UnmeasuredBlocks() > locator.Sums().Blocks() - 3);
        QCOMPARE(locator.PrefixWidth(text.size()), QFontMetrics(font).horizontalAdvance(text));
        QCOMPARE(locator.Sums().UnmeasuredBlocks(), 0);
        // An edit near the start leaves the rest measured.
        locator.Replace(5, 3, QStringLiteral("Wo"));
        QVERIFY(locator.Sums().UnmeasuredBlocks() <= 1);
        QCOMPARE(locator.PrefixWidth(locator.Text().size()),
                 QFontMetrics(font).horizontalAdvance(locator.Text()));
    }
};

WEXAL_TEST_MAIN(TestWCaretLocator)
#include "tst_wcaretlocator.moc"
