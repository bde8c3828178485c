#include "WLineWidths_p.h"

#include <QRandomGenerator>
#include <QtTest>

// The table must give exactly the shaped widths, or not be used at all.
class tst_WLineWidths : public QObject
{
    Q_OBJECT

private slots:
    void matchesShaping_data();
    void matchesShaping();
    void spacingDisablesTable();
    void sharedPerFont();
};

void tst_WLineWidths::matchesShaping_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("sans 9") << QStringLiteral("DejaVu Sans") << 9;
    QTest::newRow("sans 13") << QStringLiteral("DejaVu Sans") << 13;
    QTest::newRow("serif 10") << QStringLiteral("DejaVu Serif") << 10;
    QTest::newRow("mono 11") << QStringLiteral("DejaVu Sans Mono") << 11;
}

void tst_WLineWidths::matchesShaping()
{
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFont font(family);
    font.setPointSize(pointSize);
    WLineWidths widths(font);
    QVERIFY(widths.HasTable()); // else the fast path is never taken

    // Kerning pairs, ligature letters, Latin-1 and beyond, controls and text from other
    // scripts, which must all come out as QFontMetrics measures them.
    const QString pool =
        QString::fromUtf8("AVWTYLPJo.,y-rafilt 0123456789ÄÖÜßéèçøÆŁźŧ«»¿½·\u00AD\u0085ΩжЖ漢\t");
    QRandomGenerator rng(11);
    const QFontMetrics fm(font);
    for (int i = 0; i < 3000; ++i) {
        QString s;
        for (int n = rng.bounded(1, 28); n > 0; --n)
            s += pool.at(rng.bounded(pool.size()));
        QCOMPARE(widths.Width(s), fm.horizontalAdvance(s));
    }
    QCOMPARE(widths.Width(QString()), 0);
    const QStringList lines{QStringLiteral("To"), QStringLiteral("office affluent waffle"),
                            QStringLiteral("AVAVAV")};
    QCOMPARE(widths.Widest(lines), fm.horizontalAdvance(lines.at(1)));
}

void tst_WLineWidths::spacingDisablesTable()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    WLineWidths widths(font);
    QVERIFY(!widths.HasTable());
    const QString s = QStringLiteral("Spaced out");
    QCOMPARE(widths.Width(s), QFontMetrics(font).horizontalAdvance(s));
}

void tst_WLineWidths::sharedPerFont()
{
    QFont a(QStringLiteral("DejaVu Sans"));
    QFont b = a;
    QCOMPARE(&WLineWidths::ForFont(a), &WLineWidths::ForFont(b));
    b.setBold(true);
    QVERIFY(&WLineWidths::ForFont(a) != &WLineWidths::ForFont(b));
    b.setBold(false);
    b.setKerning(false);
    QVERIFY(&WLineWidths::ForFont(a) != &WLineWidths::ForFont(b));
}

QTEST_MAIN(tst_WLineWidths)
#include "tst_wlinewidths.moc"
