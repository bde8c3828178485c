#include "WRandomInput.h"
#include "WScrollBar_p.h"
#include "WTestMouse.h"

#include <QSignalSpy>
#include <QtTest>

#include <climits>

class tst_WScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void computeSlider_data();
    void computeSlider();
    void horizontalSliderRect();
    void setValueClampsAndEmitsOnChange();
    void scrollLengthShrinkClampsValue();
    void dragWithMouse();
    void otherButtonsDoNotDrag();
    void hoverColour();
    void roundedSlider();
    void randomInput();
};

// A vertical bar of the given length, its slider computed but the bar not shown.
static void setUp(WScrollBar& bar, int length, int scroll, int minimum, int value)
{
    bar.resize(10, length);
    bar.SetSliderMinimumSize(minimum);
    bar.SetScrollLength(scroll);
    bar.SetValue(value);
    bar.ComputeSlider();
}

void tst_WScrollBar::computeSlider_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("sliderLength");
    QTest::addColumn<int>("freeLength");
    QTest::addColumn<int>("position");

    QTest::newRow("quarter") << 100 << 400 << 20 << 100 << 25 << 75 << 25;
    QTest::newRow("last value snaps to the end") << 100 << 400 << 20 << 300 << 25 << 75 << 75;
    QTest::newRow("value past the end is clamped") << 100 << 400 << 20 << 9999 << 25 << 75 << 75;
    QTest::newRow("raised to the minimum") << 100 << 10000 << 20 << 0 << 20 << 80 << 0;
    QTest::newRow("minimum, middle") << 100 << 10000 << 20 << 4950 << 20 << 80 << 40;
    QTest::newRow("content fits") << 100 << 100 << 20 << 50 << 100 << 0 << 0;
    QTest::newRow("content shorter") << 100 << 40 << 20 << 50 << 100 << 0 << 0;
    QTest::newRow("minimum fills the bar") << 30 << 1000 << 40 << 500 << 30 << 0 << 0;
    QTest::newRow("one pixel of travel") << 100 << 101 << 20 << 1 << 99 << 1 << 1;
    QTest::newRow("empty bar") << 0 << 400 << 20 << 10 << 0 << 0 << 0;
    // length * length overflows int here.
    QTest::newRow("tallest bar, largest content")
        << QWIDGETSIZE_MAX << INT_MAX << 20 << 0 << 131071 << QWIDGETSIZE_MAX - 131071 << 0;
}

void tst_WScrollBar::computeSlider()
{
    QFETCH(int, length);
    QFETCH(int, scroll);
    QFETCH(int, minimum);
    QFETCH(int, value);
    QFETCH(int, sliderLength);
    QFETCH(int, freeLength);
    QFETCH(int, position);

    WScrollBar bar(OrientationType::Vertical, nullptr);
    setUp(bar, length, scroll, minimum, value);
    QCOMPARE(bar.SliderRect().height(), sliderLength);
    QCOMPARE(bar.SliderRect().top(), position);
    QCOMPARE(bar.SliderRect().width(), 10);
    QCOMPARE(bar.FreeLength(), freeLength);
    QVERIFY(bar.Value() >= 0 && bar.Value() <= qMax(scroll - length, 0));
}

void tst_WScrollBar::horizontalSliderRect()
{
    WScrollBar bar(OrientationType::Horizontal, nullptr);
    bar.resize(100, 8);
    bar.SetScrollLength(400);
    bar.SetValue(100);
    QCOMPARE(bar.SliderRect(), QRect(25, 0, 25, 8));
    QCOMPARE(bar.Ratio(), 4.0f);
}

void tst_WScrollBar::setValueClampsAndEmitsOnChange()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    setUp(bar, 100, 400, 20, 0);
    QSignalSpy spy(&bar, &WScrollBar::ValueChanged);

    bar.SetValue(-5);
    QCOMPARE(spy.count(), 0);
    bar.SetValue(INT_MAX);
    QCOMPARE(bar.Value(), 300);
    bar.SetValue(300);
    bar.SetValue(INT_MIN);
    QCOMPARE(bar.Value(), 0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 300);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
}

void tst_WScrollBar::scrollLengthShrinkClampsValue()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    setUp(bar, 100, 400, 20, 250);
    QSignalSpy spy(&bar, &WScrollBar::ValueChanged);

    bar.SetScrollLength(800); // growing keeps the offset
    QCOMPARE(bar.Value(), 250);
    bar.SetScrollLength(300);
    QCOMPARE(bar.Value(), 200);
    bar.SetScrollLength(60); // shorter than the bar: back to 0, never negative
    QCOMPARE(bar.Value(), 0);
    bar.SetScrollLength(-40);
    QCOMPARE(bar.ScrollLength(), 0);
    QCOMPARE(bar.Value(), 0);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toInt(), 0);
    QCOMPARE(bar.SliderRect().height(), 100);
}

