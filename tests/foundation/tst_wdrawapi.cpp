#include "WTestSuite.h"

namespace {

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

bool isPainted(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) != 0;
}

} // namespace

class TestWDrawAPI : public QObject
{
    Q_OBJECT

private slots:
    void computeAlphaColor_data()
    {
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QColor>("expected");
        const QColor back(10, 20, 30), fore(200, 100, 50);
        QTest::newRow("alpha 0 is back") << back << fore << 0 << back;
        QTest::newRow("1000 is fore") << back << fore << 1000 << fore;
        // Truncation, not rounding: (200*100 + 10*155) / 255 = 84.5..., green 51.37...
        QTest::newRow("truncates") << back << fore << 100 << QColor(84, 51, 37);
    }
    void computeAlphaColor()
    {
        QFETCH(QColor, back);
        QFETCH(QColor, fore);
        QFETCH(int, alpha);
        QFETCH(QColor, expected);
        // QColor compares alpha too: the blend is opaque.
        QCOMPARE(WDrawAPI::ComputeAlphaColor(back, fore, alpha), expected);
    }

    // Exact white only, alpha kept; no colour, a null image or an 8-bit image (not to be walked
    // as 32-bit words past its end) are handled safely.
    void replaceWhite()
    {
        // An edge's own alpha is kept: tst_densityglyphs, on every glyph's soft edges.
        QImage glyph(2, 1, QImage::Format_ARGB32);
        glyph.setPixel(0, 0, qRgba(255, 255, 255, 255));
        glyph.setPixel(1, 0, qRgba(254, 255, 255, 255));            // near white is left alone
        WDrawAPI::ImageReplaceWhite(glyph, QColor(10, 20, 30, 40)); // to's alpha plays no part
        QCOMPARE(glyph.pixel(0, 0), qRgba(10, 20, 30, 255));
        QCOMPARE(glyph.pixel(1, 0), qRgba(254, 255, 255, 255));
        glyph.fill(Qt::white);
        const QImage before = glyph;
        WDrawAPI::ImageReplaceWhite(glyph, QColor());
        QCOMPARE(glyph, before);
        QImage null;
        WDrawAPI::ImageReplaceWhite(null, Qt::red);
        QVERIFY(null.isNull());
        QImage grey(5, 3, QImage::Format_Grayscale8);
        grey.fill(255);
        WDrawAPI::ImageReplaceWhite(grey, QColor(0, 0, 255));
        QCOMPARE(grey.format(), QImage::Format_ARGB32);
        QCOMPARE(grey.pixel(4, 2), qRgb(0, 0, 255));
    }

    // Rounded, the whole outline is drawn whichever sides are asked for (square borders side by
    // side: squareBorderPixels).
    void roundedBorderIsWhole()
    {
        QImage image = canvas(40, 30);
        QPainter p(&image);
        WDrawAPI::DrawBorder(&p, QRect(0, 0, 40, 30), 4, Qt::black, PositionFlag::Top, 2);
        p.end();
        QVERIFY(isPainted(image, 20, 0));  // top
        QVERIFY(isPainted(image, 20, 29)); // bottom, though only Top was asked for
        QVERIFY(isPainted(image, 0, 15));  // left
        QVERIFY(isPainted(image, 39, 15)); // right
        QVERIFY(!isPainted(image, 20, 15));
        QVERIFY(!isPainted(image, 0, 0)); // the corner is cut by the radius
    }

