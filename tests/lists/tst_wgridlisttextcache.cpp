// The grid's text cache where the cache contract (tst_cachecontract) does not reach: grids paint
// their cells through it, and two grids showing the same texts share them.
#include "WGridListTextCache_p.h"
#include "WTestSuite.h"

class TestWGridListTextCache : public QObject
{
    Q_OBJECT

private slots:
    void gridsShareTheirTexts()
    {
        WGridListTextCache().Clear();
        WGridListData data(3);
        for (int r = 0; r < 40; ++r) {
            WGridListRow* row = data.CreateRow();
            for (int c = 0; c < 3; ++c)
                row->Cells[c] = QStringLiteral("Row %1, column %2").arg(r).arg(c);
            data.AddRow(row);
        }
        qint64 first = 0;
        for (int round = 0; round < 2; ++round) {
            WGridList grid;
            grid.resize(450, 300);
            grid.SetRowForeColor(Qt::black);
            for (int c = 0; c < 3; ++c)
                grid.AddColumn(150, QStringLiteral("Column %1").arg(c + 1));
            grid.ApplyColumn();
            grid.SetDataSource(&data);
            grid.UpdateData();
            QImage frame(grid.size(), QImage::Format_ARGB32_Premultiplied);
            grid.render(&frame);
            grid.SetDataSource(nullptr);
            if (round == 0)
                first = WGridListTextCache::CachedBytes();
        }
        QVERIFY(first > 0);
        QCOMPARE(WGridListTextCache::CachedBytes(), first);
    }
};

WEXAL_TEST_MAIN(TestWGridListTextCache)
#include "tst_wgridlisttextcache.moc"
