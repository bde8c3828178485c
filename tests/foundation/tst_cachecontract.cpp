// The library's picture caches held to one contract (WCacheContract.h): the rounded layers of
// faces and borders, the grid's cell texts and the track bar's line pictures. Then the rounded
// layers where the contract does not reach: blitted through a moved painter. How much
// the panels that paint through them keep is the memory benchmark's business.
#include "WCacheContract.h"
#include "WGridListTextCache_p.h"
#include "WRoundedLayerCache_p.h"
#include "WTestSuite.h"
#include "WTrackBar_p.h"

using WexalTest::CacheRow;

namespace {

enum Kind { Back, Border, Face };

struct Layer
{
    Kind kind;
    int radius, width;
    QColor colour;
    QSize size;
    QColor border = QColor(); // a face's, over its background
};

// Faces too small for straight edges and large ones (corners around straight edges and a
// middle, filled or skipped), odd and thick borders, translucent colours, a square one the cache
// leaves alone and radii past half the height; backgrounds and borders painted as one, opaque,
// translucent over opaque and translucent over translucent. From look 100 on, faces of a colour
// each, with corners too large for straight edges: whole layers of half a megabyte or more.
Layer layer(int look)
{
    static const Layer looks[] = {
        {Back, 6, 2, QColor(0xF8, 0xFA, 0xFC), QSize(90, 40)},
        {Back, 9, 3, QColor(10, 20, 30, 128), QSize(90, 40)},
        {Border, 6, 2, QColor(0x25, 0x63, 0xEB), QSize(90, 40)},
        {Border, 12, 7, QColor(Qt::red), QSize(90, 40)},
        {Border, 0, 2, QColor(Qt::black), QSize(90, 40)},
        {Back, 8, 2, QColor(0xF8, 0xFA, 0xFC), QSize(260, 150)},
        {Border, 8, 2, QColor(0x25, 0x63, 0xEB), QSize(260, 150)},
        {Back, 8, 2, QColor(200, 0, 0, 100), QSize(260, 150)},
        {Border, 10, 3, QColor(Qt::darkBlue), QSize(260, 150)},
        {Back, 80, 2, QColor(Qt::darkBlue), QSize(260, 150)},
        {Back, 8, 2, QColor(0xF8, 0xFA, 0xFC), QSize(260, 151)},
        {Face, 8, 2, QColor(0xF8, 0xFA, 0xFC), QSize(260, 150), QColor(0x25, 0x63, 0xEB)},
        {Face, 12, 1, QColor(0xF8, 0xFA, 0xFC), QSize(300, 151), QColor(0, 0, 0, 90)},
        {Face, 5, 3, QColor(30, 140, 60, 160), QSize(121, 300), QColor(200, 0, 0, 200)},
        {Face, 1, 1, QColor(Qt::white), QSize(40, 30), QColor(Qt::darkGray)},
        {Face, 70, 4, QColor(Qt::yellow), QSize(260, 150), QColor(Qt::darkGreen)},
    };
    if (look < 100)
        return looks[look];
    const int i = look - 100;
    return {Back, 260, 2, QColor(i % 256, i / 256, 99), QSize(500, 500)};
}

CacheRow roundedLayers()
{
    const auto paint = [](bool cached) {
        return [cached](QPainter* p, int look) {
            const Layer l = layer(look);
            // At the origin, where widgets draw their faces, clipped as a widget's painter is.
            const QRect at(QPoint(0, 0), l.size);
            WRoundedLayerCache cache;
            p->setClipRect(at);
            // Directly, a face is its background and then its border.
            const QColor line = l.kind == Face ? l.border : l.colour;
            if (cached && l.kind == Face)
                cache.DrawFace(p, at, l.radius, l.colour, l.border, PositionFlag::All, l.width);
            else if (cached && l.kind == Border)
                cache.DrawBorder(p, at, l.radius, l.colour, PositionFlag::All, l.width);
            else if (cached)
                cache.DrawBackColor(p, at, l.radius, l.colour, l.width);
            if (!cached && l.kind != Border)
                WDrawAPI::DrawBackColor(p, at, l.radius, l.colour, l.width);
            if (!cached && l.kind != Back)
                WDrawAPI::DrawBorder(p, at, l.radius, line, PositionFlag::All, l.width);
        };
    };
    return {paint(true),
            paint(false),
            &WRoundedLayerCache::CachedBytes,
            &WRoundedLayerCache::LimitBytes,
            &WRoundedLayerCache::Clear,
            QSize(500, 500),
            16,
            100};
}

QString longText(int n)
{
    return QStringLiteral("Row %1: the quick brown fox jumps over the lazy dog while the grid "
                          "keeps scrolling")
        .arg(n);
}

// Centred in even and odd boxes, wider than the box, too long to keep, and in another font;
// from look 100 on, long texts of a row each.
CacheRow gridTexts()
{
    struct Text
    {
        QString text;
        QRect box;
        QColor colour;
        int points;
    };
    const Text looks[] = {
        {QStringLiteral("Lisbon"), QRect(3, 2, 80, 20), Qt::black, 0},
        {QStringLiteral("#0004217"), QRect(4, 3, 81, 21), QColor(0x25, 0x63, 0xEB), 0},
        {QStringLiteral("Row 7, column 2: ") + longText(0).mid(7), QRect(0, 0, 120, 20),
         QColor(10, 20, 30, 160), 0},
        {longText(3).repeated(4), QRect(0, 0, 1000, 20), Qt::darkRed, 0},
        {QStringLiteral("Lisbon"), QRect(3, 2, 80, 20), Qt::black, 15},
    };
    const auto paint = [looks](bool cached) {
        return [cached, looks](QPainter* p, int look) {
            const Text t = look < 100 ? looks[look]
                                      : Text{longText(look), QRect(0, 0, 1000, 20), Qt::black, 0};
            if (t.points)
                p->setFont(QFont(QStringLiteral("DejaVu Serif"), t.points));
            if (cached) {
                const QPen pen = p->pen();
                WGridListTextCache().Draw(p, t.box, t.text, t.colour);
                QCOMPARE(p->pen(), pen);
                return;
            }
            p->setPen(t.colour);
            p->setClipRect(t.box);
            p->drawText(t.box, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, t.text);
        };
    };
    return {paint(true),
            paint(false),
            &WGridListTextCache::CachedBytes,
            &WGridListTextCache::LimitBytes,
            [] { WGridListTextCache().Clear(); },
            QSize(1000, 30),
            int(std::size(looks)),
            100,
            Qt::white};
}

// Thin and thick lines, in two fills, two lengths and both orientations; from look 100 on,
// thick lines of a length each. The track bar has no other way to its lines: drawn directly
// is drawn into an emptied cache.
CacheRow trackLines()
{
    const auto paint = [](bool cached) {
        return [cached](QPainter* p, int look) {
            WTrackBar t;
            t.SetRadius(8);
            QSize size = look >= 100 ? QSize(300 + look, 210) : QSize(200, 24);
            if (look == 2)
                size = QSize(201, 24);
            t.SetMainLineSize(size.height() - 10);
            if (look == 3) {
                t.SetOrientation(OrientationType::Vertical);
                size.transpose();
            }
            t.SetMainLineBackColor(QColor(0xE5, 0xE7, 0xEB));
            t.SetMainLineFillColor1(look == 1 ? QColor(0xDC, 0x26, 0x26)
                                              : QColor(0x25, 0x63, 0xEB));
            t.SetMainLineFillColor2(QColor(0x93, 0xC5, 0xFD));
            t.SetValue2(70);
            t.SetValue1(20);
            t.resize(size);
            if (!cached)
                WTrackBarLineCache::Clear();
            t.render(p, QPoint(), QRegion(), QWidget::DrawChildren);
        };
    };
    return {paint(true),
            paint(false),
            &WTrackBarLineCache::CachedBytes,
            &WTrackBarLineCache::LimitBytes,
            &WTrackBarLineCache::Clear,
            QSize(540, 210),
            4,
            100};
}

// The caches and how many large looks fill each.
const std::pair<const char*, CacheRow (*)()> caches[] = {
    {"rounded layers", roundedLayers}, {"grid texts", gridTexts}, {"track lines", trackLines}};
const int fill[] = {40, 900, 40};

} // namespace

