// WIconImage: which drawing suits which density, the names of the drawings, loading with the
// density set and falling back to the drawings there are, the density a painter paints at; and,
// on a screen of two device pixels per pixel, a window whose glyphs and shadow are those
// drawings, pixel for pixel.
#include "WCheckBox.h"
#include "WDenseRendering.h"
#include "WForm.h"
#include "WIconImage_p.h"
#include "WPanel.h"
#include "WScaledRun.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>

class TestWIconImage : public QObject
{
    Q_OBJECT

private slots:
    void scale_data();
    void scale();
    void pathAt();
    void loadsTheDrawingForTheScale();
    void fallsBackToTheDrawingsThereAre();
    void ratioOfAPainter_data();
    void ratioOfAPainter();
    void windowOnADenseScreen();
};

void TestWIconImage::scale_data()
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

void TestWIconImage::scale()
{
    QFETCH(qreal, ratio);
    QFETCH(int, drawing);
    QCOMPARE(WIconImage::Scale(ratio), drawing);
}

void TestWIconImage::pathAt()
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

// Each drawing at its own size, with the density it was drawn for, read by image and by pixmap;
// a scale beyond the densest drawing gives the densest.
void TestWIconImage::loadsTheDrawingForTheScale()
{
    const QString path = QStringLiteral("://Icons/ComboBox/DropDownIcon.png");
    for (int scale = 1; scale <= 4; ++scale) {
        const int drawn = qMin(scale, 3);
        const QImage image = WIconImage::Load(path, scale);
        QCOMPARE(image.size(), QSize(11, 9) * drawn);
        QCOMPARE(image.devicePixelRatio(), qreal(drawn));
        QCOMPARE(image, QImage(WIconImage::PathAt(path, drawn)));
        const QPixmap pixmap = WIconImage::LoadPixmap(path, scale);
        QCOMPARE(pixmap.size(), QSize(11, 9) * drawn);
        QCOMPARE(pixmap.devicePixelRatio(), qreal(drawn));
    }
    QVERIFY(WIconImage::Load(QStringLiteral("://Icons/None.png"), 2).isNull());
    QVERIFY(WIconImage::LoadPixmap(QString(), 3).isNull());
}

// An image with a 1x and a 2x drawing only: scale 3 takes the 2x one, which says it is 2x.
void TestWIconImage::fallsBackToTheDrawingsThereAre()
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

void TestWIconImage::ratioOfAPainter_data()
{
    QTest::addColumn<qreal>("imageRatio");
    QTest::addColumn<QTransform>("transform");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("plain") << 1.0 << QTransform() << 1.0;
    QTest::newRow("translated") << 1.0 << QTransform::fromTranslate(7.5, -3) << 1.0;
    QTest::newRow("image of ratio 1.5") << 1.5 << QTransform() << 1.5;
    QTest::newRow("image of ratio 2, translated") << 2.0 << QTransform::fromTranslate(4, 4) << 2.0;
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
void TestWIconImage::ratioOfAPainter()
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
void TestWIconImage::windowOnADenseScreen()
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

QTEST_MAIN(TestWIconImage)
#include "tst_wiconimage.moc"
