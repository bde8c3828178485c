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
        // A turn over the content scrolls the panel; a notch made of small deltas as one.
        for (int i = 0; i < 15; ++i)
            WexalTest::Wheel(content, QPoint(50, 50), QPoint(0, 8));
        QCOMPARE(sp.VScrollBarValue(), 210 - sp.WheelStepPixel());

        sp.SetScrollAreaSize(QSize(200, 200)); // the bars go, the content fills the view
        QCOMPARE(content->geometry(), QRect(0, 0, 300, 300));
        delete content.data(); // the application may delete its content panel first
        QCOMPARE(sp.ScrollWidget(), nullptr);
        sp.SetScrollAreaSize(QSize(700, 700));
    }
};

WEXAL_TEST_MAIN(tst_WScrollPanel)
#include "tst_wscrollpanel.moc"
