#include "WTestSuite.h"

namespace {

// The bar drawn on a transparent image: only what the bar paints is there.
QImage render(WProgressBar& bar)
{
    QImage image(bar.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The number of pixels in row y painted exactly in colour.
int runOf(const QImage& image, int y, const QColor& colour)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += image.pixelColor(x, y) == colour;
    return n;
}

void style(WProgressBar& bar, const QSize& size, int radius, int borderWidth)
{
    bar.resize(size);
    bar.SetBackColor(Qt::white);
    bar.SetForeColor(Qt::red);
    bar.SetBorderColor(Qt::blue);
    bar.SetBorder(PositionFlag::All);
    bar.SetRadius(radius);
    bar.SetBorderWidth(borderWidth);
}

} // namespace

class tst_WProgressBar : public QObject
{
    Q_OBJECT

private slots:
    // The fill is width * value / 100 pixels, rounded down, in both styles.
    void fillWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("filled");
        for (int radius : {0, 6}) {
            const QByteArray style = radius ? " rounded" : " square";
            QTest::newRow("200 at 33" + style) << 200 << 33 << radius << 66;
            QTest::newRow("200 at 1" + style) << 200 << 1 << radius << 2;
            QTest::newRow("50 at 1" + style) << 50 << 1 << radius << 0;
            QTest::newRow("150 at 50" + style) << 150 << 50 << radius << 75;
        }
        QTest::newRow("200 at 100 square") << 200 << 100 << 0 << 200;
    }
    void fillWidth()
    {
        QFETCH(int, width);
        QFETCH(int, value);
        QFETCH(int, radius);
        QFETCH(int, filled);
        WProgressBar bar;
        style(bar, QSize(width, 20), radius, 0);
        bar.SetValue(value);
        const QImage image = render(bar);
        // The middle row: square fill pixels are exact; a rounded fill ends in one blended
        // pixel where its half-pixel edge lies.
        const int red = runOf(image, 10, Qt::red);
        if (radius == 0) {
            QCOMPARE(red, filled);
        } else {
            QVERIFY2(qAbs(red - filled) <= 1, qPrintable(QString::number(red)));
            QVERIFY(image.pixelColor(0, 0).alpha() < 255); // rounded corner
        }
    }

    // Square style with border width 2 on 100 x 20 at 50: the fill is the rectangle at (2, 2)
    // of 50 x 16, inside the border.
    void squareFillInsideBorder()
    {
        WProgressBar bar;
        style(bar, QSize(100, 20), 0, 2);
        bar.SetValue(50);
        const QImage image = render(bar);
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(image.pixelColor(51, 17), QColor(Qt::red));
        QCOMPARE(image.pixelColor(52, 10), QColor(Qt::white));
        QCOMPARE(image.pixelColor(2, 18), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(1, 10), QColor(Qt::blue));
    }

    // Rounded style: the outline is stroked whatever the border sides say, with a one-pixel pen
    // at width 0.
    void roundedOutline()
    {
        WProgressBar bar;
        style(bar, QSize(200, 20), 6, 2);
        bar.SetBorder(PositionFlag::None);
        QCOMPARE(render(bar).pixelColor(150, 0), QColor(Qt::blue));
        // Each look is drawn once and reused: another fill colour is another look.
        bar.SetValue(50);
        QCOMPARE(render(bar).pixelColor(50, 10), QColor(Qt::red));
        bar.SetForeColor(Qt::green);
        QCOMPARE(render(bar).pixelColor(50, 10), QColor(Qt::green));
        bar.SetBorderWidth(0);
        bar.SetValue(0);
        const QImage cosmetic = render(bar);
        QVERIFY(cosmetic.pixelColor(100, 0).blue() > 0);
        QCOMPARE(cosmetic.pixelColor(100, 10), QColor(Qt::white));
    }

    // Borders too wide for the bar, negative widths and huge radii draw what fits, or nothing.
    void absurdGeometry()
    {
        WProgressBar bar;
        for (int radius : {0, 1, INT_MAX})
            for (int bw : {-3, 9, 11, 1000, INT_MAX, INT_MIN}) {
                style(bar, QSize(60, 20), radius, bw);
                bar.SetValue(70);
                render(bar);
            }
        style(bar, QSize(60, 20), 6, 21); // no room for a track: nothing at all
        QImage blank(60, 20, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        QCOMPARE(render(bar), blank);
        bar.resize(0, 0);
        render(bar);
    }
};

WEXAL_TEST_MAIN(tst_WProgressBar)
#include "tst_wprogressbar.moc"
