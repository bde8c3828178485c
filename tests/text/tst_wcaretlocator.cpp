// The caret search shared by the label and the line edit: the half-character rule at its exact
// boundary, offsets far outside the text, and the prefix widths it remembers across edits.
#include "WCaretLocator_p.h"

#include <QtTest>

#include <climits>

class TestWCaretLocator : public QObject
{
    Q_OBJECT

private slots:
    void search();
    void realFont();
};

void TestWCaretLocator::search()
{
    // {length, width of every character, x, index}. Half a character in goes to the right side:
    // 4 of 8 and 4 of 7 do, 3 of either does not; at the start, in the middle and at the end of
    // the text, where the binary search takes different paths. Far outside: the ends.
    const int rows[][4] = {
        {1000, 8, 3, 0},       {1000, 8, 4, 1},      {1000, 8, 4003, 500}, {1000, 8, 4004, 501},
        {1000, 8, 7999, 1000}, {1000, 7, 6989, 998}, {1000, 7, 6990, 999}, {1000, 1, 6, 6},
        {0, 8, 50, 0},         {-4, 8, 50, 0},       {10, 8, -30, 0},      {10, 8, 500, 10},
        {10, 8, INT_MIN, 0},   {10, 8, INT_MAX, 10}, {1, 8, INT_MIN, 0},   {1, 8, INT_MAX, 1}};
    QVector<int> found, expected;
    for (const auto& r : rows) {
        const int w = r[1];
        found << WCaretLocator::Search(
            r[0], r[2], [w](int n) { return n * w; }, [w](int) { return w; });
        expected << r[3];
    }
    QCOMPARE(found, expected);
}

// On a real font, after each edit and a font change, every prefix width is measured afresh
// where the remembered one is stale; indexes outside the text are clamped.
void TestWCaretLocator::realFont()
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

QTEST_MAIN(TestWCaretLocator)
#include "tst_wcaretlocator.moc"
