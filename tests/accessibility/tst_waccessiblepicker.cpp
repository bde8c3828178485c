// The hour-minute picker: where its numbers are for a screen reader, Tab into and out of it,
// and random input.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WHourMinutePicker.h"
#include "WPanel.h"
#include "WRandomInput.h"
#include "WTestSuite.h"

using namespace AccessTest;

namespace {

struct Fixture
{
    Fixture()
    {
        window.resize(300, 60);
        before = new WButton(&window);
        before->setGeometry(5, 5, 50, 25);
        picker = new WHourMinutePicker(&window);
        picker->move(60, 5);
        after = new WButton(&window);
        after->setGeometry(200, 5, 50, 25);
        picker->SetStartHour(8);
        picker->SetStartMinute(5);
        picker->SetEndHour(17);
        picker->SetEndMinute(30);
    }
    bool Show() { return ShowActive(&window); }
    QAccessibleInterface* Field(int i) { return Face(picker)->child(i); }
    WPanel window;
    WButton* before;
    WHourMinutePicker* picker;
    WButton* after;
};

} // namespace

class TestWAccessiblePicker : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void fieldsWhereTheyAre();
    void tabInAndOut_data();
    void tabInAndOut();
    void randomInput();
};

void TestWAccessiblePicker::fieldsWhereTheyAre()
{
    Fixture f;
    for (int i = 0; i < 4; ++i) {
        const QRect box = WHourMinutePicker::ItemRect(i);
        QCOMPARE(f.Field(i)->rect(), QRect(f.picker->mapToGlobal(box.topLeft()), box.size()));
        QCOMPARE(Face(f.picker)->childAt(f.Field(i)->rect().center().x(),
                                         f.Field(i)->rect().center().y()),
                 f.Field(i));
    }
    QCOMPARE(Face(f.picker)->child(4), nullptr);
}

void TestWAccessiblePicker::tabInAndOut_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("switch on") << true;
    QTest::newRow("switch off") << false;
}

void TestWAccessiblePicker::tabInAndOut()
{
    QFETCH(bool, keyboard);
    WBase::SetKeyboardAccess(keyboard);
    Fixture f;
    QVERIFY(f.Show());
    f.before->setFocus(Qt::MouseFocusReason);
    if (keyboard) {
        // Reached with Tab, the picker starts at its first number; with Shift+Tab at its last.
        QTest::keyClick(f.before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.picker);
        QCOMPARE(f.picker->SelectedItem(), 0);
        QTest::keyClick(f.picker, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.after);
        QCOMPARE(f.picker->SelectedItem(), -1);
        QTest::keyClick(f.after, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), f.picker);
        QCOMPARE(f.picker->SelectedItem(), 3);
    } else {
        // As before the switch: clicked into, the picker keeps Tab to itself.
        QTest::mouseClick(f.picker, Qt::LeftButton, {}, WHourMinutePicker::ItemRect(0).center());
        QTest::keyClick(f.picker, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.picker);
    }
}

void TestWAccessiblePicker::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (QAccessibleInterface* field = Face(f.picker)->child(rng.bounded(-1, 5)))
            field->valueInterface()->setCurrentValue(WexalTest::ExtremeInt(rng));
    };
    options.invariant = [&](QWidget*) {
        for (int i = 0; i < 4; ++i) {
            QAccessibleValueInterface* v = Face(f.picker)->child(i)->valueInterface();
            const int value = v->currentValue().toInt();
            if (value < 0 || value > v->maximumValue().toInt())
                return QStringLiteral("number %1 outside its range").arg(i);
        }
        return WalkTree(Face(&f.window));
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.window, options), QString());
}

WEXAL_TEST_MAIN(TestWAccessiblePicker)
#include "tst_waccessiblepicker.moc"
