#include "WScrollBar_p.h"
#include "WTestSuite.h"

// A scroll panel whose bars the test can reach.
class ExposedPanel : public WScrollPanel
{
public:
    using WScrollPanel::HScrollBar;
};

class tst_WScrollPanel : public QObject
{
    Q_OBJECT

private slots:
    void adoptsAndScrollsPanelChild_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }

    // A 300 x 300 panel over 500 x 500 content, with bars 10 thick. Right to left the content
    // starts at its right edge and the horizontal bar at the right: every place across is the
    // mirror image of the one left to right.
    void adoptsAndScrollsPanelChild()
    {
        QFETCH(Qt::LayoutDirection, direction);
        const auto across = [direction](const QRect& r, int width) {
            return direction == Qt::LeftToRight ? r : WexalTest::Mirrored(r, width);
        };
        ExposedPanel sp;
        sp.setLayoutDirection(direction);
        sp.resize(300, 300);
        QPointer<WPanel> content = new WPanel(&sp);
        auto* plain = new QWidget(&sp); // not a WPanel: left where it is
        sp.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sp));
        QCOMPARE(sp.ScrollWidget(), content.data());
        QCOMPARE(content->parentWidget()->parentWidget(), &sp); // through a viewport
        QCOMPARE(plain->parentWidget(), &sp);
        sp.SetScrollAreaSize(QSize(500, 500));
        // Both bars shown.
        QCOMPARE(content->parentWidget()->geometry(), across(QRect(0, 0, 290, 290), 300));
        QCOMPARE(content->size(), QSize(500, 500));
        sp.SetVScrollBarValue(INT_MAX);
        sp.SetHScrollBarValue(35);
        QCOMPARE(content->geometry(), across(QRect(-35, -210, 500, 500), 290));
        // The slider shows where the view is, and a drag on it moves the view the way it goes.
        WScrollBar* bar = sp.HScrollBar();
        bar->SetSliderColor(Qt::red);
        const QRect logical = bar->SliderRect();
        const QRect slider = across(logical, bar->width());
        // Just inside the slider's start, and just before it.
        const auto start = [&](int offset) {
            const int y = logical.center().y();
            return across(QRect(logical.left() + offset, y, 1, 1), bar->width()).topLeft();
        };
        const QImage shown = bar->grab().toImage();
        QCOMPARE(shown.pixel(start(2)), qRgb(255, 0, 0));
        QVERIFY(shown.pixel(start(-3)) != qRgb(255, 0, 0));
        const QPoint grip = slider.center();
        const QPoint dragged = grip + QPoint(direction == Qt::LeftToRight ? 20 : -20, 0);
        WexalTest::MousePress(bar, grip);
        WexalTest::MouseMove(bar, dragged);
        WexalTest::MouseRelease(bar, dragged);
        QVERIFY2(sp.HScrollBarValue() > 35, qPrintable(QString::number(sp.HScrollBarValue())));
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
