#include "WFarPointer.h"
#include "WScrollBar_p.h"
#include "WTestSuite.h"

using Ints = QList<int>;

class tst_WScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void computeSlider_data()
    {
        // in: bar length, scroll length, slider minimum, value set;
        // out: slider length, travel (free length), slider top, value held.
        QTest::addColumn<Ints>("in");
        QTest::addColumn<Ints>("out");
        QTest::newRow("100 over 400") << Ints{100, 400, 20, 100} << Ints{25, 75, 25, 100};
        QTest::newRow("clamped to the end") << Ints{100, 400, 20, 999} << Ints{25, 75, 75, 300};
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

    void randomInput()
    {
        WScrollBar bar(OrientationType::Vertical, nullptr);
        bar.resize(12, 200);
        bar.SetScrollLength(900);
        WexalTest::RandomInputOptions options;
        options.action = [](QRandomGenerator& rng, QWidget* w) {
            static void (WScrollBar::*const setters[])(int) = {
                &WScrollBar::SetValue, &WScrollBar::SetScrollLength,
                &WScrollBar::SetSliderMinimumSize, &WScrollBar::SetSliderRadius};
            (static_cast<WScrollBar*>(w)->*setters[rng.bounded(4)])(WexalTest::ExtremeInt(rng));
        };
        options.invariant = [](QWidget* w) -> QString {
            auto* b = static_cast<WScrollBar*>(w);
            const QRect& s = b->SliderRect();
            if (b->Value() < 0 || b->Value() > qMax(b->ScrollLength() - b->height(), 0) ||
                s.top() < 0 || s.top() > b->FreeLength() || s.bottom() >= b->height())
                return QStringLiteral("value or slider outside the bar");
            return QString();
        };
        QCOMPARE(WexalTest::RunRandomInput(&bar, options), QString());
    }
};

WEXAL_TEST_MAIN(tst_WScrollBar)
#include "tst_wscrollbar.moc"
