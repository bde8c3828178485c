// WIconGlyph: nothing before the first Load; a glyph recoloured at the density asked for, and
// again from the white drawing when the density or the colour changes; images that cannot be
// recoloured or read.
#include "WDenseRendering.h"
#include "WIconGlyph_p.h"

#include <QtTest>

class TestWIconGlyph : public QObject
{
    Q_OBJECT

private slots:
    void followsTheDensity();
    void recolouringNeverCompounds();
    void nothingToShow();
};

namespace {
const char* const path = "://Icons/WHourMinutePicker/UpButton.png";
}

// Loaded for one density, asked for at others: each time the drawing that suits, in the colour,
// premultiplied as the painter blends it; no new drawing while the same one suits.
void TestWIconGlyph::followsTheDensity()
{
    WIconGlyph glyph{QString::fromLatin1(path)};
    const QColor colour(0x25, 0x63, 0xEB);
    glyph.Load(colour, 1);
    const auto expected = [&](int drawing) {
        return WexalTest::IconFile(path, drawing, colour)
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    QCOMPARE(glyph.Image(), expected(1));
    for (const auto& [ratio, drawing] :
         {std::pair{2.0, 2}, {1.5, 2}, {3.0, 3}, {1.0, 1}, {1.25, 2}}) {
        const QImage& image = glyph.At(ratio);
        QCOMPARE(image, expected(drawing));
        QCOMPARE(image.devicePixelRatio(), qreal(drawing));
        QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
    }
    const qint64 key = glyph.At(2).cacheKey();
    QCOMPARE(glyph.At(1.75).cacheKey(), key);
    glyph.Load(colour, 3);
    QCOMPARE(glyph.Image(), expected(3));
}

// A second colour starts from the white drawing, not from the first colour: every visible
// pixel ends in the second colour, at every density.
void TestWIconGlyph::recolouringNeverCompounds()
{
    WIconGlyph glyph{QString::fromLatin1(path)};
    glyph.Load(Qt::red, 2);
    glyph.Load(Qt::blue, 2);
    for (const qreal ratio : {2.0, 1.0, 3.0}) {
        const QImage image = glyph.At(ratio).convertToFormat(QImage::Format_ARGB32);
        int visible = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 255)
                    continue; // premultiplied edges round their colour
                ++visible;
                QCOMPARE(p & 0xFFFFFFu, QColor(Qt::blue).rgb() & 0xFFFFFFu);
            }
        QVERIFY(visible > 0);
    }
}

// Before Load, for a path with no image, and with no valid colour (the glyph stays white).
void TestWIconGlyph::nothingToShow()
{
    WIconGlyph unset{QString::fromLatin1(path)};
    QVERIFY(unset.At(2).isNull());
    QVERIFY(unset.Image().isNull());
    WIconGlyph missing{QStringLiteral("://Icons/Nothing.png")};
    missing.Load(Qt::red, 2);
    QVERIFY(missing.At(3).isNull());
    WIconGlyph white{QString::fromLatin1(path)};
    white.Load(QColor(), 2);
    QCOMPARE(white.Image(),
             WexalTest::IconFile(path, 2).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QTEST_MAIN(TestWIconGlyph)
#include "tst_wiconglyph.moc"
