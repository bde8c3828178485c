// The rounded-layer cache where the cache contract (tst_cachecontract) does not reach: a layer
// blitted through a moved or scaled painter, and panels, which paint through it, sharing it.
#include "WRoundedLayerCache_p.h"
#include "WTestSuite.h"

class TestWRoundedLayerCache : public QObject
{
    Q_OBJECT

    static QImage canvas(const QSize& size)
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::gray);
        return image;
    }

private slots:
    void init() { WRoundedLayerCache::Clear(); }

    // A painter moved by whole pixels (a child painted through its parent) and one moved by a
    // fraction or scaled: the layer lands where the whole layer would, with its pixels.
    void rimAndMiddleUnderTransforms_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::newRow("whole-pixel translation") << QTransform::fromTranslate(13, 7);
        QTest::newRow("fractional translation") << QTransform::fromTranslate(13.5, 7.25);
        QTest::newRow("scaled") << QTransform::fromScale(1.5, 1.5);
    }
    void rimAndMiddleUnderTransforms()
    {
        QFETCH(QTransform, transform);
        const QRect at(0, 0, 240, 140);
        const QColor back(0xF8, 0xFA, 0xFC);
        // The layer drawn once at the origin, as it is cached.
        QImage layer(at.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            WDrawAPI::DrawBackColor(&p, at, 8, back, 2);
        }
        QImage expected = canvas(QSize(420, 260));
        {
            QPainter p(&expected);
            p.setTransform(transform);
            p.drawImage(at.topLeft(), layer);
        }
        WRoundedLayerCache cache;
        for (int round = 0; round < 2; ++round) {
            QImage cached = canvas(QSize(420, 260));
            QPainter p(&cached);
            p.setTransform(transform);
            cache.DrawBackColor(&p, at, 8, back, 2);
            p.end();
            QCOMPARE(cached, expected);
        }
    }

    // Panels of one look, however many, hold one face and one border layer between them.
    void panelsOfOneLookShareTheirLayers()
    {
        QImage target = canvas(QSize(300, 200));
        for (int i = 0; i < 20; ++i) {
            WPanel panel;
            panel.resize(300, 200);
            panel.SetRadius(12);
            panel.SetBackColor(QColor(0xF8, 0xFA, 0xFC));
            panel.SetBorder(PositionFlag::All);
            panel.SetBorderWidth(2);
            panel.SetBorderColor(QColor(0x25, 0x63, 0xEB));
            panel.render(&target);
            QCOMPARE(WRoundedLayerCache::CachedBytes(), qint64(2 * 300 * 200 * 4));
        }
    }
};

WEXAL_TEST_MAIN(TestWRoundedLayerCache)
#include "tst_wroundedlayercache.moc"
