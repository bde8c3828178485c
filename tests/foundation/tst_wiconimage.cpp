// The library's icon drawings at each density: which drawing suits which ratio and what it is
// named (WIconImage); glyphs (WIconGlyph) and shadow patches (WIconPatch) that cannot be read or
// used. How the widgets show those drawings at each density, and that they follow a change of
// density, is tst_densityglyphs' business. Also:
// The compiled-in icon bundle, as the widgets see it through the resource system: exactly these
// files, stored uncompressed, each in the size and PNG pixel format the widgets rely on, and
// white (glyphs) or black (shadows) in every pixel; the same for their drawings at two and three
// times the size under Qt's @2x and @3x names, which Qt's image reader takes as their device
// pixel ratio. Their exact pixels are the icon generator's business, checked by its own
// reproduction test.
#include "WIconGlyph_p.h"
#include "WIconImage_p.h"
#include "WIconPatch_p.h"
#include "WTestSuite.h"

#include <QDirIterator>
#include <QResource>
#include <QtEndian>
#include <limits>
#include <tuple>

// Path, width, height, PNG bit depth and colour type (0 grey, 4 grey and alpha, 6 RGBA), and
// whether every pixel is white (else black).
const std::tuple<const char*, int, int, int, int, bool> icons[] = {
    {":/Icons/CheckBox/CheckFlag.png", 16, 16, 8, 4, true},
    {":/Icons/Shadow.png", 16, 16, 8, 4, false},
    {":/Icons/ComboBox/DropDownIcon.png", 11, 9, 8, 4, true},
    {":/Icons/GridList/Checked.png", 16, 16, 8, 6, true},
    {":/Icons/GridList/Uncheck.png", 16, 16, 8, 6, true},
    {":/Icons/WForm/MinimizeButton.png", 12, 1, 1, 0, true},
    {":/Icons/WForm/MaximizeButton.png", 12, 12, 8, 4, true},
    {":/Icons/WForm/RestoreButton.png", 12, 12, 8, 4, true},
    {":/Icons/WForm/CloseButton.png", 12, 12, 8, 4, true},
    {":/Icons/WForm/ShadowActive.png", 100, 100, 8, 4, false},
    {":/Icons/WForm/ShadowInactive.png", 100, 100, 8, 4, false},
    {":/Icons/WHourMinutePicker/UpButton.png", 9, 6, 8, 4, true},
    {":/Icons/WHourMinutePicker/DownButton.png", 9, 6, 8, 4, true},
};

namespace {

const char* const glyphPath = "://Icons/WHourMinutePicker/UpButton.png";

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

class TestWIconImage : public QObject
{
    Q_OBJECT

private slots:
    void scale_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("drawing");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 2;
        QTest::newRow("rounding above 2") << 2.0000001 << 2;
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("4: the densest there is") << 4.0 << 3;
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("infinite") << std::numeric_limits<qreal>::infinity() << 3;
        QTest::newRow("not a number") << std::numeric_limits<qreal>::quiet_NaN() << 1;
    }

