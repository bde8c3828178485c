#include "WRandomInput.h"
#include "WScrollBar_p.h"
#include "WScrollContainer.h"
#include "WTestMouse.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

// The smallest concrete scroll container: it records what the hooks report.
class Scroller : public WScrollContainer
{
public:
    explicit Scroller(bool h = true, bool v = true, QWidget* parent = nullptr)
        : WScrollContainer(h, v, parent)
    {
    }
    using WScrollContainer::HScrollBar;
    using WScrollContainer::VScrollBar;

    int areaChanges = 0;
    QList<int> hValues;
    QList<int> vValues;

protected:
    void Paint(QPainter* painter) override { painter->fillRect(rect(), Qt::white); }
    void ScrollContainerAreaChangedEvent() override { ++areaChanges; }
    void HScrollBarValueChangedEvent(int value) override { hValues << value; }
    void VScrollBarValueChangedEvent(int value) override { vValues << value; }
};

// Counts the wheel events that reach it from its child.
class WheelCatcher : public QWidget
{
public:
    int wheels = 0;

protected:
    void wheelEvent(QWheelEvent* e) override
    {
        ++wheels;
        e->accept();
    }
};

class tst_WScrollContainer : public QObject
{
    Q_OBJECT

private slots:
    void barThresholds_data();
    void barThresholds();
    void barsPlacedInsideContainerArea();
    void hooksOncePerChange();
    void shrinkingContentClampsValue();
    void growingViewClampsValue();
    void wheel_data();
    void wheel();
    void wheelReachesParentWithoutVisibleBar();
    void properties();
    void designerNames();
    void randomInput();
};

static void showAndSettle(QWidget& w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents();
}

void tst_WScrollContainer::barThresholds_data()
{
    QTest::addColumn<QSize>("content");
    QTest::addColumn<bool>("showH");
    QTest::addColumn<bool>("showV");
    QTest::addColumn<QSize>("view");

    // A 300 x 300 container with bars 10 thick.
    QTest::newRow("unset") << QSize(-1, -1) << false << false << QSize(300, 300);
    QTest::newRow("exactly the view") << QSize(300, 300) << false << false << QSize(300, 300);
    QTest::newRow("one smaller") << QSize(299, 299) << false << false << QSize(300, 300);
    QTest::newRow("one wider") << QSize(301, 290) << true << false << QSize(300, 290);
    QTest::newRow("one wider, the bar pushes height over")
        << QSize(301, 291) << true << true << QSize(290, 290);
    QTest::newRow("one taller") << QSize(290, 301) << false << true << QSize(290, 300);
    QTest::newRow("one taller, the bar pushes width over")
        << QSize(291, 301) << true << true << QSize(290, 290);
    QTest::newRow("300 x 305") << QSize(300, 305) << true << true << QSize(290, 290);
    QTest::newRow("far larger") << QSize(5000, 5000) << true << true << QSize(290, 290);
}

void tst_WScrollContainer::barThresholds()
{
    QFETCH(QSize, content);
    QFETCH(bool, showH);
    QFETCH(bool, showV);
    QFETCH(QSize, view);

    Scroller s;
    s.resize(300, 300);
    showAndSettle(s);
    s.SetScrollSize(content);
    QCOMPARE(s.HScrollBar()->isVisible(), showH);
    QCOMPARE(s.VScrollBar()->isVisible(), showV);
    QCOMPARE(s.ScrollContainerArea(), QRect(QPoint(0, 0), view));

    // Back to fitting content: both bars go again.
    s.SetScrollSize(QSize(10, 10));
    QVERIFY(!s.HScrollBar()->isVisible());
    QVERIFY(!s.VScrollBar()->isVisible());
    QCOMPARE(s.ScrollContainerArea(), QRect(0, 0, 300, 300));
}

void tst_WScrollContainer::barsPlacedInsideContainerArea()
{
    Scroller s;
    s.resize(200, 100);
    s.SetPadding(WPadding{5, 5, 5, 5});
    s.SetBorder(PositionFlag::All);
    s.SetBorderWidth(2);
    showAndSettle(s);
    QCOMPARE(s.ContainerArea(), QRect(7, 7, 186, 86));
    const int before = s.areaChanges;
    s.SetScrollSize(QSize(1000, 1000));
    QCOMPARE(s.areaChanges, before + 1);
    QCOMPARE(s.ScrollContainerArea(), QRect(7, 7, 176, 76));
    QCOMPARE(s.HScrollBar()->geometry(), QRect(7, 83, 176, 10));
    QCOMPARE(s.VScrollBar()->geometry(), QRect(183, 7, 10, 76));
}