void tst_WScrollBar::dragWithMouse()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    bar.resize(10, 100);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.SetScrollLength(400); // slider 25 long, 75 of travel, 4 content pixels per pixel
    QSignalSpy spy(&bar, &WScrollBar::ValueChanged);

    // The slider's first pixel does not grab it.
    WexalTest::MousePress(&bar, QPoint(5, 0), Qt::LeftButton);
    QVERIFY(!bar.IsPressed());
    WexalTest::MouseMove(&bar, QPoint(5, 40));
    QCOMPARE(bar.Value(), 0);
    WexalTest::MouseRelease(&bar, QPoint(5, 40), Qt::LeftButton);

    WexalTest::MousePress(&bar, QPoint(5, 10), Qt::LeftButton);
    QVERIFY(bar.IsPressed());
    WexalTest::MouseMove(&bar, QPoint(5, 20));
    QCOMPARE(bar.Value(), 40);
    QCOMPARE(bar.SliderRect().top(), 10);
    WexalTest::MouseMove(&bar, QPoint(5, 85));
    QCOMPARE(bar.Value(), 300); // the end gives exactly scroll length - bar length
    QCOMPARE(bar.SliderRect().top(), 75);
    // Travel past the end is dropped: moving back moves the slider at once.
    WexalTest::MouseMove(&bar, QPoint(5, 99));
    WexalTest::MouseMove(&bar, QPoint(5, 94));
    QCOMPARE(bar.SliderRect().top(), 70);
    QCOMPARE(bar.Value(), 280);
    WexalTest::MouseRelease(&bar, QPoint(5, 94), Qt::LeftButton);
    QVERIFY(!bar.IsPressed());
    WexalTest::MouseMove(&bar, QPoint(5, 30));
    QCOMPARE(bar.Value(), 280);

    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.last().at(0).toInt(), 280);
}

void tst_WScrollBar::otherButtonsDoNotDrag()
{
    WScrollBar bar(OrientationType::Horizontal, nullptr);
    bar.resize(100, 10);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.SetScrollLength(400);
    WexalTest::MousePress(&bar, QPoint(10, 5), Qt::RightButton);
    QVERIFY(!bar.IsPressed());
    WexalTest::MouseMove(&bar, QPoint(60, 5));
    QCOMPARE(bar.Value(), 0);
    WexalTest::MouseRelease(&bar, QPoint(60, 5), Qt::RightButton);
}

void tst_WScrollBar::hoverColour()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    bar.resize(10, 100);
    bar.SetSliderColor(Qt::red);
    bar.SetSliderColorHover(Qt::blue);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.SetScrollLength(200);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&bar, &enter);
    QVERIFY(bar.IsHover());
    QCOMPARE(bar.grab().toImage().pixelColor(5, 5), QColor(Qt::blue));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&bar, &leave);
    QVERIFY(!bar.IsHover());
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red));
    QVERIFY(image.pixelColor(5, 80) != QColor(Qt::red)); // only the slider is drawn
}

void tst_WScrollBar::roundedSlider()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    bar.resize(10, 100);
    bar.SetSliderColor(Qt::red);
    bar.SetSliderRadius(-4);
    QCOMPARE(bar.SliderRadius(), 0);
    bar.SetSliderRadius(5);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.SetScrollLength(200);
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.pixelColor(5, 25), QColor(Qt::red));
    QVERIFY(image.pixelColor(0, 0) != QColor(Qt::red)); // the corner is rounded off
}

void tst_WScrollBar::randomInput()
{
    WScrollBar bar(OrientationType::Vertical, nullptr);
    bar.resize(12, 200);
    bar.SetScrollLength(900);
    WexalTest::RandomInputOptions options;
    options.action = [](QRandomGenerator& rng, QWidget* w) {
        auto* b = static_cast<WScrollBar*>(w);
        switch (rng.bounded(4)) {
        case 0:
            b->SetValue(WexalTest::ExtremeInt(rng));
            break;
        case 1:
            b->SetScrollLength(WexalTest::ExtremeInt(rng));
            break;
        case 2:
            b->SetSliderMinimumSize(WexalTest::ExtremeInt(rng));
            break;
        default:
            b->SetSliderRadius(WexalTest::ExtremeInt(rng));
            break;
        }
    };
    options.invariant = [](QWidget* w) -> QString {
        auto* b = static_cast<WScrollBar*>(w);
        const int length = qMax(b->height(), 0);
        if (b->Value() < 0 || b->Value() > qMax(b->ScrollLength() - length, 0))
            return QStringLiteral("value %1 outside its range").arg(b->Value());
        const QRect& s = b->SliderRect();
        if (b->FreeLength() < 0 || s.top() < 0 || s.top() > b->FreeLength() || s.height() > length)
            return QStringLiteral("slider outside the bar");
        return QString();
    };
    QCOMPARE(WexalTest::RunRandomInput(&bar, options), QString());
}

QTEST_MAIN(tst_WScrollBar)
#include "tst_wscrollbar.moc"
