// The popup window helper: what ends its wait, its face inside the shadow band; and the clamp
// that flips popups into their screen's area. A window deleted while it waits: tst_wmenu's
// changedWhileOpen.
#include "WPopupWindow_p.h"
#include "WScreenClamp_p.h"
#include "WTestSuite.h"

#include <QCloseEvent>
#include <QEventLoop>

namespace {

constexpr qint64 farthest = qint64(1) << 30;

// A popup window as the library's own keep theirs: the helper in the window, its events handed
// on first. A close can be refused, as an application's event filter might.
class Popup : public QWidget
{
public:
    explicit Popup(WPopupWindow::EndsOn endsOn)
        : popup(std::make_unique<WPopupWindow>(this, endsOn))
    {
        popup->MakePopup();
        resize(60, 40);
    }

    WPopupWindow& Helper() { return *popup; }
    bool refuseClose = false;

protected:
    bool event(QEvent* e) override
    {
        popup->Event(e);
        return QWidget::event(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        if (refuseClose)
            e->ignore();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        popup->Paint(&painter, Qt::white, Qt::blue, PositionFlag::All, 1);
    }

private:
    const std::unique_ptr<WPopupWindow> popup;
};

// Runs Exec on popup with step called inside the wait, then reports whether the wait was still
// running a turn of the event loop after step. A wait that never ends is ended after a while.
struct Run
{
    bool returned = false;
    bool result = false;
    bool waitingAfterStep = false;
    int shown = 0;
    bool visibleWhenShown = false;
    bool openWhenShown = false;
    bool timedOut = false;

    Run(Popup& popup, const std::function<void()>& step)
    {
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            step();
            QTimer::singleShot(0, &context, [&] {
                waitingAfterStep = !returned;
                popup.hide();
            });
        });
        // Ended through the loop itself when nothing else ends it.
        QEventLoop* running = nullptr;
        QTimer::singleShot(2000, &context, [&] {
            timedOut = true;
            if (running)
                running->exit();
        });
        result = popup.Helper().Exec([&] {
            ++shown;
            visibleWhenShown = popup.isVisible();
            running = popup.Helper().Loop();
            openWhenShown = popup.Helper().IsOpen() && running;
        });
        returned = true;
    }
};

} // namespace

