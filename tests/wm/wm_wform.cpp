// WForm under a real X window manager (openbox on a virtual display), driven by real X input
// from xdotool: moving by the title bar, not moving from a button, resizing from a corner and
// not when resizing is off, maximising and restoring by double clicks, the inactive shadow when
// another window is activated, and what the margin beside the form shows with and without a
// compositing manager. scripts/test-wm runs it; WEXAL_WM_COMPOSITOR=1 says that xcompmgr runs.
#include "../form/FormTestSupport.h"

#include <QProcess>
#include <QScreen>

using FormTest::buttonOf;
using FormTest::shadowOf;

namespace {

const QColor desktop(0x33, 0x66, 0xCC);
const QColor face(0xF0, 0xF0, 0xF0);
constexpr int timeout = 10000;

// Polls until the condition holds, processing events, for at most ms milliseconds.
bool waitFor(const std::function<bool()>& condition, int ms = timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// The arguments as one line, split at spaces.
bool xdotool(const QString& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args.split(QLatin1Char(' ')));
    return p.waitForFinished(timeout) && p.exitStatus() == QProcess::NormalExit &&
           p.exitCode() == 0;
}

bool pointerTo(const QPoint& global)
{
    return xdotool(QStringLiteral("mousemove %1 %2").arg(global.x()).arg(global.y()));
}

bool activate(QWidget* window)
{
    return xdotool(QStringLiteral("windowactivate --sync %1").arg(window->winId()));
}

// Where the X server has the window now. While the window manager moves a window it may tell
// the application only when the move ends.
QPoint xPosition(QWidget* window)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"),
            {QStringLiteral("getwindowgeometry"), QString::number(window->winId())});
    if (!p.waitForFinished(timeout))
        return QPoint(INT_MIN, INT_MIN);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(out);
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt())
                        : QPoint(INT_MIN, INT_MIN);
}

QColor screenPixel(const QPoint& global)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, global.x(), global.y(), 1, 1)
        .toImage()
        .pixelColor(0, 0);
}

// The desktop seen through the shadow image's left band at a column of the window's margin.
QColor throughShadow(const char* image, int column)
{
    const int a = qAlpha(QImage(QString::fromLatin1(image)).pixel(column, 50));
    const auto mix = [a](int c) { return c * (255 - a) / 255; };
    return QColor(mix(desktop.red()), mix(desktop.green()), mix(desktop.blue()));
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
           qAbs(a.blue() - b.blue()) <= 2;
}

const char* const activeShadow = "://Icons/WForm/ShadowActive.png";
const char* const inactiveShadow = "://Icons/WForm/ShadowInactive.png";

// Counts the pointer events the application has received, so that a test knows when its X input
// has been through the event loop.
class InputCounter : public QObject
{
public:
    int releases = 0;
    int moves = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o->isWindowType()) {
            releases += e->type() == QEvent::MouseButtonRelease;
            moves += e->type() == QEvent::MouseMove;
        }
        return false;
    }
};

} // namespace

class TestWFormWindowManager : public QObject
{
    Q_OBJECT

private:
    bool compositor = false;
    QWidget background;
    InputCounter input;

    // A 400 x 300 form with its top-left at (200, 150), shown, placed where asked and painted.
    bool showForm(WForm& form, const QPoint& at = QPoint(200, 150))
    {
        form.SetBackColor(face);
        form.SetTitleBackColor(QColor(0x1F, 0x29, 0x37));
        form.SetSysButtonColor(Qt::white);
        form.SetTitle(QStringLiteral("Wexal"));
        form.resize(QSize(400, 300));
        form.move(at);
        form.show();
        WFormShadow* shadow = shadowOf(form);
        if (!QTest::qWaitForWindowExposed(shadow, timeout))
            return false;
        const QPoint inside = at + QPoint(200, 200);
        return waitFor(
            [&] { return shadow->pos() == at - QPoint(16, 16) && screenPixel(inside) == face; });
    }

    // A left-button drag with real X input from a point by an offset, in small steps. The window
    // manager takes over at the first motion, so the window follows the pointer from there; it
    // places the window by the pointer's way since that motion, so motions it missed while
    // taking over are made up by any later one.
    bool drag(const QPoint& from, const QPoint& by, const std::function<bool()>& arrived)
    {
        if (!pointerTo(from) || !xdotool(QStringLiteral("mousedown 1")))
            return false;
        const int before = input.moves;
        if (!pointerTo(from + QPoint(1, 1)))
            return false;
        if (!waitFor([&] { return input.moves > before; }))
            return false;
        const int steps = 6;
        const QPoint to = from + QPoint(1, 1) + by;
        for (int i = 1; i <= steps; ++i)
            pointerTo(from + QPoint(1, 1) + by * i / steps);
        // The window manager may have taken the pointer over only after the last step and seen
        // none of them: nudge the pointer at the destination until the window has followed.
        for (int tries = 0; tries < 20 && !waitFor(arrived, 250); ++tries) {
            pointerTo(to + QPoint(1, 0));
            pointerTo(to);
        }
        const bool done = waitFor(arrived);
        xdotool(QStringLiteral("mouseup 1"));
        return done;
    }