class TestCacheContract : public QObject
{
    Q_OBJECT

private slots:
    // At each density, the pixels of drawing directly; at 1, shared and bounded as well.
    void contract_data()
    {
        QTest::addColumn<int>("cache");
        QTest::addColumn<qreal>("ratio");
        for (int i = 0; i < int(std::size(caches)); ++i)
            for (const qreal ratio : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("%s at %g", caches[i].first, ratio) << i << ratio;
    }
    void contract()
    {
        QFETCH(int, cache);
        QFETCH(qreal, ratio);
        WexalTest::SamePixelsAsDrawingDirectly(caches[cache].second(), ratio);
        if (ratio != 1)
            return;
        WexalTest::SharedBetweenWidgetsOfOneLook(caches[cache].second());
        WexalTest::BoundedWhateverIsPainted(caches[cache].second(), fill[cache]);
    }

    // A painter moved by whole pixels (a cell widget painted through its grid list's painter)
    // and one moved by a fraction: the layer lands where the whole layer would, with its pixels.
    void roundedLayerUnderATranslation_data()
    {
        QTest::addColumn<QTransform>("transform");
        QTest::newRow("whole pixels") << QTransform::fromTranslate(13, 7);
        QTest::newRow("a fraction") << QTransform::fromTranslate(13.5, 7.25);
    }
    void roundedLayerUnderATranslation()
    {
        QFETCH(QTransform, transform);
        WRoundedLayerCache::Clear();
        const QRect at(0, 0, 240, 140);
        const QColor back(0xF8, 0xFA, 0xFC);
        // The layer drawn once at the origin, as it is cached.
        QImage layer(at.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            WDrawAPI::DrawBackColor(&p, at, 8, back, 2);
        }
        QImage expected(420, 260, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::gray);
        QImage cached = expected;
        {
            QPainter p(&expected);
            p.setTransform(transform);
            p.drawImage(at.topLeft(), layer);
        }
        WRoundedLayerCache cache;
        for (int round = 0; round < 2; ++round) {
            QImage image = cached;
            QPainter p(&image);
            p.setTransform(transform);
            cache.DrawBackColor(&p, at, 8, back, 2);
            p.end();
            QCOMPARE(image, expected);
        }
    }
};

WEXAL_TEST_MAIN(TestCacheContract)
#include "tst_cachecontract.moc"
