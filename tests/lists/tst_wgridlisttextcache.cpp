// The grid's text cache: the pixels of drawText from a miss and from a hit, texts shared by every
// grid, and the whole cache bounded however far a grid of long texts is scrolled (printed).
#include "WGridList.h"
#include "WGridListData.h"
#include "WGridListTextCache_p.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <unistd.h>

namespace {

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() < 2
               ? 0
               : fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

QString longText(int row, int column)
{
    return QStringLiteral("Row %1, column %2: the quick brown fox jumps over the lazy dog "
                          "while the grid keeps scrolling")
        .arg(row)
        .arg(column);
}

constexpr int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

class TestWGridListTextCache : public QObject
{
    Q_OBJECT

private slots:
    void init() { WGridListTextCache().Clear(); }

    void samePixelsAsDrawText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("even box") << QStringLiteral("Lisbon") << QRect(3, 2, 80, 20)
                                  << QColor(Qt::black);
        QTest::newRow("odd box") << QStringLiteral("#0004217") << QRect(4, 3, 81, 21)
                                 << QColor(0x25, 0x63, 0xEB);
        QTest::newRow("wider than its box")
            << longText(7, 2) << QRect(0, 0, 120, 20) << QColor(10, 20, 30, 160);
        QTest::newRow("too long to keep")
            << longText(7, 2).repeated(4) << QRect(0, 0, 300, 20) << QColor(Qt::darkRed);
    }
    void samePixelsAsDrawText()
    {
        QFETCH(QString, text);
        QFETCH(QRect, box);
        QFETCH(QColor, colour);
        QImage expected(320, 30, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.setPen(colour);
        p.setClipRect(box);
        p.drawText(box, flags, text);
        p.end();
        for (int round = 0; round < 2; ++round) { // a miss, then a hit through another object
            WGridListTextCache cache;
            QImage drawn(320, 30, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::white);
            QPainter q(&drawn);
            cache.Draw(&q, box, text, colour);
            QCOMPARE(q.pen(), QPen()); // left as it was
            q.end();
            QCOMPARE(drawn, expected);
        }
    }

    void sharedBetweenGrids()
    {
        QImage target(200, 30, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&target);
        WGridListTextCache first, second;
        first.Draw(&p, QRect(0, 0, 100, 20), QStringLiteral("Oslo"), Qt::black);
        const qint64 one = WGridListTextCache::CachedBytes();
        QVERIFY(one > 0);
        second.Draw(&p, QRect(50, 5, 100, 20), QStringLiteral("Oslo"), Qt::black);
        QCOMPARE(WGridListTextCache::CachedBytes(), one);
        p.setFont(QFont(QStringLiteral("DejaVu Serif"), 15));
        second.Draw(&p, QRect(50, 5, 100, 20), QStringLiteral("Oslo"), Qt::black);
        QVERIFY(WGridListTextCache::CachedBytes() > one);
    }

    // A grid scrolled through thousands of rows of long texts: the cache never holds more
    // than its limit. (What the process keeps is printed too; under AddressSanitizer it also
    // counts the freed images the sanitizer holds back.)
    void boundedWhateverIsScrolled()
    {
        const int rows = 3000;
        WGridListData data(4);
        for (int r = 0; r < rows; ++r) {
            WGridListRow* row = data.CreateRow();
            for (int c = 0; c < 4; ++c)
                row->Cells[c] = longText(r, c);
            data.AddRow(row);
        }
        WGridList grid;
        grid.resize(800, 600);
        grid.SetBackColor(Qt::white);
        grid.SetRowForeColor(Qt::black);
        for (int c = 0; c < 4; ++c)
            grid.AddColumn(200, QStringLiteral("Column %1").arg(c + 1));
        grid.ApplyColumn();
        grid.SetDataSource(&data);
        grid.UpdateData();
        QImage frame(grid.size(), QImage::Format_ARGB32_Premultiplied);
        const double before = residentMiB();
        qint64 most = 0;
        for (int offset = 0; offset < rows * grid.RowHeight(); offset += 300) {
            grid.SetVScrollBarValue(offset);
            grid.render(&frame);
            most = qMax(most, WGridListTextCache::CachedBytes());
        }
        const double grown = residentMiB() - before;
        grid.SetDataSource(nullptr);
        qInfo("%d rows of long texts scrolled through: the text cache peaked at %.1f MiB (limit "
              "%.1f MiB), the process grew by %.1f MiB",
              rows, most / 1048576.0, WGridListTextCache::LimitBytes() / 1048576.0, grown);
        QVERIFY(most > 0);
        QVERIFY(most <= WGridListTextCache::LimitBytes());
        QVERIFY(WGridListTextCache::LimitBytes() <= 64 * 1048576);
    }
};

QTEST_MAIN(TestWGridListTextCache)
#include "tst_wgridlisttextcache.moc"
