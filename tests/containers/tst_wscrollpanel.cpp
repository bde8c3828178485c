#include "WTestSuite.h"

class tst_WScrollPanel : public QObject
{
    Q_OBJECT

private slots:
    // A 300 x 300 panel over 500 x 500 content, with bars 10 thick.
    void adoptsAndScrollsPanelChild()
    {
        WScrollPanel sp;
        sp.resize(300, 300);
        QPointer<WPanel> content = new WPanel(&sp);
        auto* plain = new QWidget(&sp); // not a WPanel: left where it is
        sp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sp));
        QCOMPARE(sp.ScrollWidget(), content.data());
        QCOMPARE(content->parentWidget()->parentWidget(), &sp); // through a viewport
        QCOMPARE(plain->parentWidget(), &sp);
        sp.SetScrollAreaSize(QSize(500, 500));
        QCOMPARE(content->parentWidget()->geometry(), QRect(0, 0, 290, 290)); // both bars shown
        QCOMPARE(content->size(), QSize(500, 500));
        sp.SetVScrollBarValue(INT_MAX);
        sp.SetHScrollBarValue(35);
        QCOMPARE(content->pos(), QPoint(-35, -210));

        sp.SetScrollAreaSize(QSize(200, 200)); // the bars go, the content fills the view
        QCOMPARE(content->geometry(), QRect(0, 0, 300, 300));
        delete content.data(); // the application may delete its content panel first
        QCOMPARE(sp.ScrollWidget(), nullptr);
        sp.SetScrollAreaSize(QSize(700, 700));
    }

    // Touchpads and fine wheels send deltas below a notch; enough of them over the content
    // scroll as far as a notch of the same total.
    void smallWheelDeltas_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("count");
        QTest::newRow("15 x 8 up") << 8 << 15;
        QTest::newRow("15 x 8 down") << -8 << 15;
        QTest::newRow("120 x 1 down") << -1 << 120;
        QTest::newRow("6 x 40 up") << 40 << 6;
    }
    void smallWheelDeltas()
    {
        QFETCH(int, delta);
        QFETCH(int, count);
        WScrollPanel sp;
        sp.resize(300, 300);
        auto* content = new WPanel(&sp);
        sp.SetScrollAreaSize(QSize(600, 600));
        sp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sp));
        const auto offsetAfter = [&](int d, int n) {
            sp.SetVScrollBarValue(100);
            for (int i = 0; i < n; ++i)
                WexalTest::Wheel(content, QPoint(50, 50), QPoint(0, d));
            return sp.VScrollBarValue();
        };
        const int notches = delta * count / 120;
        QCOMPARE(offsetAfter(delta, count),
                 offsetAfter(120 * notches / qAbs(notches), qAbs(notches)));
        QCOMPARE(sp.VScrollBarValue(), 100 - sp.WheelStepPixel() * notches);
    }

};

WEXAL_TEST_MAIN(tst_WScrollPanel)
#include "tst_wscrollpanel.moc"
