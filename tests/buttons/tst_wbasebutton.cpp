// WBaseButton: click recognition, hover and press tracking, the alignment mask and where a mouse
// release goes, driven through a minimal concrete button.
#include "ButtonTestSupport.h"
#include "WTestSuite.h"

using namespace ButtonTest;

class ProbeButton : public WBaseButton
{
public:
    using WBaseButton::WBaseButton;
    bool Hovered() const { return hovered; }
    bool Pressed() const { return pressed; }
    int clicks = 0;

protected:
    void Paint(QPainter*) override {}
    void ClickedEvent() override { ++clicks; }
};

class TestWBaseButton : public QObject
{
    Q_OBJECT

private slots:
    void pointer_data()
    {
        // Pressed at (30, 10) of a 60 x 20 button, then dragged to releaseAt and released there.
        // mode: r the right button instead of the left, n CanHover off, d disabled.
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("clicks");
        QTest::newRow("inside") << QPoint(30, 10) << "" << 1;
        QTest::newRow("dragged out") << QPoint(80, 10) << "" << 0;
        QTest::newRow("last column") << QPoint(59, 10) << "" << 1;
        QTest::newRow("one past the right") << QPoint(60, 10) << "" << 0;
        QTest::newRow("last row") << QPoint(30, 19) << "" << 1;
        QTest::newRow("one past the bottom") << QPoint(30, 20) << "" << 0;
        QTest::newRow("right button") << QPoint(30, 10) << "r" << 0;
        QTest::newRow("CanHover off") << QPoint(30, 10) << "n" << 1;
        QTest::newRow("disabled") << QPoint(30, 10) << "d" << 0;
    }

    void pointer()
    {
        QFETCH(QPoint, releaseAt);
        QFETCH(QString, mode);
        const auto button = mode == "r" ? Qt::RightButton : Qt::LeftButton;
        const bool canHover = mode != "n", enabled = mode != "d";
        ProbeButton b;
        b.SetCanHover(canHover);
        b.setEnabled(enabled);
        QVERIFY(shown(&b, 60, 20));
        // Hovered only while CanHover and enabled, following a held pointer; pressed only by the
        // left button of an enabled button, until the release.
        mouse(&b, Enter);
        mouse(&b, Press, QPoint(30, 10), button);
        QCOMPARE(b.Pressed(), enabled && button == Qt::LeftButton);
        mouse(&b, Move, releaseAt);
        QCOMPARE(b.Hovered(), canHover && enabled && b.rect().contains(releaseAt));
        mouse(&b, Release, releaseAt, button);
        QTEST(b.clicks, "clicks");
        QVERIFY(!b.Pressed());
    }

    void hoverOffAndHide()
    {
        ProbeButton b;
        QVERIFY(shown(&b, 60, 20));
        mouse(&b, Enter);
        mouse(&b, Press);
        b.SetCanHover(false); // drops the hover at once, not the press
        QVERIFY(!b.Hovered() && b.Pressed());
        b.hide();
        QVERIFY(!b.Pressed());
    }

    void releaseReachesParentOnlyInDesigner()
    {
        for (const bool designer : {false, true}) {
            QWidget parent;
            const Watcher sink(&parent);
            auto* b = new ProbeButton(&parent);
            QVERIFY(shown(&parent, 100, 40));
            WBase::SetDesignerMode(designer);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(sink.clicks, int(designer));
            WBase::SetDesignerMode(false);
        }
    }

    void randomInput();
};

void TestWBaseButton::randomInput()
{
    ProbeButton b;
    b.resize(120, 30);
    const Watcher oracle(&b);
    WexalTest::RandomInputOptions options;
    // Clicks as the oracle counts them; hovered only while CanHover and enabled, pressed only
    // while enabled; no alignment bits beyond the nine.
    options.invariant = [&](QWidget*) {
        const bool ok = b.clicks == oracle.clicks && !(int(b.Alignment()) & ~0x1FF) &&
                        !(b.Hovered() && !(b.CanHover() && b.isEnabled())) &&
                        !(b.Pressed() && !b.isEnabled());
        return ok ? QString() : QStringLiteral("clicks, hover or press out of step");
    };
    QCOMPARE(WexalTest::RunRandomInput(&b, options), QString());
    QVERIFY(oracle.clicks > 0); // the run did exercise clicking
}

WEXAL_TEST_MAIN(TestWBaseButton)
#include "tst_wbasebutton.moc"
