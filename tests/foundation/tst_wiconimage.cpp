// The library's icon drawings at each density: which drawing suits which ratio and what it is
// named (WIconImage), a glyph recoloured (WIconGlyph) and a shadow's nine-patch cut
// (WIconPatch) from the drawing that suits the painter, each again when the density changes;
// drawings that cannot be read or used; and, on a screen of two device pixels per pixel, a window
// whose glyphs and shadow are those drawings, pixel for pixel. Also:
// The compiled-in icon bundle, as the widgets see it through the resource system: exactly these
// files, stored uncompressed, each in the size and PNG pixel format the widgets rely on, and
// white (glyphs) or black (shadows) in every pixel; the same for their drawings at two and three
// times the size under Qt's @2x and @3x names, which Qt's image reader takes as their device
// pixel ratio. Their exact pixels are the icon generator's business, checked by its own
// reproduction test.
#include "WIconGlyph_p.h"
#include "WIconImage_p.h"
#include "WIconPatch_p.h"
#include "WScaledRun.h"
#include "WTestSuite.h"

#include <QDirIterator>
#include <QResource>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
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
const char* const shadowPath = "://Icons/WForm/ShadowActive.png";

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
        const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
        const qreal inf = std::numeric_limits<qreal>::infinity();
        const struct
        {
            const char* name;
            qreal ratio;
            int drawing;
        } rows[] = {{"1", 1, 1},
                    {"rounding above 1", 1.0000001, 1},
                    {"1.25", 1.25, 2},
                    {"1.5", 1.5, 2},
                    {"1.75", 1.75, 2},
                    {"2", 2, 2},
                    {"rounding above 2", 2.0000001, 2},
                    {"2.5", 2.5, 3},
                    {"3", 3, 3},
                    {"4: the densest there is", 4, 3},
                    {"0.5", 0.5, 1},
                    {"0", 0, 1},
                    {"negative", -2, 1},
                    {"infinite", inf, 3},
                    {"not a number", nan, 1}};
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.ratio << r.drawing;
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
        QCOMPARE(at("://Icons/Shadow.png", 1), QStringLiteral("://Icons/Shadow.png"));
        QCOMPARE(at("://Icons/Shadow.png", 2), QStringLiteral("://Icons/Shadow@2x.png"));
        QCOMPARE(at("://Icons/CheckBox/CheckFlag.png", 3),
                 QStringLiteral("://Icons/CheckBox/CheckFlag@3x.png"));
        // A dot only in a folder's name, and none at all: the suffix goes at the end.
        QCOMPARE(at("/tmp/a.b/icon", 2), QStringLiteral("/tmp/a.b/icon@2x"));
        QCOMPARE(at("icon", 3), QStringLiteral("icon@3x"));
        QCOMPARE(at("icon.png", 0), QStringLiteral("icon.png"));
    }

    // At each density, coming from a sparser and from a denser one: the loader, a glyph and a
    // shadow's patch each take the drawing that suits, at its own size and with its density; the
    // glyph in its colour, premultiplied as the painter blends it; the patch's corners (and at
    // whole ratios its stretched edges) that drawing's pixels, its centre left out.
    void atEachDensity_data()
    {
        WexalTest::AddDensityRows();
        QTest::newRow("1.25") << 1.25 << 2;
    }

    void atEachDensity()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, drawing);
        const QString dropDown = QStringLiteral("://Icons/ComboBox/DropDownIcon.png");
        const QImage image = WIconImage::Load(dropDown, WIconImage::Scale(ratio));
        QCOMPARE(image.size(), QSize(11, 9) * drawing);
        QCOMPARE(image.devicePixelRatio(), qreal(drawing));
        QCOMPARE(image, QImage(WIconImage::PathAt(dropDown, drawing)));
        const QPixmap pixmap = WIconImage::LoadPixmap(dropDown, WIconImage::Scale(ratio));
        QCOMPARE(pixmap.size(), QSize(11, 9) * drawing);
        QCOMPARE(pixmap.devicePixelRatio(), qreal(drawing));

        const QColor colour(0x25, 0x63, 0xEB);
        const QImage recoloured = WexalTest::IconFile(glyphPath, drawing, colour)
                                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QSize size(240, 180);
        for (const qreal before : {1.0, 3.0}) {
            WIconGlyph glyph{QString::fromLatin1(glyphPath)};
            glyph.Load(colour, before);
            QCOMPARE(glyph.At(ratio), recoloured);
            QCOMPARE(glyph.At(ratio).devicePixelRatio(), qreal(drawing));
            QCOMPARE(glyph.At(ratio).format(), QImage::Format_ARGB32_Premultiplied);
            // No new drawing while the same one suits.
            QCOMPARE(glyph.At(drawing).cacheKey(), glyph.At(ratio).cacheKey());
            glyph.Load(colour, ratio);
            QCOMPARE(glyph.Image(), recoloured);

            WIconPatch patch(QString::fromLatin1(shadowPath), 16, true);
            paint(patch, size, before);
            const QImage shadow = paint(patch, size, ratio);
            QCOMPARE(patch.Scale(), drawing);
            QCOMPARE(patch.Patch().Size(), size);
            const QImage file = WexalTest::IconFile(shadowPath, drawing);
            const auto shows = [&](const QRect& area, const QImage& image, const QPoint& at) {
                return WexalTest::Shows(shadow, area, Qt::transparent, image, at);
            };
            QCOMPARE(shows(QRect(0, 0, 16, 16), file, {0, 0}), QString());
            QCOMPARE(shows(QRect(224, 164, 16, 16), file, {140, 80}), QString());
            // Stretched and then filtered to 1.5 differs from the file filtered alone by rounding.
            if (ratio == std::floor(ratio))
                QCOMPARE(shows(QRect(100, 0, 30, 16), file, {70, 0}), QString());
            QCOMPARE(shows(QRect(16, 16, 208, 148), QImage(), {0, 0}), QString());
        }
    }

    // A scale beyond the densest drawing gives the densest; nothing for a file that is not there.
    void densestAndMissing()
    {
        const QString path = QStringLiteral("://Icons/ComboBox/DropDownIcon.png");
        QCOMPARE(WIconImage::Load(path, 4), WIconImage::Load(path, 3));
        QCOMPARE(WIconImage::LoadPixmap(path, 4).devicePixelRatio(), 3.0);
        QVERIFY(WIconImage::Load(QStringLiteral("://Icons/None.png"), 2).isNull());
        QVERIFY(WIconImage::LoadPixmap(QString(), 3).isNull());
    }

    // An image with a 1x and a 2x drawing only: scale 3 takes the 2x one, which says it is 2x.
    void fallsBackToTheDrawingsThereAre()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage one(4, 4, QImage::Format_ARGB32);
        one.fill(Qt::red);
        QImage two(8, 8, QImage::Format_ARGB32);
        two.fill(Qt::blue);
        const QString path = dir.filePath(QStringLiteral("mark.png"));
        QVERIFY(one.save(path));
        QVERIFY(two.save(dir.filePath(QStringLiteral("mark@2x.png"))));
        const QImage three = WIconImage::Load(path, 3);
        QCOMPARE(three.size(), QSize(8, 8));
        QCOMPARE(three.devicePixelRatio(), 2.0);
        QCOMPARE(three.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(WIconImage::LoadPixmap(path, 3).devicePixelRatio(), 2.0);
        QCOMPARE(WIconImage::Load(path, 1).pixelColor(0, 0), QColor(Qt::red));
        // Only a 2x drawing: nothing for 1x, the 2x one from 2 on.
        QVERIFY(QFile::remove(path));
        QVERIFY(WIconImage::Load(path, 1).isNull());
        QCOMPARE(WIconImage::Load(path, 2).size(), QSize(8, 8));
    }

    void ratioOfAPainter_data()
    {
        QTest::addColumn<qreal>("imageRatio");
        QTest::addColumn<QTransform>("transform");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("plain") << 1.0 << QTransform() << 1.0;
        QTest::newRow("translated") << 1.0 << QTransform::fromTranslate(7.5, -3) << 1.0;
        QTest::newRow("image of ratio 1.5") << 1.5 << QTransform() << 1.5;
        QTest::newRow("image of ratio 2, translated")
            << 2.0 << QTransform::fromTranslate(4, 4) << 2.0;
        QTest::newRow("image of ratio 3") << 3.0 << QTransform() << 3.0;
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

    // A form with a check box, shown on a screen of two device pixels per pixel: the window's own
    // pixels (not a rendering) show the check box's tick, the close button's glyph and the shadow's
    // corner exactly as their 2x drawings.
    void windowOnADenseScreen()
    {
        if (!WexalTest::InScaledRun()) {
            const QString failure =
                WexalTest::RunScaled(QStringLiteral("windowOnADenseScreen"), QStringLiteral("2"));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            return;
        }
        const QColor page(0xF3, 0xF4, 0xF6), bar(0x11, 0x18, 0x27), glyph(0xCB, 0xD5, 0xE1);
        const QColor tick(0x25, 0x63, 0xEB);
        WForm form;
        form.SetTitleBackColor(bar);
        form.SetSysButtonColor(glyph);
        form.SetBackColor(page);
        auto* box = new WCheckBox(&form);
        box->setGeometry(20, 60, 120, 20);
        box->SetCheckRectBackColor(page);
        box->SetCheckRectColor(Qt::transparent);
        box->SetCheckFlagColor(tick);
        box->SetChecked(true);
        form.resize(300, 200);
        form.show();
        QWidget* window = form.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->devicePixelRatioF(), 2.0);
        QTRY_VERIFY(box->isVisible());
        const QImage shot = window->grab().toImage();
        QCOMPARE(shot.devicePixelRatio(), 2.0);

        const QPoint boxAt = box->mapTo(window, QPoint(0, 2));
        QCOMPARE(WexalTest::Shows(shot, QRect(boxAt, QSize(16, 16)), page,
                                  WexalTest::IconFile("://Icons/CheckBox/CheckFlag.png", 2, tick),
                                  boxAt),
                 QString());
        QWidget* close = nullptr;
        for (QWidget* w : form.findChildren<QWidget*>())
            if (w->inherits("WButton") && w->isVisible() && (!close || w->x() > close->x()))
                close = w;
        QVERIFY(close);
        const QPoint closeAt =
            close->mapTo(window, QPoint((close->width() - 12) / 2, (close->height() - 12) / 2));
        QCOMPARE(WexalTest::Shows(shot, QRect(closeAt, QSize(12, 12)), bar,
                                  WexalTest::IconFile("://Icons/WForm/CloseButton.png", 2, glyph),
                                  closeAt),
                 QString());
        // The window's corner: its shadow only, over nothing.
        QImage corner = shot.copy(0, 0, 32, 32);
        corner.setDevicePixelRatio(2);
        const QImage shadow =
            WexalTest::IconFile(window->isActiveWindow() ? "://Icons/WForm/ShadowActive.png"
                                                         : "://Icons/WForm/ShadowInactive.png",
                                2);
        QCOMPARE(WexalTest::Shows(corner.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                  QRect(0, 0, 16, 16), Qt::transparent, shadow, QPoint(0, 0)),
                 QString());
    }

    // A second colour starts from the white drawing, not from the first colour: every visible
    // pixel ends in the second colour, at every density.
    void recolouringNeverCompounds()
    {
        WIconGlyph glyph{QString::fromLatin1(glyphPath)};
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
    void nothingToShow()
    {
        WIconGlyph unset{QString::fromLatin1(glyphPath)};
        QVERIFY(unset.At(2).isNull());
        QVERIFY(unset.Image().isNull());
        WIconGlyph missing{QStringLiteral("://Icons/Nothing.png")};
        missing.Load(Qt::red, 2);
        QVERIFY(missing.At(3).isNull());
        WIconGlyph white{QString::fromLatin1(glyphPath)};
        white.Load(QColor(), 2);
        QCOMPARE(
            white.Image(),
            WexalTest::IconFile(glyphPath, 2).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // Prepare composes for a size and a density; asking again for the same is free, and a new
    // density cuts anew.
    void composedOnlyWhenNeeded()
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
    void unusable()
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

    void everyIcon_data();
    void everyIcon();
};

// "Name.png" drawn for scale: "Name@2x.png" and so on.
static QString atScale(const char* path, int scale)
{
    QString name = QString::fromLatin1(path);
    if (scale != 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    return name;
}

void TestWIconImage::everyIcon_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
    QTest::newRow("3x") << 3;
}

void TestWIconImage::everyIcon()
{
    QFETCH(int, scale);
    // The table's icons and the designer's 32 x 32 icon at each of the three scales, nothing
    // else.
    QStringList found;
    for (QDirIterator it(QStringLiteral(":/Icons"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        found << it.next();
    QCOMPARE(found.size(), 3 * (int(std::size(icons)) + 1));
    const QImage designerIcon(atScale("://Icons/Wexal.ico", scale));
    QCOMPARE(designerIcon.size(), QSize(32, 32) * scale);
    QVERIFY(designerIcon.hasAlphaChannel());
    QCOMPARE(designerIcon.devicePixelRatio(), qreal(scale));
    for (const auto& [name, width, height, depth, type, white] : icons) {
        const QString file = atScale(name, scale);
        const QByteArray pathBytes = file.toLatin1();
        const char* const path = pathBytes.constData();
        const QResource resource(file);
        // Uncompressed: no inflate on a widget's first load.
        QVERIFY2(found.contains(resource.fileName()) &&
                     resource.compressionAlgorithm() == QResource::NoCompression,
                 path);
        const QByteArray bytes = resource.uncompressedData();
        const auto* ihdr = reinterpret_cast<const uchar*>(bytes.constData()) + 16;
        // Signature and header, not interlaced; no palette or transparency chunk may change what
        // the colour type says.
        QVERIFY2(bytes.size() > 33 &&
                     bytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)) &&
                     ihdr[12] == 0 && !bytes.contains("PLTE") && !bytes.contains("tRNS"),
                 path);
        QCOMPARE(QString::asprintf("%s %u x %u, %d %d", path, qFromBigEndian<quint32>(ihdr),
                                   qFromBigEndian<quint32>(ihdr + 4), ihdr[8], ihdr[9]),
                 QString::asprintf("%s %d x %d, %d %d", path, width * scale, height * scale, depth,
                                   type));
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
WEXAL_TEST_MAIN(TestWIconImage)
#include "tst_wiconimage.moc"