void tst_WScrollContainer::hooksOncePerChange()
{
    Scroller s;
    s.resize(100, 100);
    showAndSettle(s);
    s.SetScrollSize(QSize(400, 400));
    s.hValues.clear();
    s.vValues.clear();

    s.SetVScrollBarValue(50);
    s.SetVScrollBarValue(50);
    QCOMPARE(s.vValues, QList<int>{50});
    s.SetVScrollBarValue(-3);
    QCOMPARE(s.vValues, (QList<int>{50, 0}));
    s.SetHScrollBarValue(INT_MAX);
    QCOMPARE(s.hValues, QList<int>{310}); // 400 less the 90 left beside the vertical bar

    // ReLayout reports both current offsets once, changed or not.
    s.hValues.clear();
    s.vValues.clear();
    s.ReLayout();
    QCOMPARE(s.hValues, QList<int>{310});
    QCOMPARE(s.vValues, QList<int>{0});
}

void tst_WScrollContainer::shrinkingContentClampsValue()
{
    Scroller s;
    s.resize(300, 300);
    showAndSettle(s);
    s.SetScrollSize(QSize(290, 1000));
    s.SetVScrollBarValue(INT_MAX);
    QCOMPARE(s.VScrollBarValue(), 700);

    s.vValues.clear();
    s.SetScrollSize(QSize(290, 500));
    QCOMPARE(s.VScrollBarValue(), 200);
    QCOMPARE(s.vValues.first(), 200);
    QCOMPARE(s.vValues.last(), 200);

    // The bar goes and takes its offset with it.
    s.vValues.clear();
    s.SetScrollSize(QSize(290, 200));
    QVERIFY(!s.VScrollBar()->isVisible());
    QCOMPARE(s.VScrollBarValue(), 0);
    QCOMPARE(s.vValues.last(), 0);
}

void tst_WScrollContainer::growingViewClampsValue()
{
    Scroller s;
    s.resize(300, 300);
    showAndSettle(s);
    s.SetScrollSize(QSize(290, 1000));
    s.SetVScrollBarValue(700);
    s.resize(300, 400);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(s.VScrollBarValue(), 600);
    QCOMPARE(s.vValues.last(), 600);
    QCOMPARE(s.VScrollBar()->SliderRect().bottom(), 399);
}

void tst_WScrollContainer::wheel_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expected");

    // Starting from 100 of 0 ... 700.
    QTest::newRow("one notch away: up") << QPoint(0, 120) << 10 << 90;
    QTest::newRow("one notch toward: down") << QPoint(0, -120) << 10 << 110;
    QTest::newRow("three notches") << QPoint(0, -360) << 10 << 130;
    QTest::newRow("larger step") << QPoint(0, 120) << 25 << 75;
    QTest::newRow("past the top") << QPoint(0, 1200) << 50 << 0;
    QTest::newRow("too small to step") << QPoint(0, 7) << 10 << 100;
    QTest::newRow("horizontal only") << QPoint(120, 0) << 10 << 100;
    QTest::newRow("extreme step") << QPoint(0, -120) << INT_MAX << 700;
    QTest::newRow("extreme negative step") << QPoint(0, -120) << INT_MIN << 0;
}

void tst_WScrollContainer::wheel()
{
    QFETCH(QPoint, delta);
    QFETCH(int, step);
    QFETCH(int, expected);

    WheelCatcher parent;
    parent.resize(300, 300);
    auto* s = new Scroller(true, true, &parent);
    s->resize(300, 300);
    showAndSettle(parent);
    s->SetScrollSize(QSize(290, 1000));
    s->SetVScrollBarValue(100);
    s->SetWheelStepPixel(step);

    QVERIFY(WexalTest::Wheel(s, QPoint(50, 50), delta));
    QCOMPARE(s->VScrollBarValue(), expected);
    QCOMPARE(parent.wheels, 0); // taken whenever the bar is there, even without a step
}

void tst_WScrollContainer::wheelReachesParentWithoutVisibleBar()
{
    WheelCatcher parent;
    parent.resize(300, 300);
    auto* fits = new Scroller(true, true, &parent);
    fits->resize(300, 100);
    auto* noBar = new Scroller(true, false, &parent);
    noBar->setGeometry(0, 100, 300, 100);
    showAndSettle(parent);
    fits->SetScrollSize(QSize(300, 100));
    noBar->SetScrollSize(QSize(300, 1000));

    for (Scroller* s : {fits, noBar})
        WexalTest::Wheel(s, QPoint(5, 5), QPoint(0, -120));
    QCOMPARE(parent.wheels, 2);
}

