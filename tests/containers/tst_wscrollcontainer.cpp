// WScrollContainer (abstract: the random-input runs of its subclasses cover it, their invariants
// including the offsets the hooks report) through small subclasses: when bars show, offsets
// clamped and reported, the wheel, deletion from a hook; its scroll bars: the slider computed,
// a drag far outside; and WScrollPanel, the subclass that scrolls a panel child.
#include "WFarPointer.h"
#include "WScrollBar_p.h"
#include "WTestSuite.h"

using Ints = QList<int>;

// The smallest concrete scroll container, shown at 300 x 300: it records what the hooks report.
class Scroller : public WScrollContainer
{
public:
    explicit Scroller(bool vBar = true) : WScrollContainer(true, vBar)
    {
        resize(300, 300);
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        QCoreApplication::sendPostedEvents();
        hValues = vValues = {};
    }
    using WScrollContainer::HScrollBar;
    using WScrollContainer::VScrollBar;
    QList<int> hValues, vValues;

protected:
    void Paint(QPainter* painter) override { painter->fillRect(rect(), Qt::white); }
    void ScrollContainerAreaChangedEvent() override {}
    void HScrollBarValueChangedEvent(int value) override { hValues << value; }
    void VScrollBarValueChangedEvent(int value) override { vValues << value; }
};

// A scroll container whose hooks hand the next call to a handler once: an application's subclass
// may do anything there, deleting the container included.
class HookedScroller : public WScrollContainer
{
public:
    explicit HookedScroller(QWidget* parent) : WScrollContainer(true, true, parent) {}
    std::function<void()> onHook;

protected:
    void Paint(QPainter*) override {}
    void ScrollContainerAreaChangedEvent() override { Call(); }
    void HScrollBarValueChangedEvent(int) override { Call(); }
    void VScrollBarValueChangedEvent(int) override { Call(); }

private:
    void Call()
    {
        if (!onHook)
            return;
        const std::function<void()> handler = std::move(onHook);
        onHook = nullptr;
        handler();
    }
};

// A scroll panel whose bars the test can reach.
class ExposedPanel : public WScrollPanel
{
public:
    using WScrollPanel::HScrollBar;
};

class tst_WScrollContainer : public QObject
{
    Q_OBJECT

private slots:
    // Bars 10 thick: a bar shows exactly when it takes room, and each bar's room can push the
    // content over the other edge.
    void barThresholds_data()
    {
        QTest::addColumn<QSize>("content");
        QTest::addColumn<QSize>("view");
        QTest::newRow("unset") << QSize(-1, -1) << QSize(300, 300);
        QTest::newRow("exactly the view") << QSize(300, 300) << QSize(300, 300);
        QTest::newRow("one wider") << QSize(301, 290) << QSize(300, 290);
        QTest::newRow("one wider, its bar: too tall") << QSize(301, 291) << QSize(290, 290);
        QTest::newRow("one taller") << QSize(290, 301) << QSize(290, 300);
        QTest::newRow("one taller, its bar: too wide") << QSize(291, 301) << QSize(290, 290);
    }
    void barThresholds()
    {
        QFETCH(QSize, content);
        QFETCH(QSize, view);
        // Right to left, the vertical bar and the view change sides.
        for (Qt::LayoutDirection direction : WexalTest::Directions()) {
            const auto at = [direction](const QRect& r) {
                return direction == Qt::LeftToRight ? r : WexalTest::Mirrored(r, 300);
            };
            Scroller s;
            s.setLayoutDirection(direction);
            QCoreApplication::sendPostedEvents();
            s.SetScrollSize(content);
            QCOMPARE(s.HScrollBar()->isVisible(), view.height() < 300);
            QCOMPARE(s.VScrollBar()->isVisible(), view.width() < 300);
            QCOMPARE(s.ScrollContainerArea(), at(QRect(QPoint(0, 0), view)));
            if (s.VScrollBar()->isVisible())
                QCOMPARE(s.VScrollBar()->geometry(), at(QRect(view.width(), 0, 10, view.height())));
            if (s.HScrollBar()->isVisible())
                QCOMPARE(s.HScrollBar()->geometry(), at(QRect(0, view.height(), view.width(), 10)));
            s.SetScrollSize(QSize(299, 299)); // one smaller: both bars go again
            QVERIFY(!s.HScrollBar()->isVisible() && !s.VScrollBar()->isVisible());
            QCOMPARE(s.ScrollContainerArea(), QRect(0, 0, 300, 300));
        }
    }

