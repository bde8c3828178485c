// Track bars, progress bars and the scroll containers' bars to a screen reader: slider,
// progress bar and scroll bar roles with their value interfaces and ranges, values set and
// stepped by the reader, the announcements of new values, and the track bar's keys.
#include "AccessTestSupport.h"
#include "WItemList.h"
#include "WProgressBar.h"
#include "WRandomInput.h"
#include "WScrollBar_p.h"
#include "WTrackBar.h"

using namespace AccessTest;

class TestWAccessibleValue : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void slider();
    void progressBar();
    void scrollBar();
    void announcements();
    void keys_data();
    void keys();
    void keysWhileDragging();
    void randomInput();
};

void TestWAccessibleValue::slider()
{
    WTrackBar track;
    track.SetMinimum(10);
    track.SetMaximum(1010);
    track.SetValue1(300);
    track.setAccessibleName(QStringLiteral("Volume"));
    QAccessibleInterface* face = Face(&track);
    QCOMPARE(face->role(), QAccessible::Slider);
    QCOMPARE(Name(face), QStringLiteral("Volume"));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("300"));
    QAccessibleValueInterface* value = face->valueInterface();
    QCOMPARE(value->currentValue().toInt(), 300);
    QCOMPARE(value->minimumValue().toInt(), 10);
    QCOMPARE(value->maximumValue().toInt(), 1010);
    QCOMPARE(value->minimumStepSize().toInt(), 10); // a hundredth of the range
    QVERIFY(face->state().focusable);

    QSignalSpy changed(&track, &WTrackBar::Value1Changed);
    value->setCurrentValue(5000); // clamped like any value
    QCOMPARE(track.Value1(), 1010);
    value->setCurrentValue(QStringLiteral("not a number"));
    value->setCurrentValue(qlonglong(1) << 40);
    QCOMPARE(track.Value1(), 1010);
    QCOMPARE(changed.count(), 1);
    QAccessibleActionInterface* actions = face->actionInterface();
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(track.Value1(), 1000);
    actions->doAction(QAccessibleActionInterface::increaseAction());
    actions->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(track.Value1(), 1010);
    track.setEnabled(false);
    value->setCurrentValue(500);
    QCOMPARE(track.Value1(), 1010);
    QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
}

void TestWAccessibleValue::progressBar()
{
    WProgressBar bar;
    bar.SetValue(42);
    QAccessibleInterface* face = Face(&bar);
    QCOMPARE(face->role(), QAccessible::ProgressBar);
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("42%"));
    QCOMPARE(face->valueInterface()->currentValue().toInt(), 42);
    QCOMPARE(face->valueInterface()->maximumValue().toInt(), 100);
    QVERIFY(face->state().readOnly);
    QVERIFY(!face->state().focusable);
    // Progress is the application's to report: a reader cannot set it.
    face->valueInterface()->setCurrentValue(90);
    QCOMPARE(bar.Value(), 42);
}

void TestWAccessibleValue::scrollBar()
{
    WItemList list;
    list.resize(100, 100);
    QStringList lines;
    for (int i = 0; i < 30; ++i)
        lines << QString::number(i);
    list.SetItems(lines);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCoreApplication::sendPostedEvents();
    WScrollBar* bar = nullptr;
    for (WScrollBar* b : list.findChildren<WScrollBar*>()) {
        if (b->Orientation() == OrientationType::Vertical)
            bar = b;
    }
    QVERIFY(bar);
    QAccessibleInterface* face = Face(bar);
    QCOMPARE(face->role(), QAccessible::ScrollBar);
    QCOMPARE(face->valueInterface()->maximumValue().toInt(), 600 - bar->height());
    face->valueInterface()->setCurrentValue(120);
    QCOMPARE(list.VScrollBarValue(), 120);
    // The list's children are its lines, not its bars.
    QCOMPARE(Face(&list)->indexOfChild(face), -1);
}

void TestWAccessibleValue::announcements()
{
    Recorder heard;
    WTrackBar track;
    WProgressBar bar;
    track.SetValue1(30);
    track.SetValue1WithoutEvent(40);
    track.SetValue2(50); // only drawn: not the value
    bar.SetValue(7);
    bar.SetValue(7);
    bar.SetValue(700);
    const QList<Announcement> moved = heard.Of(&track, QAccessible::ValueChanged);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(moved.last().value.toInt(), 40);
    const QList<Announcement> progressed = heard.Of(&bar, QAccessible::ValueChanged);
    QCOMPARE(progressed.size(), 2);
    QCOMPARE(progressed.last().value.toInt(), 100);
}

