// The hour-minute picker: where its numbers are for a screen reader, and Tab into and out
// of it.
#include "AccessTestSupport.h"
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

WEXAL_TEST_MAIN(TestWAccessiblePicker)
#include "tst_waccessiblepicker.moc"
