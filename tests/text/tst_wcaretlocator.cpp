// The caret search shared by the label and the line edit: the half-character rule at its exact
// boundary, the binary search against the nearest boundary, and the prefix-width memory.
#include "WCaretLocator_p.h"

#include <QFontDatabase>
#include <QtTest>

#include <climits>

class TestWCaretLocator : public QObject
{
    Q_OBJECT

private slots:
    void halfCharacterRule_data();
    void halfCharacterRule();
    void outOfRangeOffsets_data();
    void outOfRangeOffsets();
    void nearestBoundaryInRealFont();
    void rememberedWidthsFollowEdits_data();
    void rememberedWidthsFollowEdits();
    void fontChangeForgetsWidths();
    void clampsIndexes();
};

namespace {

// A text of `count` characters, each `charWidth` pixels wide, behind the caret search.
int searchFixed(int count, int charWidth, int x)
{
    return WCaretLocator::Search(
        count, x, [charWidth](int n) { return n * charWidth; },
        [charWidth](int) { return charWidth; });
}

QFont testFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(10);
    return f;
}

} // namespace

void TestWCaretLocator::halfCharacterRule_data()
{
    QTest::addColumn<int>("charWidth");
    QTest::addColumn<int>("into"); // pixels into the character that begins at offset w
    QTest::addColumn<bool>("after");

    // Eight pixels: 3 is short of half (3 < 5), 4 is exactly half and goes to the right side.
    QTest::newRow("8px, 3 in") << 8 << 3 << false;
    QTest::newRow("8px, 4 in") << 8 << 4 << true;
    // Seven pixels: 3 against 4 stays left, 4 against 3 goes right.
    QTest::newRow("7px, 3 in") << 7 << 3 << false;
    QTest::newRow("7px, 4 in") << 7 << 4 << true;
    QTest::newRow("8px, on the left edge") << 8 << 0 << false;
    QTest::newRow("8px, last pixel") << 8 << 7 << true;
    QTest::newRow("1px, on the edge") << 1 << 0 << false;
}

void TestWCaretLocator::halfCharacterRule()
{
    QFETCH(int, charWidth);
    QFETCH(int, into);
    QFETCH(bool, after);
    // The character at index k begins at w = k * charWidth; try it at the start, in the middle
    // and at the end of a long text, where the binary search takes different paths.
    for (int k : {0, 1, 6, 500, 998, 999}) {
        const int x = k * charWidth + into;
        QCOMPARE(searchFixed(1000, charWidth, x), after ? k + 1 : k);
    }
}

void TestWCaretLocator::outOfRangeOffsets_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty text") << 0 << 50 << 0;
    QTest::newRow("negative length") << -4 << 50 << 0;
    QTest::newRow("left of the text") << 10 << -30 << 0;
    QTest::newRow("INT_MIN") << 10 << INT_MIN << 0;
    QTest::newRow("right of the text") << 10 << 500 << 10;
    QTest::newRow("INT_MAX") << 10 << INT_MAX << 10;
    QTest::newRow("one char, INT_MAX") << 1 << INT_MAX << 1;
    QTest::newRow("one char, INT_MIN") << 1 << INT_MIN << 0;
}

void TestWCaretLocator::outOfRangeOffsets()
{
    QFETCH(int, length);
    QFETCH(int, x);
    QFETCH(int, expected);
    QCOMPARE(searchFixed(length, 8, x), expected);
}

// With uneven widths from a real font, every offset lands on the nearest character boundary, a
// tie going to the right.
void TestWCaretLocator::nearestBoundaryInRealFont()
{
    const QString text = QStringLiteral("Wil1 mW.x iiMM");
    WCaretLocator locator(testFont());
    locator.SetText(text);
    const QFontMetrics fm(testFont());
    QVector<int> bounds;
    for (int n = 0; n <= text.size(); ++n)
        bounds << fm.horizontalAdvance(text.left(n));
    for (int x = -5; x <= bounds.last() + 5; ++x) {
        int best = 0;
        for (int n = 1; n < bounds.size(); ++n) {
            // Between two boundaries the caret goes right from half the character on.
            const int start = bounds[n - 1];
            const int charWidth = fm.horizontalAdvance(text.at(n - 1));
            if (x >= start && x - start >= charWidth - (x - start))
                best = n;
        }
        QCOMPARE(locator.IndexAt(x), best);
    }
}

void TestWCaretLocator::rememberedWidthsFollowEdits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("append") << QStringLiteral("abc") << QStringLiteral("abcWWW");
    QTest::newRow("change at the start") << QStringLiteral("iiiiii") << QStringLiteral("Wiiiii");
    QTest::newRow("change in the middle") << QStringLiteral("iiiiii") << QStringLiteral("iiiWii");
    QTest::newRow("shorter") << QStringLiteral("WWWWWW") << QStringLiteral("WW");
    QTest::newRow("to empty") << QStringLiteral("WWW") << QString();
    QTest::newRow("from empty") << QString() << QStringLiteral("Wi.W");
    QTest::newRow("kerning pair completed") << QStringLiteral("xA") << QStringLiteral("xAV");
}

// Widths measured before an edit are reused only where the prefix is unchanged.
void TestWCaretLocator::rememberedWidthsFollowEdits()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QFontMetrics fm(testFont());
    WCaretLocator locator(testFont());
    locator.SetText(before);
    for (int n = 0; n <= before.size(); ++n)
        QCOMPARE(locator.PrefixWidth(n), fm.horizontalAdvance(before.left(n)));
    locator.SetText(after);
    QCOMPARE(locator.Text(), after);
    for (int n = 0; n <= after.size(); ++n)
        QCOMPARE(locator.PrefixWidth(n), fm.horizontalAdvance(after.left(n)));
}

void TestWCaretLocator::fontChangeForgetsWidths()
{
    WCaretLocator locator(testFont());
    locator.SetText(QStringLiteral("WWWW"));
    const int small = locator.PrefixWidth(4);
    QFont big = testFont();
    big.setPointSize(30);
    locator.SetFont(big);
    QCOMPARE(locator.PrefixWidth(4), QFontMetrics(big).horizontalAdvance(QStringLiteral("WWWW")));
    QVERIFY(locator.PrefixWidth(4) > small);
    QCOMPARE(locator.CharWidth(0), QFontMetrics(big).horizontalAdvance(QLatin1Char('W')));
}

void TestWCaretLocator::clampsIndexes()
{
    WCaretLocator locator(testFont());
    locator.SetText(QStringLiteral("abc"));
    QCOMPARE(locator.PrefixWidth(-7), 0);
    QCOMPARE(locator.PrefixWidth(INT_MAX), locator.PrefixWidth(3));
    QCOMPARE(locator.PrefixWidth(INT_MIN), 0);
    QCOMPARE(locator.CharWidth(-1), 0);
    QCOMPARE(locator.CharWidth(3), 0);
    QCOMPARE(locator.SliceWidth(2, 1), 0);
    QCOMPARE(locator.SliceWidth(INT_MIN, INT_MAX), locator.PrefixWidth(3));
}

QTEST_MAIN(TestWCaretLocator)
#include "tst_wcaretlocator.moc"