void tst_WScrollContainer::properties()
{
    Scroller s;
    s.resize(200, 200);
    showAndSettle(s);
    s.SetScrollSize(QSize(1000, 1000));

    s.SetScrollBarSize(-5);
    QCOMPARE(s.ScrollBarSize(), 0);
    QCOMPARE(s.ScrollContainerArea(), QRect(0, 0, 200, 200));
    s.SetScrollBarSize(INT_MAX);
    QCOMPARE(s.ScrollBarSize(), QWIDGETSIZE_MAX);
    s.SetScrollBarSize(14);
    QCOMPARE(s.HScrollBar()->height(), 14);
    QCOMPARE(s.VScrollBar()->width(), 14);
    QCOMPARE(s.ScrollContainerArea(), QRect(0, 0, 186, 186));

    s.SetSliderMinimumSize(0);
    QCOMPARE(s.SliderMinimumSize(), 20);
    s.SetSliderMinimumSize(90);
    QCOMPARE(s.VScrollBar()->SliderMinimumSize(), 90);
    QCOMPARE(s.VScrollBar()->SliderRect().height(), 90); // 186 * 186 / 1000 is less

    s.SetSliderRadius(-2);
    QCOMPARE(s.SliderRadius(), 0);
    s.SetSliderRadius(4);
    QCOMPARE(s.HScrollBar()->SliderRadius(), 4);
    s.SetSliderColor(Qt::green);
    s.SetSliderColorHover(Qt::darkGreen);
    QCOMPARE(s.HScrollBar()->SliderColor(), QColor(Qt::green));
    QCOMPARE(s.VScrollBar()->SliderColorHover(), QColor(Qt::darkGreen));

    s.SetWheelStepPixel(-7); // stored as given
    QCOMPARE(s.WheelStepPixel(), -7);
}

void tst_WScrollContainer::designerNames()
{
    {
        Scroller s;
        QCOMPARE(s.HScrollBar()->objectName(), QString());
    }
    WBase::SetDesignerMode(true);
    Scroller s;
    Scroller onlyV(false, true);
    WBase::SetDesignerMode(false);
    QCOMPARE(s.HScrollBar()->objectName(), QStringLiteral("__qt__passive_HScrollBar"));
    QCOMPARE(s.VScrollBar()->objectName(), QStringLiteral("__qt__passive_VScrollBar"));
    QVERIFY(!onlyV.HScrollBar());
    QCOMPARE(onlyV.findChildren<WScrollBar*>().size(), 1);
}

void tst_WScrollContainer::randomInput()
{
    Scroller s;
    s.resize(240, 180);
    s.SetScrollSize(QSize(600, 900));
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* c = static_cast<Scroller*>(w);
        switch (rng.bounded(4)) {
        case 0:
            c->SetScrollSize(QSize(WexalTest::ExtremeInt(rng), WexalTest::ExtremeInt(rng)));
            break;
        case 1:
            c->SetHScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        case 2:
            c->SetVScrollBarValue(WexalTest::ExtremeInt(rng));
            break;
        default:
            c->ReLayout();
            break;
        }
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* c = static_cast<Scroller*>(w);
        // The subclass always knows the offset the bars hold.
        if ((!c->hValues.isEmpty() && c->hValues.last() != c->HScrollBarValue()) ||
            (!c->vValues.isEmpty() && c->vValues.last() != c->VScrollBarValue()))
            return QStringLiteral("a value change did not reach its hook");
        for (WScrollBar* bar : {c->HScrollBar(), c->VScrollBar()}) {
            const int length =
                bar->Orientation() == OrientationType::Vertical ? bar->height() : bar->width();
            if (!bar->isHidden() &&
                (bar->Value() < 0 || bar->Value() > qMax(bar->ScrollLength() - length, 0)))
                return QStringLiteral("bar value %1 outside its range").arg(bar->Value());
        }
        if (c->ScrollContainerArea().width() > qMax(c->ContainerArea().width(), 0))
            return QStringLiteral("scroll area wider than the container area");
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&s, options), QString());
}

QTEST_MAIN(tst_WScrollContainer)
#include "tst_wscrollcontainer.moc"
