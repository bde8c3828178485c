// The rounded-layer cache: the pixels of drawing directly, from a miss and from a hit; layers
// shared by every widget of the same look and size; the whole cache bounded whatever is painted;
// and what 200 rounded 500x500 panels add to the process (printed).
#include "WDrawAPI.h"
#include "WPanel.h"
#include "WRoundedLayerCache_p.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <vector>

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

QImage canvas(const QSize& size, qreal dpr)
{
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

std::unique_ptr<WPanel> roundedPanel(const QColor& back)
{
    auto panel = std::make_unique<WPanel>();
    panel->resize(500, 500);
    panel->SetRadius(12);
    panel->SetBackColor(back);
    panel->SetBorder(PositionFlag::All);
    panel->SetBorderWidth(2);
    panel->SetBorderColor(QColor(0x25, 0x63, 0xEB));
    return panel;
}

} // namespace

class TestWRoundedLayerCache : public QObject
{
    Q_OBJECT

private slots:
    void init() { WRoundedLayerCache::Clear(); }

    // The layer drawn whole, and (where the painter draws 1:1) as a blitted rim around a filled
    // or skipped middle: either way the pixels of drawing directly, on a clear and on an opaque
    // ground, at whole and fractional ratios.
    void samePixelsAsDrawingDirectly_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("width");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("ground");
        const QSize small(90, 40), large(260, 150);
        const QColor clear(Qt::transparent), grey(0x80, 0x80, 0x80);
        QTest::newRow("back") << false << 6 << 2 << QColor(0xF8, 0xFA, 0xFC) << 1.0 << small
                              << clear;
        QTest::newRow("back, odd border")
            << false << 9 << 3 << QColor(10, 20, 30, 128) << 1.0 << small << clear;
        QTest::newRow("border") << true << 6 << 2 << QColor(0x25, 0x63, 0xEB) << 1.0 << small
                                << clear;
        QTest::newRow("border, thick")
            << true << 12 << 7 << QColor(Qt::red) << 1.0 << small << clear;
        QTest::newRow("back, high dpi")
            << false << 6 << 2 << QColor(Qt::darkGreen) << 2.0 << small << clear;
        QTest::newRow("border, high dpi")
            << true << 5 << 1 << QColor(Qt::black) << 2.0 << small << clear;
        QTest::newRow("square: not cached")
            << true << 0 << 2 << QColor(Qt::black) << 1.0 << small << clear;
        QTest::newRow("large back on grey")
            << false << 8 << 2 << QColor(0xF8, 0xFA, 0xFC) << 1.0 << large << grey;
        QTest::newRow("large border on grey")
            << true << 8 << 2 << QColor(0x25, 0x63, 0xEB) << 1.0 << large << grey;
        QTest::newRow("large translucent back on grey")
            << false << 8 << 2 << QColor(200, 0, 0, 100) << 1.0 << large << grey;
        QTest::newRow("large back, ratio 3")
            << false << 10 << 1 << QColor(Qt::darkBlue) << 3.0 << large << grey;
        QTest::newRow("large border, ratio 1.5")
            << true << 10 << 3 << QColor(Qt::darkBlue) << 1.5 << large << grey;
        QTest::newRow("radius beyond half the height")
            << false << 80 << 2 << QColor(Qt::darkBlue) << 1.0 << large << grey;
    }
    void samePixelsAsDrawingDirectly()
    {
        QFETCH(bool, border);
        QFETCH(int, radius);
        QFETCH(int, width);
        QFETCH(QColor, color);
        QFETCH(qreal, dpr);
        QFETCH(QSize, size);
        QFETCH(QColor, ground);
        // At the origin, where widgets draw their faces: Qt's anti-aliased strokes differ by a
        // few pixels between positions, so a layer matches a direct drawing where it was made.
        const QRect at(QPoint(0, 0), size);
        QImage direct = canvas(size + QSize(20, 20), dpr);
        direct.fill(ground);
        QPainter p(&direct);
        p.setClipRect(at); // as a widget's own painter is clipped to it
        if (border)
            WDrawAPI::DrawBorder(&p, at, radius, color, PositionFlag::All, width);
        else
            WDrawAPI::DrawBackColor(&p, at, radius, color, width);
        p.end();
        // A miss draws the layer, a hit blits it; a second object shares it.
        for (int round = 0; round < 2; ++round) {
            WRoundedLayerCache cache;
            QImage cached = canvas(size + QSize(20, 20), dpr);
            cached.fill(ground);
            QPainter q(&cached);
            if (border)
                cache.DrawBorder(&q, at, radius, color, PositionFlag::All, width);
            else
                cache.DrawBackColor(&q, at, radius, color, width);
            q.end();
            QCOMPARE(cached, direct);
        }
    }

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
        QImage layer = canvas(at.size(), 1);
        {
            QPainter p(&layer);
            WDrawAPI::DrawBackColor(&p, at, 8, back, 2);
        }
        QImage expected = canvas(QSize(420, 260), 1);
        expected.fill(Qt::gray);
        {
            QPainter p(&expected);
            p.setTransform(transform);
            p.drawImage(at.topLeft(), layer);
        }
        WRoundedLayerCache cache;
        for (int round = 0; round < 2; ++round) {
            QImage cached = canvas(QSize(420, 260), 1);
            cached.fill(Qt::gray);
            QPainter p(&cached);
            p.setTransform(transform);
            cache.DrawBackColor(&p, at, 8, back, 2);
            p.end();
            QCOMPARE(cached, expected);
        }
    }

    // Two widgets of one look hold one layer; another size or colour is another layer.
    void sharedBetweenWidgetsOfOneLook()
    {
        QImage target = canvas(QSize(300, 300), 1);
        QPainter p(&target);
        WRoundedLayerCache first, second;
        first.DrawBackColor(&p, QRect(0, 0, 120, 80), 8, Qt::blue, 2);
        const qint64 one = WRoundedLayerCache::CachedBytes();
        QCOMPARE(one, qint64(120 * 80 * 4));
        second.DrawBackColor(&p, QRect(130, 110, 120, 80), 8, Qt::blue, 2);
        QCOMPARE(WRoundedLayerCache::CachedBytes(), one);
        p.end();
        QCOMPARE(target.copy(130, 110, 120, 80), target.copy(0, 0, 120, 80));
        p.begin(&target);
        second.DrawBackColor(&p, QRect(30, 40, 120, 81), 8, Qt::blue, 2);
        second.DrawBackColor(&p, QRect(30, 40, 120, 80), 8, Qt::red, 2);
        QCOMPARE(WRoundedLayerCache::CachedBytes(), 3 * one + 120 * 4);
    }

    // Hundreds of distinct large looks: the cache stays within its limit, and what it forgot
    // is drawn afresh with the same pixels.
    void boundedWhateverIsPainted()
    {
        QImage target = canvas(QSize(500, 500), 1);
        QPainter p(&target);
        WRoundedLayerCache cache;
        qint64 most = 0;
        for (int i = 0; i < 300; ++i) {
            cache.DrawBackColor(&p, QRect(0, 0, 500, 500), 12, QColor(i % 256, i / 256, 99), 2);
            most = qMax(most, WRoundedLayerCache::CachedBytes());
        }
        p.end();
        qInfo("300 distinct 500x500 layers: the cache peaked at %.1f MiB (limit %.1f MiB)",
              most / 1048576.0, WRoundedLayerCache::LimitBytes() / 1048576.0);
        QVERIFY(most <= WRoundedLayerCache::LimitBytes());
        QVERIFY(WRoundedLayerCache::LimitBytes() <= 32 * 1048576);
        QImage again = canvas(QSize(500, 500), 1);
        QImage direct = again;
        QPainter a(&again), d(&direct);
        cache.DrawBackColor(&a, QRect(0, 0, 500, 500), 12, QColor(0, 0, 99), 2);
        WDrawAPI::DrawBackColor(&d, QRect(0, 0, 500, 500), 12, QColor(0, 0, 99), 2);
        a.end();
        d.end();
        QCOMPARE(again, direct);
    }

    // The figure that grew without bound: 200 rounded, bordered 500x500 panels painted once.
    void twoHundredPanels_data()
    {
        QTest::addColumn<bool>("oneLook");
        QTest::newRow("one look") << true;
        QTest::newRow("a look each") << false;
    }
    void twoHundredPanels()
    {
        QFETCH(bool, oneLook);
        QImage target(500, 500, QImage::Format_ARGB32_Premultiplied);
        const double before = residentMiB();
        std::vector<std::unique_ptr<WPanel>> panels;
        for (int i = 0; i < 200; ++i) {
            panels.push_back(roundedPanel(oneLook ? QColor(0xF8, 0xFA, 0xFC) : QColor(i, 9, 9)));
            panels.back()->render(&target);
        }
        const double grown = residentMiB() - before;
        const qint64 cached = WRoundedLayerCache::CachedBytes();
        qInfo("200 rounded 500x500 panels (%s): the process grew by %.1f MiB, the layer cache "
              "holds %.1f MiB",
              oneLook ? "one look" : "a look each", grown, cached / 1048576.0);
        QVERIFY(cached <= 32 * 1048576);
        if (oneLook) // a back and a border layer for all of them
            QCOMPARE(cached, qint64(2 * 500 * 500 * 4));
            // Forgotten layers go back to the allocator; what stays is bounded by the cache. Under
            // AddressSanitizer freed blocks stay resident in its quarantine, so the growth depends
            // on what ran before; the build without it (the Qt 6 stage) holds this.
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(grown < 32, qPrintable(QString::number(grown)));
#endif
    }
};

QTEST_MAIN(TestWRoundedLayerCache)
#include "tst_wroundedlayercache.moc"
