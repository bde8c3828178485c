// The compiled-in icon bundle, as the widgets see it through the resource system: every file is
// there under its path, stored uncompressed, in the size and PNG pixel format the widgets rely
// on, white (glyphs) or black (shadows) in every pixel, with the shape its users expect.
#include "WDrawAPI.h"

#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QtEndian>
#include <QtTest>

namespace {

enum class Kind { GreyAlpha, Rgba, Grey1 };

struct IconInfo
{
    const char* path;
    int width;
    int height;
    Kind kind;
    bool white; // glyphs are white, shadows black
};

const IconInfo pngIcons[] = {
    {"://Icons/CheckBox/CheckFlag.png", 16, 16, Kind::GreyAlpha, true},
    {":/Icons/Shadow.png", 16, 16, Kind::GreyAlpha, false},
    {"://Icons/ComboBox/DropDownIcon.png", 11, 9, Kind::GreyAlpha, true},
    {"://Icons/GridList/Checked.png", 16, 16, Kind::Rgba, true},
    {"://Icons/GridList/Uncheck.png", 16, 16, Kind::Rgba, true},
    {"://Icons/WForm/MinimizeButton.png", 12, 1, Kind::Grey1, true},
    {"://Icons/WForm/MaximizeButton.png", 12, 12, Kind::GreyAlpha, true},
    {"://Icons/WForm/RestoreButton.png", 12, 12, Kind::GreyAlpha, true},
    {"://Icons/WForm/CloseButton.png", 12, 12, Kind::GreyAlpha, true},
    {"://Icons/WForm/ShadowActive.png", 100, 100, Kind::GreyAlpha, false},
    {"://Icons/WForm/ShadowInactive.png", 100, 100, Kind::GreyAlpha, false},
    {"://Icons/WHourMinutePicker/UpButton.png", 9, 6, Kind::GreyAlpha, true},
    {"://Icons/WHourMinutePicker/DownButton.png", 9, 6, Kind::GreyAlpha, true},
};

QImage load(const char* path)
{
    return QImage(QString::fromLatin1(path));
}

int alphaAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

} // namespace

class TestIconResources : public QObject
{
    Q_OBJECT

private slots:
    void bundleHoldsExactlyTheIcons();
    void bothPathFormsNameOneResource();
    void pngHeaders_data();
    void pngHeaders();
    void everyPixelWhiteOrBlack_data();
    void everyPixelWhiteOrBlack();
    void glyphShapes();
    void shadowShapes();
    void designerIcon();
};

void TestIconResources::bundleHoldsExactlyTheIcons()
{
    QStringList found;
    QDirIterator it(QStringLiteral(":/Icons"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    found.sort();

    QStringList expected{QStringLiteral(":/Icons/Wexal.ico")};
    for (const IconInfo& icon : pngIcons)
        expected << QString::fromLatin1(icon.path).replace(QStringLiteral("://"),
                                                           QStringLiteral(":/"));
    expected.sort();
    QCOMPARE(found, expected);

    // Stored as they are: no inflate on a widget's first load.
    for (const QString& path : expected) {
        const QResource resource(path);
        QVERIFY2(resource.isValid(), qPrintable(path));
        QVERIFY2(resource.compressionAlgorithm() == QResource::NoCompression, qPrintable(path));
    }
}

void TestIconResources::bothPathFormsNameOneResource()
{
    QFile single(QStringLiteral(":/Icons/Shadow.png"));
    QFile doubled(QStringLiteral("://Icons/Shadow.png"));
    QVERIFY(single.open(QIODevice::ReadOnly));
    QVERIFY(doubled.open(QIODevice::ReadOnly));
    QCOMPARE(single.readAll(), doubled.readAll());
    QVERIFY(!QImage(QStringLiteral("://Icons/WForm/CloseButton.png")).isNull());
    QVERIFY(!QImage(QStringLiteral(":/Icons/WForm/CloseButton.png")).isNull());
}

void TestIconResources::pngHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitDepth");
    QTest::addColumn<int>("colourType");
    for (const IconInfo& icon : pngIcons) {
        const int depth = icon.kind == Kind::Grey1 ? 1 : 8;
        const int type = icon.kind == Kind::GreyAlpha ? 4 : (icon.kind == Kind::Rgba ? 6 : 0);
        QTest::newRow(icon.path) << QString::fromLatin1(icon.path) << icon.width << icon.height
                                 << depth << type;
    }
}

void TestIconResources::pngHeaders()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 33);
    QCOMPARE(bytes.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    QCOMPARE(bytes.mid(12, 4), QByteArray("IHDR"));
    const auto* ihdr = reinterpret_cast<const uchar*>(bytes.constData()) + 16;
    QTEST(int(qFromBigEndian<quint32>(ihdr)), "width");
    QTEST(int(qFromBigEndian<quint32>(ihdr + 4)), "height");
    QTEST(int(ihdr[8]), "bitDepth");
    QTEST(int(ihdr[9]), "colourType");
    QCOMPARE(int(ihdr[12]), 0); // not interlaced
    // No palette or transparency chunk may change what the colour type says.
    QVERIFY(!bytes.contains("PLTE"));
    QVERIFY(!bytes.contains("tRNS"));
}

