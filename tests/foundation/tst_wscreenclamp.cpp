#include "WScreenClamp_p.h"
#include "WTestSuite.h"

namespace {

constexpr qint64 farthest = qint64(1) << 30;

} // namespace

class tst_WScreenClamp : public QObject
{
    Q_OBJECT

private slots:
    // On an area away from the origin: the window flips at the first pixel it would pass the
    // right or bottom edge by, not one earlier or later; sizes and points far beyond int flip
    // without wrapping around and come back as positions no further than 2^30 out.
    void flippedInto_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<QPoint>("topLeft");
        // Pixels 1000 ... 1799 across, -300 ... 299 down.
        const qint64 big = qint64(1) << 40;
        QTest::newRow("fits") << QPoint(1100, -200) << qint64(100) << qint64(50)
                              << QPoint(1100, -200);
        QTest::newRow("ends on the last column and row")
            << QPoint(1700, 250) << qint64(100) << qint64(50) << QPoint(1700, 250);
        QTest::newRow("one column past")
            << QPoint(1701, 250) << qint64(100) << qint64(50) << QPoint(1601, 250);
        QTest::newRow("one row past")
            << QPoint(1700, 251) << qint64(100) << qint64(50) << QPoint(1700, 201);
        QTest::newRow("left of the area, no flip")
            << QPoint(-5000, -9000) << qint64(100) << qint64(50) << QPoint(-5000, -9000);
        QTest::newRow("wider than the area, from its left edge")
            << QPoint(1000, -300) << qint64(801) << qint64(601) << QPoint(199, -901);
        QTest::newRow("size far beyond int")
            << QPoint(1100, -200) << big << big << QPoint(-farthest, -farthest);
        QTest::newRow("point at the end of int")
            << QPoint(INT_MAX, INT_MAX) << qint64(10) << qint64(10) << QPoint(farthest, farthest);
        QTest::newRow("point at the start of int")
            << QPoint(INT_MIN, INT_MIN) << qint64(10) << qint64(10) << QPoint(-farthest, -farthest);
    }
    void flippedInto()
    {
        QFETCH(QPoint, point);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(QPoint, topLeft);
        const QRect area(1000, -300, 800, 600);
        QCOMPARE(WScreenClamp::FlippedInto(point, width, height, area), topLeft);
    }

    // Without a screen nothing is flipped, but positions are still kept within 2^30; with one,
    // its whole geometry counts.
    void flippedOnScreen()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QRect area = screen->geometry();
        const QPoint corner = area.bottomRight();
        QCOMPARE(WScreenClamp::FlippedInto(corner, 10, 10, screen), corner - QPoint(10, 10));
        QCOMPARE(WScreenClamp::FlippedInto(corner - QPoint(9, 9), 10, 10, screen),
                 corner - QPoint(9, 9));
        const QScreen* none = nullptr;
        QCOMPARE(WScreenClamp::FlippedInto(corner, 10, 10, none), corner);
        QCOMPARE(WScreenClamp::FlippedInto(QPoint(INT_MIN, INT_MAX), 10, 10, none),
                 QPoint(-farthest, farthest));
    }

    // A point outside every screen is on the primary screen; each side of a size is cut to the
    // screen's on its own, and nothing is cut without a screen.
    void screenAndSize()
    {
        QScreen* primary = QGuiApplication::primaryScreen();
        QVERIFY(primary);
        const QRect area = primary->geometry();
        QCOMPARE(WScreenClamp::ScreenAt(area.center()), primary);
        QCOMPARE(WScreenClamp::ScreenAt(QPoint(INT_MIN, INT_MIN)), primary);
        QCOMPARE(WScreenClamp::ScreenAt(area.bottomRight() + QPoint(1, 1)), primary);

        const int wide = area.width() + 1;
        const int tall = area.height() + 1;
        QCOMPARE(WScreenClamp::BoundedTo(QSize(wide, 20), primary), QSize(area.width(), 20));
        QCOMPARE(WScreenClamp::BoundedTo(QSize(20, tall), primary), QSize(20, area.height()));
        QCOMPARE(WScreenClamp::BoundedTo(area.size(), primary), area.size());
        QCOMPARE(WScreenClamp::BoundedTo(QSize(wide, tall), nullptr), QSize(wide, tall));
    }
};

WEXAL_TEST_MAIN(tst_WScreenClamp)
#include "tst_wscreenclamp.moc"
