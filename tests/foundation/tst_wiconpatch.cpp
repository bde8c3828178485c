// WIconPatch: a shadow's nine-patch cut from the drawing that suits the painter's density,
// composed again only when the drawing or the size changes; absurd margins and missing images.
#include "SudokuPatch.h"
#include "WDenseRendering.h"
#include "WIconPatch_p.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

class TestWIconPatch : public QObject
{
    Q_OBJECT

private slots:
    void cutForThePaintersDensity();
    void composedOnlyWhenNeeded();
    void unusable();
};

namespace {

QImage paint(WIconPatch& patch, const QSize& size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    patch.Paint(&painter, size);
    return image;
}

} // namespace

// Painted at 1, 2, 1.5 and 3 device pixels per pixel in turn: each time cut from the drawing
// that suits, its corners (and at whole ratios its stretched edges) that drawing's pixels.
void TestWIconPatch::cutForThePaintersDensity()
{
    const char* path = "://Icons/WForm/ShadowActive.png";
    WIconPatch patch(QString::fromLatin1(path), 16, true);
    QCOMPARE(patch.Scale(), 1);
    const QSize size(240, 180);
    for (const auto& [ratio, drawing] : {std::pair{1.0, 1}, {2.0, 2}, {1.5, 2}, {3.0, 3}}) {
        const QImage image = paint(patch, size, ratio);
        QCOMPARE(patch.Scale(), drawing);
        QCOMPARE(patch.Patch().Size(), size);
        const QImage file = WexalTest::IconFile(path, drawing);
        QCOMPARE(WexalTest::Shows(image, QRect(0, 0, 16, 16), Qt::transparent, file, {0, 0}),
                 QString());
        QCOMPARE(WexalTest::Shows(image, QRect(224, 164, 16, 16), Qt::transparent, file, {140, 80}),
                 QString());
        // Stretched and then filtered to 1.5 differs from the file filtered alone by rounding.
        if (ratio == std::floor(ratio))
            QCOMPARE(WexalTest::Shows(image, QRect(100, 0, 30, 16), Qt::transparent, file, {70, 0}),
                     QString());
        // The centre is left out.
        QCOMPARE(
            WexalTest::Shows(image, QRect(16, 16, 208, 148), Qt::transparent, QImage(), {0, 0}),
            QString());
    }
}

// Prepare composes for a size and a density; asking again for the same is free, and a new
// density cuts anew.
void TestWIconPatch::composedOnlyWhenNeeded()
{
    WIconPatch patch(QStringLiteral(":/Icons/Shadow.png"), 6);
    patch.Prepare(QSize(80, 50), 2);
    QCOMPARE(patch.Scale(), 2);
    QCOMPARE(patch.Patch().Size(), QSize(80, 50));
    const SudokuPatch* cut = &patch.Patch();
    patch.Prepare(QSize(80, 50), 1.6);
    QCOMPARE(&patch.Patch(), cut);
    patch.Prepare(QSize(90, 50), 2);
    QCOMPARE(&patch.Patch(), cut);
    QCOMPARE(patch.Patch().Size(), QSize(90, 50));
    patch.Prepare(QSize(90, 50), 1);
    QCOMPARE(patch.Scale(), 1);
    QCOMPARE(patch.Patch().Size(), QSize(90, 50));
    patch.Prepare(QSize(), 3); // a density alone cuts, and keeps no size
    QCOMPARE(patch.Scale(), 3);
    QCOMPARE(patch.Patch().Size(), QSize(0, 0));
}

// Margins larger than the image, negative ones, an image that is not there, and sizes no
// screen has: nothing painted, nothing broken.
void TestWIconPatch::unusable()
{
    WIconPatch wide(QStringLiteral(":/Icons/Shadow.png"), 9);
    WIconPatch negative(QStringLiteral(":/Icons/Shadow.png"), -3);
    WIconPatch missing(QStringLiteral(":/Icons/Nothing.png"), 4);
    for (WIconPatch* patch : {&wide, &negative, &missing}) {
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage image = paint(*patch, QSize(40, 30), ratio);
            QCOMPARE(
                WexalTest::Shows(image, QRect(0, 0, 40, 30), Qt::transparent, QImage(), {0, 0}),
                QString());
        }
    }
    WIconPatch shadow(QStringLiteral(":/Icons/Shadow.png"), 6);
    for (const QSize& size : {QSize(-5, 10), QSize(0, 0), QSize(1 << 20, 1 << 20)}) {
        shadow.Prepare(size, 3);
        QVERIFY(shadow.Patch().Size().isEmpty());
    }
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    shadow.Paint(&painter, QSize(INT_MAX, INT_MAX));
    shadow.Paint(nullptr, QSize(40, 30));
}

QTEST_MAIN(TestWIconPatch)
#include "tst_wiconpatch.moc"