    void scale()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, drawing);
        QCOMPARE(WIconImage::Scale(ratio), drawing);
    }

    void pathAt()
    {
        const auto at = [](const char* path, int scale) {
            return WIconImage::PathAt(QString::fromLatin1(path), scale);
        };
        // The bundle's own names at each scale: everyIcon finds each file by them.
        // A dot only in a folder's name, and none at all: the suffix goes at the end.
        QCOMPARE(at("/tmp/a.b/icon", 2), QStringLiteral("/tmp/a.b/icon@2x"));
        QCOMPARE(at("icon", 3), QStringLiteral("icon@3x"));
        QCOMPARE(at("icon.png", 0), QStringLiteral("icon.png"));
    }

    // A scale beyond the densest drawing gives the densest: the bundle's 3x for 4. Nothing for a
    // file that is not there.
    void fallsBackToTheDrawingsThereAre()
    {
        const QString bundled = QStringLiteral("://Icons/ComboBox/DropDownIcon.png");
        QCOMPARE(WIconImage::Load(bundled, 4), WIconImage::Load(bundled, 3));
        QCOMPARE(WIconImage::LoadPixmap(bundled, 4).devicePixelRatio(), 3.0);
        QVERIFY(WIconImage::Load(QStringLiteral("://Icons/None.png"), 2).isNull());
        QVERIFY(WIconImage::LoadPixmap(QString(), 3).isNull());
    }

    void ratioOfAPainter_data()
    {
        QTest::addColumn<qreal>("imageRatio");
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("plain") << 1.0 << QTransform() << 1.0;
        QTest::newRow("image of ratio 2, translated")
            << 2.0 << QTransform::fromTranslate(4, 4) << 2.0;
        QTest::newRow("scaled by the painter") << 1.0 << QTransform::fromScale(2, 2) << 2.0;
        QTest::newRow("both") << 1.5 << QTransform::fromScale(2, 2) << 3.0;
        QTest::newRow("mirrored") << 2.0 << QTransform::fromScale(-1, 1) << 2.0;
        QTest::newRow("stretched one way") << 1.0 << QTransform::fromScale(1, 3) << 3.0;
        QTransform turned;
        turned.rotate(90);
        QTest::newRow("turned") << 2.0 << turned << 2.0;
        QTest::newRow("flattened") << 1.0 << QTransform::fromScale(1, 0) << 1.0;
    }

    // What a painter lays down per pixel, however it came to: the image's density, its own scale,
    // both; a painter that does not paint, or a transform that flattens everything, counts as 1.
    void ratioOfAPainter()
    {
        QFETCH(qreal, imageRatio);
        QFETCH(QTransform, transform);
        QFETCH(qreal, ratio);
        QImage image(QSize(10, 10) * imageRatio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(imageRatio);
        QPainter painter(&image);
        painter.setTransform(transform);
        QVERIFY(qAbs(WIconImage::Ratio(&painter) - ratio) < 1e-9);
        painter.end();
        QCOMPARE(WIconImage::Ratio(&painter), 1.0);
        QCOMPARE(WIconImage::Ratio(nullptr), 1.0);
    }

    // A glyph before Load, for a path with no image, and with no valid colour (it stays white);
    // a patch with margins larger than the image, negative ones, an image that is not there, and
    // a size no screen has: nothing painted, nothing broken. The patch clamps such sizes itself:
    // tst_sudokupatch.
    void nothingToShow()
    {
        WIconGlyph unset{QString::fromLatin1(glyphPath)};
        QVERIFY(unset.At(2).isNull());
        QVERIFY(unset.Image().isNull());
        WIconGlyph absent{QStringLiteral("://Icons/Nothing.png")};
        absent.Load(Qt::red, 2);
        QVERIFY(absent.At(3).isNull());
        WIconGlyph white{QString::fromLatin1(glyphPath)};
        white.Load(QColor(), 2);
        QCOMPARE(
            white.Image(),
            WexalTest::IconFile(glyphPath, 2).convertToFormat(QImage::Format_ARGB32_Premultiplied));
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
        QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        shadow.Paint(&painter, QSize(INT_MAX, INT_MAX));
        shadow.Paint(nullptr, QSize(40, 30));
    }

    void everyIcon_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
        QTest::newRow("3x") << 3;
    }

    void everyIcon()
    {
        QFETCH(int, scale);
        // The table's icons and the designer's 32 x 32 icon at each of the three scales, nothing
        // else.
        QStringList found;
        for (QDirIterator it(QStringLiteral(":/Icons"), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            found << it.next();
        QCOMPARE(found.size(), 3 * (int(std::size(icons)) + 1));
        for (const auto& [name, width, height, depth, type, white] : icons) {
            const QString file = WIconImage::PathAt(QString::fromLatin1(name), scale);
            const QByteArray pathBytes = file.toLatin1();
            const char* const path = pathBytes.constData();
            const QResource resource(file);
            // Uncompressed: no inflate on a widget's first load.
            QVERIFY2(found.contains(resource.fileName()) &&
                         resource.compressionAlgorithm() == QResource::NoCompression,
                     path);
            const QByteArray bytes = resource.uncompressedData();
            const auto* ihdr = reinterpret_cast<const uchar*>(bytes.constData()) + 16;
            // Signature and header, not interlaced; no palette or transparency chunk may change
            // what the colour type says.
            QVERIFY2(bytes.size() > 33 &&
                         bytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)) &&
                         ihdr[12] == 0 && !bytes.contains("PLTE") && !bytes.contains("tRNS"),
                     path);
            QCOMPARE(QString::asprintf("%s %u x %u, %d %d", path, qFromBigEndian<quint32>(ihdr),
                                       qFromBigEndian<quint32>(ihdr + 4), ihdr[8], ihdr[9]),
                     QString::asprintf("%s %d x %d, %d %d", path, width * scale, height * scale,
                                       depth, type));
            // The ratio comes with the name; a widget draws such an image at the 1x size.
            QCOMPARE(QImage(file).devicePixelRatio(), qreal(scale));
            // Every pixel in the icon's colour, transparent ones too; a glyph recoloured as the
            // widgets do keeps no white pixel.
            QImage image = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
            if (white)
                WDrawAPI::ImageReplaceWhite(image, QColor(0xC8, 0x1E, 0x28));
            int visible = 0, wrong = 0;
            for (int i = 0; i < image.width() * image.height(); ++i) {
                const QRgb pixel = image.pixel(i % image.width(), i / image.width());
                visible += qAlpha(pixel) > 0;
                wrong += (pixel & 0xFFFFFFu) != (white ? 0xC81E28u : 0u);
            }
            QVERIFY2(visible > 0 && wrong == 0, path);
        }
    }
};

WEXAL_TEST_MAIN(TestWIconImage)
#include "tst_wiconimage.moc"