class tst_WPopupWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }

    // What ends the wait: a hide, a close and Exit under either rule; a refused close only
    // where closing ends it. Afterwards the window is hidden and the helper closed, ready to
    // open again.
    void waitEnds_data()
    {
        QTest::addColumn<bool>("closeEnds");
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("ends");
        for (const bool closeEnds : {false, true}) {
            const QByteArray rule = closeEnds ? "close or hide: " : "hide: ";
            QTest::newRow(rule + "hidden") << closeEnds << 0 << true;
            QTest::newRow(rule + "closed") << closeEnds << 1 << true;
            QTest::newRow(rule + "close refused") << closeEnds << 2 << closeEnds;
            QTest::newRow(rule + "Exit") << closeEnds << 3 << true;
        }
    }
    void waitEnds()
    {
        QFETCH(bool, closeEnds);
        QFETCH(int, how);
        QFETCH(bool, ends);
        Popup popup(closeEnds ? WPopupWindow::EndsOn::CloseOrHide : WPopupWindow::EndsOn::Hide);
        for (int round = 0; round < 2; ++round) {
            popup.refuseClose = how == 2;
            bool visibleAfterStep = false;
            const Run run(popup, [&] {
                if (how == 0)
                    popup.hide();
                else if (how == 3)
                    popup.Helper().Exit();
                else
                    popup.close();
                visibleAfterStep = popup.isVisible();
            });
            QVERIFY(!run.timedOut);
            QVERIFY(run.result);
            QCOMPARE(run.waitingAfterStep, !ends);
            QCOMPARE(run.shown, 1);
            QVERIFY(run.visibleWhenShown);
            QVERIFY(run.openWhenShown);
            QCOMPARE(visibleAfterStep, how >= 2);
            QVERIFY(!popup.isVisible());
            QVERIFY(!popup.Helper().IsOpen());
        }
    }

    // The face fills the window but for the shadow band along the right and bottom edges,
    // which only the shadow paints.
    void faceInsideTheBand()
    {
        Popup popup(WPopupWindow::EndsOn::Hide);
        QCOMPARE(popup.Helper().Face(), QRect(0, 0, 60 - 4, 40 - 4));
        QImage image(popup.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        popup.render(&image);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(55, 35), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(54, 34), QColor(Qt::white));
        for (const QPoint& band : {QPoint(56, 20), QPoint(30, 36), QPoint(59, 39)}) {
            const QColor c = image.pixelColor(band);
            QVERIFY2(c != QColor(Qt::blue) && c != QColor(Qt::white),
                     qPrintable(c.name(QColor::HexArgb)));
        }
    }

    // On an area away from the origin: the window flips at the first pixel it would pass the
    // right or bottom edge by (right to left: the left edge), not one earlier or later; sizes and
    // points far beyond int flip without wrapping around and come back as positions no further
    // than 2^30 out.
    void flippedInto_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QPoint>("topLeft");
        // Pixels 1000 ... 1799 across, -300 ... 299 down.
        const qint64 big = qint64(1) << 40;
        const auto row = [](const char* name, QPoint point, qint64 width, qint64 height,
                            QPoint topLeft, bool rightToLeft = false) {
            QTest::newRow(name) << point << width << height << rightToLeft << topLeft;
        };
        row("ends on the last column and row", {1700, 250}, 100, 50, {1700, 250});
        row("one column past", {1701, 250}, 100, 50, {1601, 250});
        row("one row past", {1700, 251}, 100, 50, {1700, 201});
        row("left of the area, no flip", {-5000, -9000}, 100, 50, {-5000, -9000});
        row("wider than the area, from its left edge", {1000, -300}, 801, 601, {199, -901});
        row("size far beyond int", {1100, -200}, big, big, {-farthest, -farthest});
        row("point at the end of int", {INT_MAX, INT_MAX}, 10, 10, {farthest, farthest});
        row("point at the start of int", {INT_MIN, INT_MIN}, 10, 10, {-farthest, -farthest});
        row("right to left: ends on the first column", {1100, 0}, 100, 10, {1000, 0}, true);
        row("right to left: one column past", {1099, 0}, 100, 10, {1099, 0}, true);
        row("right to left: wider than the area", {1500, 0}, big, 10, {1500, 0}, true);
    }
    void flippedInto()
    {
        QFETCH(QPoint, point);
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(bool, rightToLeft);
        QFETCH(QPoint, topLeft);
        const QRect area(1000, -300, 800, 600);
        QCOMPARE(WScreenClamp::FlippedInto(point, width, height, area, rightToLeft), topLeft);
    }

    // Without a screen nothing is flipped or cut, but positions are still kept within 2^30. On a
    // screen, flipped into its geometry and cut to its size: tst_wmenu's flipsAtScreenEdges.
    void withoutAScreen()
    {
        const QScreen* none = nullptr;
        QCOMPARE(WScreenClamp::FlippedInto(QPoint(50, 0), 100, 10, none), QPoint(50, 0));
        QCOMPARE(WScreenClamp::FlippedInto(QPoint(50, 0), 100, 10, none, true), QPoint(-50, 0));
        QCOMPARE(WScreenClamp::FlippedInto(QPoint(INT_MIN, INT_MAX), 10, 10, none),
                 QPoint(-farthest, farthest));
        QCOMPARE(WScreenClamp::BoundedTo(QSize(INT_MAX, 7), nullptr), QSize(INT_MAX, 7));
    }
};

WEXAL_TEST_MAIN(tst_WPopupWindow)
#include "tst_wpopupwindow.moc"
