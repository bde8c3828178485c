// The hour-minute picker to a screen reader and from the keyboard: a group valued as the range
// it shows, with four spin boxes (their names, values, ranges, setting and stepping), the
// selected number focused, the announcements of numbers and of the selection, and the keys:
// Tab into and out of the picker, Left, Right, Up, Down and the digits.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WHourMinutePicker.h"
#include "WPanel.h"
#include "WRandomInput.h"

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
    void groupAndFields();
    void settingAndStepping();
    void selectedFieldIsFocused();
    void tabInAndOut_data();
    void tabInAndOut();
    void keys();
    void announcements();
    void randomInput();
};

void TestWAccessiblePicker::groupAndFields()
{
    Fixture f;
    QAccessibleInterface* face = Face(f.picker);
    QCOMPARE(face->role(), QAccessible::Grouping);
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("08:05-17:30"));
    QCOMPARE(face->childCount(), 4);
    const QStringList names{"Start hour", "Start minute", "End hour", "End minute"};
    const QList<int> values{8, 5, 17, 30}, maxima{23, 59, 23, 59};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* field = f.Field(i);
        QCOMPARE(field->role(), QAccessible::SpinBox);
        QCOMPARE(Name(field), names.at(i));
        QCOMPARE(field->valueInterface()->currentValue().toInt(), values.at(i));
        QCOMPARE(field->valueInterface()->minimumValue().toInt(), 0);
        QCOMPARE(field->valueInterface()->maximumValue().toInt(), maxima.at(i));
        QCOMPARE(field->rect(),
                 QRect(f.picker->mapToGlobal(WHourMinutePicker::ItemRect(i).topLeft()),
                       WHourMinutePicker::ItemRect(i).size()));
        QCOMPARE(face->childAt(field->rect().center().x(), field->rect().center().y()), field);
    }
    QCOMPARE(f.Field(1)->text(QAccessible::Value), QStringLiteral("05"));
    QCOMPARE(face->child(4), nullptr);
    QCOMPARE(WalkTree(face), QString());
}

void TestWAccessiblePicker::settingAndStepping()
{
    Fixture f;
    QAccessibleValueInterface* minute = f.Field(1)->valueInterface();
    minute->setCurrentValue(99);
    QCOMPARE(f.picker->StartMinute(), 59); // clamped, as the digit keys clamp
    minute->setCurrentValue(-5);
    QCOMPARE(f.picker->StartMinute(), 0);
    QAccessibleActionInterface* steps = f.Field(1)->actionInterface();
    steps->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(f.picker->StartMinute(), 59); // around the end, as the arrows go
    steps->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(f.picker->StartMinute(), 0);
    f.Field(2)->setText(QAccessible::Value, QStringLiteral("21"));
    QCOMPARE(f.picker->EndHour(), 21);
    f.Field(2)->setText(QAccessible::Value, QStringLiteral("late"));
    QCOMPARE(f.picker->EndHour(), 21);
    f.picker->setEnabled(false);
    minute->setCurrentValue(30);
    QCOMPARE(f.picker->StartMinute(), 0);
    QVERIFY(steps->actionNames().isEmpty());
}

void TestWAccessiblePicker::selectedFieldIsFocused()
{
    Fixture f;
    QVERIFY(f.Show());
    QCOMPARE(Face(f.picker)->focusChild(), nullptr);
    QTest::mouseClick(f.picker, Qt::LeftButton, {}, WHourMinutePicker::ItemRect(2).center());
    QVERIFY(f.Field(2)->state().selected);
    QVERIFY(f.Field(2)->state().focused);
    QVERIFY(!f.Field(1)->state().focused);
    QCOMPARE(Face(f.picker)->focusChild(), f.Field(2));
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

void TestWAccessiblePicker::keys()
{
    Fixture f;
    QVERIFY(f.Show());
    f.picker->setFocus(Qt::MouseFocusReason);
    // Off, arrows do nothing and without a selection neither do digits.
    QTest::keyClick(f.picker, Qt::Key_Right);
    QTest::keyClick(f.picker, Qt::Key_Up);
    QCOMPARE(f.picker->SelectedItem(), -1);
    QCOMPARE(f.picker->StartHour(), 8);

    const KeyboardOn keyboard;
    QTest::keyClick(f.picker, Qt::Key_Right);
    QCOMPARE(f.picker->SelectedItem(), 0);
    QTest::keyClick(f.picker, Qt::Key_Left); // at the first already
    QCOMPARE(f.picker->SelectedItem(), 0);
    QTest::keyClick(f.picker, Qt::Key_Up);
    QCOMPARE(f.picker->StartHour(), 9);
    QTest::keyClick(f.picker, Qt::Key_Right);
    QTest::keyClick(f.picker, Qt::Key_Down);
    QCOMPARE(f.picker->StartMinute(), 4);
    QTest::keyClick(f.picker, Qt::Key_Right);
    QTest::keyClick(f.picker, Qt::Key_Right);
    QTest::keyClick(f.picker, Qt::Key_Right); // at the last already
    QCOMPARE(f.picker->SelectedItem(), 3);
    QTest::keyClicks(f.picker, QStringLiteral("4"));
    QCOMPARE(f.picker->EndMinute(), 4); // a two-digit value: the digit starts afresh
    QTest::keyClick(f.picker, Qt::Key_Up);
    QCOMPARE(f.picker->EndMinute(), 5);
    f.picker->SetEndMinute(59);
    QTest::keyClick(f.picker, Qt::Key_Up);
    QCOMPARE(f.picker->EndMinute(), 0);
}

void TestWAccessiblePicker::announcements()
{
    Fixture f;
    QVERIFY(f.Show());
    const KeyboardOn keyboard;
    Recorder heard;
    f.picker->SetEndHour(20);
    f.picker->SetEndHour(20);
    QCOMPARE(heard.Count(f.picker, QAccessible::ValueChanged, 2), 1);
    QCOMPARE(heard.Of(f.picker, QAccessible::ValueChanged, 2).first().value.toInt(), 20);
    f.picker->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(f.picker, Qt::Key_Right);
    QTest::keyClick(f.picker, Qt::Key_Right);
    QCOMPARE(heard.Count(f.picker, QAccessible::Focus, 0), 1);
    QCOMPARE(heard.Count(f.picker, QAccessible::Focus, 1), 1);
    QTest::keyClick(f.picker, Qt::Key_Down);
    QTest::keyClicks(f.picker, QStringLiteral("7"));
    const QList<Announcement> minutes = heard.Of(f.picker, QAccessible::ValueChanged, 1);
    QCOMPARE(minutes.size(), 2);
    QCOMPARE(minutes.first().value.toInt(), 4);
    QCOMPARE(minutes.last().value.toInt(), 47);
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

QTEST_MAIN(TestWAccessiblePicker)
#include "tst_waccessiblepicker.moc"