    void nothingDrawnForZeroWidthOrNoSides_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("sides");
        QTest::newRow("width 0") << 0 << int(PositionFlag::All);
        QTest::newRow("no sides") << 2 << int(PositionFlag::None);
        QTest::newRow("negative width") << -3 << int(PositionFlag::All);
    }
    void nothingDrawnForZeroWidthOrNoSides()
    {
        QFETCH(int, width);
        QFETCH(int, sides);
        QImage image = canvas(20, 20);
        QPainter p(&image);
        WDrawAPI::DrawBorder(&p, image.rect(), 0, Qt::black, PositionFlag::Flags(sides), width);
        p.end();
        QCOMPARE(image, canvas(20, 20));
    }

    // A square border is drawn as one pixel line per unit of width, each side inwards; drawn as
    // bands it gives the very same pixels at every density and offset, translucent corners
    // (covered twice) and sides that overlap included.
    void squareBorderPixels_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPointF>("offset");
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
            for (const QPointF& offset : {QPointF(0, 0), QPointF(0.5, 0.25), QPointF(-3, 7)})
                QTest::addRow("ratio %g, offset %g,%g", ratio, offset.x(), offset.y())
                    << ratio << offset;
    }
    void squareBorderPixels()
    {
        QFETCH(qreal, ratio);
        QFETCH(QPointF, offset);
        const QColor color(200, 30, 60, 140);
        const auto draw = [&](const QRect& r, int sides, int width, bool reference) {
            QImage image(qCeil(48 * ratio), qCeil(40 * ratio), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.translate(offset);
            if (!reference) {
                WDrawAPI::DrawBorder(&p, r, 0, color, PositionFlag::Flags(sides), width);
                return image;
            }
            p.setPen(QPen(color));
            const int w = r.width() - 1, h = r.height() - 1;
            for (int i = 0; i < qMin(width, qMax(r.width(), r.height())); ++i) {
                if (sides & PositionFlag::Top)
                    p.drawLine(r.left(), r.top() + i, r.left() + w, r.top() + i);
                if (sides & PositionFlag::Bottom)
                    p.drawLine(r.left(), r.top() + h - i, r.left() + w, r.top() + h - i);
                if (sides & PositionFlag::Left)
                    p.drawLine(r.left() + i, r.top(), r.left() + i, r.top() + h);
                if (sides & PositionFlag::Right)
                    p.drawLine(r.left() + w - i, r.top(), r.left() + w - i, r.top() + h);
            }
            return image;
        };
        const int sideSets[] = {int(PositionFlag::All), int(PositionFlag::Top),
                                int(PositionFlag::Left | PositionFlag::Bottom),
                                int(PositionFlag::Right | PositionFlag::Top)};
        for (const QRect& r : {QRect(2, 3, 30, 20), QRect(5, 1, 1, 9), QRect(0, 0, 40, 3)}) {
            for (int sides : sideSets) {
                for (int width : {1, 2, 5, 12, 35}) {
                    const QString name =
                        QString::asprintf("rect %d,%d %dx%d, sides %d, width %d", r.x(), r.y(),
                                          r.width(), r.height(), sides, width);
                    QVERIFY2(draw(r, sides, width, false) == draw(r, sides, width, true),
                             qPrintable(name));
                }
            }
        }
    }

    void hugeBorderWidthIsBounded()
    {
        // A width far past the rectangle costs no more than covering it, and never hangs, nor
        // does a rectangle far larger than what is painted on.
        QImage image = canvas(20, 10);
        QPainter p(&image);
        WDrawAPI::DrawBorder(&p, image.rect(), 0, Qt::black, PositionFlag::All, INT_MAX);
        WDrawAPI::DrawBorder(&p, image.rect(), INT_MAX, Qt::black, PositionFlag::All, INT_MAX);
        WDrawAPI::DrawBackColor(&p, image.rect(), INT_MAX, Qt::red, INT_MAX);
        const QRect huge(-5, -5, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        WDrawAPI::DrawBorder(&p, huge, 0, Qt::blue, PositionFlag::All, INT_MAX);
        p.end();
        QVERIFY(isPainted(image, 10, 5));
        QCOMPARE(image.pixel(3, 3), QColor(Qt::blue).rgba());
    }

    void backColor()
    {
        QImage image = canvas(40, 40);
        QPainter p(&image);
        // Square: exactly the rectangle, whatever the border width.
        WDrawAPI::DrawBackColor(&p, QRect(2, 3, 4, 5), 0, Qt::red, 7);
        p.end();
        QCOMPARE(image.pixel(2, 3), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(5, 7), qRgb(255, 0, 0));
        QVERIFY(!isPainted(image, 1, 3) && !isPainted(image, 6, 7) && !isPainted(image, 5, 8));

        // Rounded: the corner is cut and the fill starts half-way into a 4-pixel border so
        // that the stroke covers its edge. Its antialiasing is not left to the caller's painter,
        // whose next square lines would blur.
        image = canvas(40, 40);
        p.begin(&image);
        WDrawAPI::DrawBackColor(&p, image.rect(), 8, Qt::red, 4);
        QVERIFY(!p.testRenderHint(QPainter::Antialiasing));
        p.end();
        QCOMPARE(image.pixel(20, 20), qRgb(255, 0, 0));
        QVERIFY(!isPainted(image, 0, 0) && !isPainted(image, 20, 0) && isPainted(image, 20, 2));

        // An unset colour is not skipped: only alpha decides, and an invalid colour reports
        // full alpha.
        image = canvas(10, 10);
        p.begin(&image);
        WDrawAPI::DrawBackColor(&p, image.rect(), 0, QColor(), 0);
        p.end();
        QVERIFY(isPainted(image, 5, 5));
    }

    // Centred by the sizes, an odd remainder truncated; a null image is ignored. Centring, and a
    // larger image starting above and left of the rectangle, show in tst_wbutton's image rows.
    void drawImageTruncatesTheRemainder()
    {
        QImage dot(4, 4, QImage::Format_ARGB32);
        dot.fill(Qt::transparent);
        dot.setPixel(3, 3, qRgb(0, 0, 255));
        QImage image = canvas(20, 20);
        QPainter p(&image);
        WDrawAPI::DrawImage(&p, QRect(0, 0, 11, 11), dot);
        WDrawAPI::DrawImage(&p, 0, 0, QImage());
        WDrawAPI::DrawImage(&p, QRect(0, 0, 11, 11), QImage());
        p.end();
        QCOMPARE(image.pixel(6, 6), qRgb(0, 0, 255));
    }

    void getChildAt()
    {
        QWidget root;
        root.resize(100, 100);
        auto* under = new QWidget(&root);
        under->setGeometry(10, 10, 50, 50);
        auto* over = new QWidget(&root);
        over->setGeometry(30, 30, 50, 50);
        auto* deep = new QWidget(over);
        deep->setGeometry(5, 5, 10, 10);

        QPoint pos(40, 40);
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, true, true), deep); // later child is on top
        QCOMPARE(pos, QPoint(5, 5)); // left in the hit's own coordinates

        pos = QPoint(79, 79); // right and bottom edges included
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, true, true), over);

        over->hide();
        pos = QPoint(40, 40);
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, true, true), under);
        pos = QPoint(40, 40);
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, false, true), deep);

        over->show();
        over->setEnabled(false);
        pos = QPoint(40, 40);
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, true, true), under);

        pos = QPoint(95, 5);
        QCOMPARE(WDrawAPI::GetChildAt(&root, pos, true, true), &root);
        QCOMPARE(WDrawAPI::GetChildAt(nullptr, pos, true, true), nullptr);
    }
};

WEXAL_TEST_MAIN(TestWDrawAPI)
#include "tst_wdrawapi.moc"
