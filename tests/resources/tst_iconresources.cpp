// The compiled-in icon bundle, as the widgets see it through the resource system: exactly these
// files, stored uncompressed, each in the size and PNG pixel format the widgets rely on, and
// white (glyphs) or black (shadows) in every pixel; the same for their drawings at two and three
// times the size under Qt's @2x and @3x names, which Qt's image reader takes as their device
// pixel ratio. Their exact pixels are the icon generator's business, checked by its own
// reproduction test.
#include "WTestSuite.h"

#include <QDirIterator>
#include <QResource>
#include <QtEndian>

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

class TestIconResources : public QObject
{
    Q_OBJECT

private slots:
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

void TestIconResources::everyIcon_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
    QTest::newRow("3x") << 3;
}

void TestIconResources::everyIcon()
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

WEXAL_TEST_MAIN(TestIconResources)
#include "tst_iconresources.moc"