void TestIconResources::everyPixelWhiteOrBlack_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("white");
    QTest::addColumn<bool>("opaque");
    for (const IconInfo& icon : pngIcons)
        QTest::newRow(icon.path) << QString::fromLatin1(icon.path) << icon.white
                                 << (icon.kind == Kind::Grey1);
}

void TestIconResources::everyPixelWhiteOrBlack()
{
    QFETCH(QString, path);
    QFETCH(bool, white);
    QFETCH(bool, opaque);
    // Non-premultiplied, so that fully transparent pixels keep their stored colour too.
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const QRgb colour = white ? 0xFFFFFFu : 0x000000u;
    int visible = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2((p & 0xFFFFFFu) == colour,
                     qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(p, 8, 16)));
            if (opaque)
                QCOMPARE(qAlpha(p), 255);
            visible += qAlpha(p) > 0;
        }
    }
    QVERIFY(visible > 0);

    // As the widgets use a glyph: recoloured, no pixel stays white.
    if (white) {
        QImage recoloured = image;
        WDrawAPI::ImageReplaceWhite(recoloured, QColor(200, 30, 40));
        QVERIFY(!recoloured.convertToFormat(QImage::Format_RGB32).allGray());
        QCOMPARE(recoloured.pixel(0, 0), qRgba(200, 30, 40, qAlpha(image.pixel(0, 0))));
    }
}

void TestIconResources::glyphShapes()
{
    // The tick: its three ends are solid, the corners away from it are clear.
    const QImage tick = load("://Icons/CheckBox/CheckFlag.png");
    QVERIFY(alphaAt(tick, 3, 9) > 128);
    QVERIFY(alphaAt(tick, 6, 12) > 128);
    QVERIFY(alphaAt(tick, 12, 4) > 128);
    QCOMPARE(alphaAt(tick, 0, 0), 0);
    QCOMPARE(alphaAt(tick, 0, 15), 0);
    QCOMPARE(alphaAt(tick, 15, 15), 0);
    QVERIFY(alphaAt(tick, 4, 5) == 0 && alphaAt(tick, 12, 12) == 0);

    // Triangles: full width on their base row, only the middle at the tip, mirror images.
    const QImage drop = load("://Icons/ComboBox/DropDownIcon.png");
    for (int x = 0; x < 11; ++x)
        QVERIFY2(alphaAt(drop, x, 0) > 100, qPrintable(QString::number(x)));
    QVERIFY(alphaAt(drop, 5, 8) > 0);
    QCOMPARE(alphaAt(drop, 0, 8), 0);
    QCOMPARE(alphaAt(drop, 10, 8), 0);
    const QImage up = load("://Icons/WHourMinutePicker/UpButton.png");
    const QImage down = load("://Icons/WHourMinutePicker/DownButton.png");
    for (int x = 0; x < 9; ++x) {
        QVERIFY(alphaAt(up, x, 5) > 100);
        QVERIFY(alphaAt(down, x, 0) > 100);
        for (int y = 0; y < 6; ++y) {
            QCOMPARE(alphaAt(up, x, y), alphaAt(down, x, 5 - y));
            QVERIFY(qAbs(alphaAt(up, x, y) - alphaAt(up, 8 - x, y)) <= 2);
        }
    }
    QVERIFY(alphaAt(up, 4, 0) > 0);
    QCOMPARE(alphaAt(up, 0, 0), 0);
    QCOMPARE(alphaAt(up, 8, 0), 0);

    // Grid check cells: a one-pixel opaque frame; only the checked one has a mark inside.
    const QImage checked = load("://Icons/GridList/Checked.png");
    const QImage uncheck = load("://Icons/GridList/Uncheck.png");
    int inside = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool edge = x == 0 || y == 0 || x == 15 || y == 15;
            QCOMPARE(alphaAt(uncheck, x, y), edge ? 255 : 0);
            if (edge)
                QCOMPARE(alphaAt(checked, x, y), 255);
            else
                inside += alphaAt(checked, x, y) > 0;
        }
    }
    QVERIFY(inside > 8);
    QCOMPARE(alphaAt(checked, 2, 2), 0);

    const QImage maximize = load("://Icons/WForm/MaximizeButton.png");
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            QCOMPARE(alphaAt(maximize, x, y), (x == 0 || y == 0 || x == 11 || y == 11) ? 255 : 0);

    // Restore: the front square (columns 0-9, rows 2-11) whole, the rear one (columns 2-11,
    // rows 0-9) only where the front does not hide it.
    const QImage restore = load("://Icons/WForm/RestoreButton.png");
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inFront = x <= 9 && y >= 2;
            const bool frontEdge = inFront && (x == 0 || x == 9 || y == 2 || y == 11);
            const bool rearEdge = x >= 2 && y <= 9 && (x == 2 || x == 11 || y == 0 || y == 9);
            const bool lit = frontEdge || (rearEdge && !inFront);
            QVERIFY2(alphaAt(restore, x, y) == (lit ? 255 : 0),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }

    // Close: both diagonals drawn corner to corner, the middle of each side clear.
    const QImage close = load("://Icons/WForm/CloseButton.png");
    for (int i = 0; i < 12; ++i) {
        QVERIFY2(alphaAt(close, i, i) > 100, qPrintable(QString::number(i)));
        QVERIFY2(alphaAt(close, 11 - i, i) > 100, qPrintable(QString::number(i)));
    }
    QCOMPARE(alphaAt(close, 0, 6), 0);
    QCOMPARE(alphaAt(close, 6, 0), 0);
    QCOMPARE(alphaAt(close, 11, 5), 0);
}