void TestWAccessibleValue::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value"); // from 500 in 0 .. 1000
    const int h = OrientationType::Horizontal, v = OrientationType::Vertical;
    QTest::newRow("Right") << true << h << int(Qt::Key_Right) << 510;
    QTest::newRow("Left") << true << h << int(Qt::Key_Left) << 490;
    QTest::newRow("Up") << true << h << int(Qt::Key_Up) << 490;
    QTest::newRow("Down") << true << h << int(Qt::Key_Down) << 510;
    QTest::newRow("vertical Down, towards the end") << true << v << int(Qt::Key_Down) << 510;
    QTest::newRow("vertical Up") << true << v << int(Qt::Key_Up) << 490;
    QTest::newRow("Page Down") << true << h << int(Qt::Key_PageDown) << 600;
    QTest::newRow("Page Up") << true << h << int(Qt::Key_PageUp) << 400;
    QTest::newRow("Home") << true << h << int(Qt::Key_Home) << 0;
    QTest::newRow("End") << true << h << int(Qt::Key_End) << 1000;
    QTest::newRow("switch off") << false << h << int(Qt::Key_Right) << 500;
}

void TestWAccessibleValue::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(int, orientation);
    QFETCH(int, key);
    QFETCH(int, value);
    WBase::SetKeyboardAccess(keyboard);
    WTrackBar track;
    track.SetOrientation(OrientationType::Types(orientation));
    track.resize(orientation == OrientationType::Horizontal ? QSize(200, 20) : QSize(20, 200));
    track.SetButtonSize(QSize(10, 10));
    track.SetMaximum(1000);
    track.SetValue1(500);
    QSignalSpy changed(&track, &WTrackBar::Value1Changed);
    QSignalSpy manual(&track, &WTrackBar::ManuallyDragChanged);
    QTest::keyClick(&track, Qt::Key(key));
    QCOMPARE(track.Value1(), value);
    const int emitted = value == 500 ? 0 : 1;
    QCOMPARE(changed.count(), emitted);
    QCOMPARE(manual.count(), emitted);
    if (emitted)
        QCOMPARE(manual.first().first().toInt(), value);
    // At the end of the range another step changes nothing and says nothing.
    if (value == 1000) {
        QTest::keyClick(&track, Qt::Key_Right);
        QCOMPARE(changed.count(), 1);
    }
}

// The hand on the button owns the value: keys wait until it lets go.
void TestWAccessibleValue::keysWhileDragging()
{
    const KeyboardOn keyboard;
    WTrackBar track;
    track.resize(200, 20);
    track.SetButtonSize(QSize(10, 10));
    track.show();
    QVERIFY(QTest::qWaitForWindowExposed(&track));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(track.ButtonLocation() + 2, 10),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&track, &press);
    QVERIFY(track.IsDragging());
    QTest::keyClick(&track, Qt::Key_End);
    QCOMPARE(track.Value1(), 0);
}

void TestWAccessibleValue::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    WTrackBar track;
    track.SetButtonSize(QSize(8, 12));
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        QAccessibleInterface* face = Face(&track);
        face->valueInterface()->setCurrentValue(WexalTest::ExtremeInt(rng));
        face->actionInterface()->doAction(rng.bounded(2)
                                              ? QAccessibleActionInterface::increaseAction()
                                              : QAccessibleActionInterface::decreaseAction());
    };
    options.invariant = [&](QWidget*) {
        QAccessibleValueInterface* value = Face(&track)->valueInterface();
        if (value->currentValue().toInt() != track.Value1() ||
            value->minimumValue().toInt() != track.Minimum() ||
            value->maximumValue().toInt() != track.Maximum())
            return QStringLiteral("the value or the range is not the track bar's");
        return WalkTree(Face(&track));
    };
    QCOMPARE(WexalTest::RunRandomInput(&track, options), QString());
}

QTEST_MAIN(TestWAccessibleValue)
#include "tst_waccessiblevalue.moc"