    // Offsets are clamped to the range, also when the content shrinks or the view grows, and
    // each real change reaches the hook once.
    void offsetsClampedAndReported()
    {
        Scroller s;
        s.SetScrollSize(QSize(400, 1000)); // ReLayout reports the offsets, 0 here
        for (int v : {50, 50, -3, INT_MAX})
            s.SetVScrollBarValue(v);
        s.SetHScrollBarValue(INT_MAX);
        QCOMPARE(s.vValues, (QList<int>{0, 50, 0, 710}));
        QCOMPARE(s.hValues, (QList<int>{0, 110})); // 400 less the 290 beside the vertical bar
        s.hValues = s.vValues = {};
        s.ReLayout(); // reports both current offsets once, changed or not
        QCOMPARE(s.hValues + s.vValues, (QList<int>{110, 710}));
        s.resize(300, 400);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(s.vValues.last(), 610);
        s.vValues = {};
        s.SetScrollSize(QSize(400, 500));
        QCOMPARE(s.vValues.first(), 110); // no stale offset on the way
        s.SetScrollSize(QSize(290, 200)); // the bar goes and takes its offset with it
        QCOMPARE(s.vValues.last(), 0);
        // Settings no bar can take are refused or clamped.
        s.SetSliderMinimumSize(0);
        s.SetSliderRadius(-2);
        s.SetScrollBarSize(INT_MAX);
        QCOMPARE((QList<int>{s.SliderMinimumSize(), s.SliderRadius(), s.ScrollBarSize()}),
                 (QList<int>{20, 0, QWIDGETSIZE_MAX}));
    }