void TestIconResources::shadowShapes()
{
    // The popup shadow: the box's own 12 x 12 corner and the two rows and columns above and
    // left of the bands are clear; across each band the alpha falls from 94 to 1.
    const QImage popup = load(":/Icons/Shadow.png");
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool band = (x >= 12 && y >= 2) || (y >= 12 && x >= 2);
            QVERIFY2((alphaAt(popup, x, y) > 0) == band,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    for (int i = 4; i < 12; ++i) {
        QCOMPARE(alphaAt(popup, 12, i), 94);
        QCOMPARE(alphaAt(popup, 15, i), 1);
        QCOMPARE(alphaAt(popup, i, 12), 94);
        QCOMPARE(alphaAt(popup, i, 15), 1);
        for (int k = 12; k < 15; ++k) {
            QVERIFY(alphaAt(popup, k, i) > alphaAt(popup, k + 1, i));
            QVERIFY(alphaAt(popup, i, k) > alphaAt(popup, i, k + 1));
        }
    }

    struct Frame
    {
        const char* path;
        int outer, inner;
    };
    for (const Frame& f : {Frame{"://Icons/WForm/ShadowActive.png", 1, 42},
                           Frame{"://Icons/WForm/ShadowInactive.png", 0, 24}}) {
        const QImage shadow = load(f.path);
        for (int y = 16; y < 84; ++y)
            for (int x = 16; x < 84; ++x)
                QCOMPARE(alphaAt(shadow, x, y), 0);
        // Every side the same, rising inwards along a middle line; corners fade both ways.
        for (int i = 0; i < 16; ++i) {
            const int a = alphaAt(shadow, i, 50);
            QCOMPARE(alphaAt(shadow, 99 - i, 50), a);
            QCOMPARE(alphaAt(shadow, 50, i), a);
            QCOMPARE(alphaAt(shadow, 50, 99 - i), a);
            if (i > 0)
                QVERIFY(a >= alphaAt(shadow, i - 1, 50));
            QVERIFY(alphaAt(shadow, i, i) <= a);
        }
        QCOMPARE(alphaAt(shadow, 0, 50), f.outer);
        QCOMPARE(alphaAt(shadow, 15, 50), f.inner);
        QCOMPARE(alphaAt(shadow, 0, 0), f.outer);
        QCOMPARE(alphaAt(shadow, 15, 15), f.inner);
    }
}

void TestIconResources::designerIcon()
{
    QFile file(QStringLiteral("://Icons/Wexal.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* u = reinterpret_cast<const uchar*>(bytes.constData());
    QVERIFY(bytes.size() > 22);
    QCOMPARE(qFromLittleEndian<quint16>(u + 2), quint16(1)); // an icon, not a cursor
    QCOMPARE(qFromLittleEndian<quint16>(u + 4), quint16(1)); // one image
    QCOMPARE(int(u[6]), 32);
    QCOMPARE(int(u[7]), 32);
    QCOMPARE(qFromLittleEndian<quint16>(u + 12), quint16(32)); // bits per pixel

    QImageReader reader(QStringLiteral("://Icons/Wexal.ico"));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 1);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner
    QCOMPARE(image.pixel(4, 16), qRgb(0x52, 0xB2, 0xFA));
    const QColor emblem = image.pixelColor(12, 21);
    QVERIFY(emblem.lightness() > 240);

    const QIcon icon(QStringLiteral("://Icons/Wexal.ico"));
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
}

QTEST_MAIN(TestIconResources)
#include "tst_iconresources.moc"