    // Presses, moves and releases where nothing may move: returns once the application has seen
    // the release, so that what did not happen can be asserted. The pointer rests before the
    // release, as long as a window manager needs to take it over: a quick release would end a
    // move or resize wrongly started before it could show.
    bool pressMoveRelease(const QPoint& from, const QPoint& by)
    {
        const int releases = input.releases, moves = input.moves;
        if (!pointerTo(from) || !xdotool(QStringLiteral("mousedown 1")) ||
            !pointerTo(from + QPoint(1, 1)) || !waitFor([&] { return input.moves > moves; }) ||
            !pointerTo(from + by / 2) || !pointerTo(from + by))
            return false;
        QTest::qWait(300);
        if (!xdotool(QStringLiteral("mouseup 1")))
            return false;
        return waitFor([&] { return input.releases > releases; });
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        compositor = qEnvironmentVariableIntValue("WEXAL_WM_COMPOSITOR") == 1;
        qApp->installEventFilter(&input);
        // A plain, known desktop behind every form, so that the margin shows what lies under it.
        background.setWindowFlags(Qt::FramelessWindowHint);
        background.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, desktop);
        background.setPalette(palette);
        background.setGeometry(QGuiApplication::primaryScreen()->geometry());
        background.show();
        QVERIFY(QTest::qWaitForWindowExposed(&background, timeout));
        QTRY_COMPARE_WITH_TIMEOUT(screenPixel(QPoint(5, 5)), desktop, timeout);
    }

    void init() { pointerTo(QPoint(5, 5)); }

    // Without a compositor the margin is cut away and shows the desktop, not a dark band; with
    // one the shadow shows in it, darker near the form, and never black; fainter while another
    // window is active.
    void marginAndActivation()
    {
        WForm form;
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        QVERIFY(activate(shadow));
        QTRY_VERIFY_WITH_TIMEOUT(shadow->IsActive(), timeout);
        QTRY_VERIFY_WITH_TIMEOUT((shadow->UpdateWindowShape(), shadow->MarginCut() != compositor),
                                 timeout);
        const QPoint formLeft(200, 300);
        for (int dx = 1; dx <= 16; ++dx) {
            const QColor c = screenPixel(formLeft - QPoint(dx, 0));
            QVERIFY2(c != QColor(Qt::black), qPrintable(QString::number(dx)));
            if (!compositor)
                QCOMPARE(c, desktop);
        }
        if (compositor) {
            // The active shadow image, column by column, over the desktop, once the window has
            // been repainted as active.
            QVERIFY(waitFor([&] {
                return near(screenPixel(formLeft - QPoint(1, 0)), throughShadow(activeShadow, 15));
            }));
            for (int dx = 1; dx <= 16; ++dx) {
                const QColor seen = screenPixel(formLeft - QPoint(dx, 0));
                const QColor expected = throughShadow(activeShadow, 16 - dx);
                QVERIFY2(near(seen, expected), qPrintable(QStringLiteral("%1: %2, not %3")
                                                              .arg(dx)
                                                              .arg(seen.name(), expected.name())));
            }
            QVERIFY(screenPixel(formLeft - QPoint(1, 0)).blue() < desktop.blue() - 10);
            // Below the form too, and at the corner.
            QVERIFY(screenPixel(QPoint(400, 451)).blue() < desktop.blue());
            QVERIFY(screenPixel(QPoint(601, 451)).blue() < desktop.blue());
        }
        // Another window activated, the fainter shadow is painted; this one again, the stronger.
        QWidget other;
        other.setGeometry(900, 700, 120, 80);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other, timeout));
        for (QWidget* active : {&other, static_cast<QWidget*>(shadow)}) {
            QVERIFY(activate(active));
            QTRY_COMPARE_WITH_TIMEOUT(shadow->IsActive(), active == shadow, timeout);
            const char* image = active == shadow ? activeShadow : inactiveShadow;
            if (compositor) // two pixels left of the form: window column 14 of the shadow band
                QVERIFY(waitFor([&] {
                    return near(screenPixel(formLeft - QPoint(2, 0)), throughShadow(image, 14));
                }));
        }
        QVERIFY(throughShadow(inactiveShadow, 14).blue() > throughShadow(activeShadow, 14).blue());
    }

    // A drag on the bare title bar moves the window, one from the bottom-right corner zone
    // (reachable with and without a compositor) resizes it; the form keeps its place inside.
    void dragsMoveOrResize_data()
    {
        QTest::addColumn<bool>("corner");
        QTest::addColumn<QPoint>("by");
        QTest::newRow("title bar moves") << false << QPoint(90, 70);
        QTest::newRow("corner resizes") << true << QPoint(60, 40);
    }
    void dragsMoveOrResize()
    {
        QFETCH(bool, corner);
        QFETCH(QPoint, by);
        WForm form;
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        const QRect start = shadow->geometry();
        const QRect expected = corner ? start.adjusted(0, 0, by.x(), by.y()) : start.translated(by);
        const QPoint from = corner ? start.bottomRight() - QPoint(17, 17) : QPoint(300, 165);
        QVERIFY(drag(from, by, [&] {
            return xPosition(shadow) == expected.topLeft() && shadow->size() == expected.size();
        }));
        QTRY_COMPARE_WITH_TIMEOUT(shadow->geometry(), expected, timeout);
        QCOMPARE(form.geometry(), QRect(16, 16, expected.width() - 32, expected.height() - 32));
        QCOMPARE(form.mapToGlobal(QPoint(0, 0)), expected.topLeft() + QPoint(16, 16));
    }

    // Nothing moves from a drag that starts on a button (nor is it a click), nor from the resize
    // zones while resizing is off.
    void dragsThatMoveNothing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QPoint>("by");
        QTest::newRow("close button") << "close" << QPoint(-120, 90);
        QTest::newRow("corner, no resizing") << "corner" << QPoint(60, 40);
        QTest::newRow("left edge, no resizing") << "left" << QPoint(-50, 0);
    }
    void dragsThatMoveNothing()
    {
        QFETCH(QString, from);
        QFETCH(QPoint, by);
        WForm form;
        form.SetCanResize(from == QLatin1String("close"));
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        const QRect start = shadow->geometry();
        WButton* close = buttonOf(form, FormTest::Close);
        const QSignalSpy closed(close, &WButton::Clicked);
        QPoint at = close->mapToGlobal(close->rect().center());
        if (from == QLatin1String("corner"))
            at = start.bottomRight() - QPoint(17, 17);
        else if (from == QLatin1String("left"))
            at = shadow->mapToGlobal(QPoint(18, start.height() / 2));
        QVERIFY(pressMoveRelease(at, by));
        QCOMPARE(shadow->geometry(), start);
        QCOMPARE(closed.count(), 0);
        QVERIFY(shadow->isVisible());
    }

    void doubleClickMaximisesAndRestores()
    {
        WForm form;
        QVERIFY(showForm(form));
        WFormShadow* shadow = shadowOf(form);
        const QRect normal = shadow->geometry();
        const QString doubleClick = QStringLiteral("click --repeat 2 --delay 60 1");
        QVERIFY(pointerTo(QPoint(300, 165)));
        QVERIFY(xdotool(doubleClick));
        QTRY_VERIFY_WITH_TIMEOUT(shadow->isMaximized(), timeout);
        QTRY_COMPARE_WITH_TIMEOUT(shadow->geometry(),
                                  QGuiApplication::primaryScreen()->availableGeometry(), timeout);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOf(form, FormTest::Restore)->isVisible(), timeout);
        QCOMPARE(form.geometry(), QRect(QPoint(0, 0), shadow->size()));
        // No shadow and no margin while maximised: the title bar starts at the screen's corner.
        QTRY_COMPARE_WITH_TIMEOUT(screenPixel(QPoint(2, 2)), QColor(0x1F, 0x29, 0x37), timeout);

        QVERIFY(pointerTo(QPoint(300, 12)));
        QVERIFY(xdotool(doubleClick));
        QTRY_VERIFY_WITH_TIMEOUT(!shadow->isMaximized(), timeout);
        QTRY_COMPARE_WITH_TIMEOUT(shadow->geometry(), normal, timeout);
        QTRY_VERIFY_WITH_TIMEOUT(!buttonOf(form, FormTest::Restore)->isVisible(), timeout);
        QCOMPARE(form.geometry(), QRect(16, 16, 400, 300));
    }
};

QTEST_MAIN(TestWFormWindowManager)
#include "wm_wform.moc"