    // From 100 of 0 ... 700; without a visible vertical bar the turn is ignored, so that Qt
    // hands it on to the parent. Content height (negative: a container made without that
    // bar), step, offset after, then the angle deltas of the turns, one event each. Deltas
    // below a notch add up until they make one; a turn the other way starts afresh.
    void wheel_data()
    {
        QTest::addColumn<QList<int>>("wheel");
        QTest::newRow("one notch up") << QList<int>{1000, 10, 90, 120};
        QTest::newRow("three notches down, larger step") << QList<int>{1000, 25, 175, -360};
        QTest::newRow("too small to step, taken all the same") << QList<int>{1000, 10, 100, 7};
        QTest::newRow("extreme step") << QList<int>{1000, INT_MAX, 700, -120};
        QTest::newRow("extreme negative step") << QList<int>{1000, INT_MIN, 0, -120};
        QTest::newRow("content fits") << QList<int>{300, 10, 0, -120};
        QTest::newRow("no vertical bar") << QList<int>{-1000, 10, 0, -120};
        QTest::newRow("fifteen eighths make a notch")
            << QList<int>{1000, 10, 90, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
        QTest::newRow("fourteen do not")
            << QList<int>{1000, 10, 100, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
        QTest::newRow("half notches down") << QList<int>{1000, 10, 120, -60, -60, -60, -60, -60};
        QTest::newRow("a notch after a remainder is one step")
            << QList<int>{1000, 10, 90, 100, 120};
        QTest::newRow("a turn back drops the remainder") << QList<int>{1000, 10, 110, 100, -120};
        QTest::newRow("extreme deltas") << QList<int>{1000, 10, 700, INT_MIN, INT_MIN, INT_MIN};
        QTest::newRow("extreme deltas up") << QList<int>{1000, 10, 0, INT_MAX, INT_MAX};
    }
    void wheel()
    {
        QFETCH(QList<int>, wheel);
        Scroller s(wheel[0] >= 0);
        s.SetScrollSize(QSize(290, qAbs(wheel[0])));
        s.SetVScrollBarValue(100);
        s.SetWheelStepPixel(wheel[1]);
        for (int delta : wheel.mid(3))
            QCOMPARE(WexalTest::Wheel(&s, QPoint(50, 50), QPoint(0, delta)), wheel[0] > 300);
        QCOMPARE(s.VScrollBarValue(), wheel[2]);
    }

    // A subclass's hook may delete the container, or its parent, while the container is
    // dragging a bar, taking a wheel turn or laying itself out: nothing of it is touched
    // afterwards.
    void deletedFromAHook_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<WexalTest::Removal>("removal");
        for (const QString trigger :
             {"bar drag", "wheel", "scroll size", "scroll bar size", "resize"})
            for (const auto& [removal, name] : WexalTest::Removals())
                QTest::newRow(qPrintable(trigger + ", " + name)) << trigger << removal;
    }
    void deletedFromAHook()
    {
        QFETCH(QString, trigger);
        QFETCH(WexalTest::Removal, removal);
        WexalTest::RemovalHost host;
        QPointer<HookedScroller> s = new HookedScroller(host.parent);
        s->resize(300, 300);
        s->SetScrollSize(QSize(600, 600));
        host.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        QCoreApplication::sendPostedEvents();
        int calls = 0;
        s->onHook = [&, w = s.data()] {
            if (calls++ == 0)
                WexalTest::Remove(w, removal);
        };
        QWidget* window = &host.window;
        const QPoint bar = s->mapTo(window, QPoint(295, 20)); // on the vertical slider
        if (trigger == "bar drag") {
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, bar);
            for (int y = 1; y <= 3; ++y)
                QTest::mouseMove(window->windowHandle(), bar + QPoint(0, 30 * y));
            QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, bar + QPoint(0, 90));
        } else if (trigger == "wheel") {
            WexalTest::Wheel(s, QPoint(50, 50), QPoint(0, -120));
        } else if (trigger == "scroll size") {
            s->SetScrollSize(QSize(900, 900));
        } else if (trigger == "scroll bar size") {
            s->SetScrollBarSize(14);
        } else {
            s->resize(250, 250);
            QCoreApplication::sendPostedEvents();
        }
        host.Settle();
        QCOMPARE(calls, 1);
        QVERIFY(s.isNull());
        QCOMPARE(host.parent.isNull(), removal == WexalTest::Removal::DeleteParent);
    }

    void computeSlider_data()
    {
        // in: bar length, scroll length, slider minimum, value set;
        // out: slider length, travel (free length), slider top, value held.
        QTest::addColumn<Ints>("in");
        QTest::addColumn<Ints>("out");
        QTest::newRow("100 over 400") << Ints{100, 400, 20, 100} << Ints{25, 75, 25, 100};
        QTest::newRow("at the minimum") << Ints{100, 10000, 20, 4950} << Ints{20, 80, 40, 4950};
        QTest::newRow("minimum fills the bar") << Ints{30, 1000, 40, 500} << Ints{30, 0, 0, 500};
        QTest::newRow("one pixel of travel") << Ints{100, 101, 20, 1} << Ints{99, 1, 1, 1};
        // length * length overflows int here.
        QTest::newRow("largest") << Ints{QWIDGETSIZE_MAX, INT_MAX, 20, 0}
                                 << Ints{131071, QWIDGETSIZE_MAX - 131071, 0, 0};
    }
    void computeSlider()
    {
        QFETCH(Ints, in);
        QFETCH(Ints, out);
        WScrollBar bar(OrientationType::Vertical, nullptr);
        bar.resize(10, in[0]);
        bar.SetSliderMinimumSize(in[2]);
        bar.SetScrollLength(in[1]);
        bar.SetValue(in[3]);
        bar.ComputeSlider();
        const QRect& s = bar.SliderRect();
        QCOMPARE((Ints{s.height(), bar.FreeLength(), s.top(), bar.Value()}), out);
    }

    // Synthesised or transformed events may carry positions int cannot hold: dragging the
    // slider of a bar 200 long over 900 there takes it to the nearer end of its travel (a far
    // x, or NaN, leaves it anywhere in range).
    void farDrag_data() { WexalTest::AddFarPointerRows(); }
    void farDrag()
    {
        QFETCH(QPointF, far);
        WScrollBar bar(OrientationType::Vertical, nullptr);
        bar.resize(12, 200);
        bar.SetScrollLength(900);
        bar.SetValue(350);
        const QPointF grab(5, bar.SliderRect().top() + 10);
        for (const auto& [type, at] :
             {qMakePair(QEvent::MouseButtonPress, grab), qMakePair(QEvent::MouseMove, far)}) {
            QMouseEvent e(type, at, at, Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(&bar, &e);
        }
        if (qAbs(far.y()) > 1e6)
            QCOMPARE(bar.Value(), far.y() > 0 ? 700 : 0);
        QVERIFY(bar.Value() >= 0 && bar.Value() <= 700);
    }

    // A 300 x 300 panel over 500 x 500 content, with bars 10 thick. Right to left the content
    // starts at its right edge and the horizontal bar at the right: every place across is the
    // mirror image of the one left to right.
    void adoptsAndScrollsPanelChild_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }
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
        // A turn over the content scrolls the panel (small deltas adding up are the wheel
        // table's).
        WexalTest::Wheel(content, QPoint(50, 50), QPoint(0, 120));
        QCOMPARE(sp.VScrollBarValue(), 210 - sp.WheelStepPixel());

        sp.SetScrollAreaSize(QSize(200, 200)); // the bars go, the content fills the view
        QCOMPARE(content->geometry(), QRect(0, 0, 300, 300));
        delete content.data(); // the application may delete its content panel first
        QCOMPARE(sp.ScrollWidget(), nullptr);
        sp.SetScrollAreaSize(QSize(700, 700));
    }
};

WEXAL_TEST_MAIN(tst_WScrollContainer)
#include "tst_wscrollcontainer.moc"
