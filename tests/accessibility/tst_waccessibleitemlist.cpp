// The item list to a screen reader and from the keyboard: a list of its lines with the selected
// one selected and focused, where each line is on screen, "Press" selecting a line, the
// announcements of selection and focus, and the arrow, page, Home and End keys.
#include "AccessTestSupport.h"
#include "WItemList.h"
#include "WRandomInput.h"

using namespace AccessTest;

namespace {

QStringList lines(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Line %1").arg(i);
    return list;
}

// 100 x 100 with 20-pixel lines and no bars: five lines in view.
bool shown(WItemList& list, int count)
{
    list.resize(100, 100);
    list.SetScrollBarSize(0);
    list.SetItems(lines(count));
    if (!ShowActive(&list))
        return false;
    QCoreApplication::sendPostedEvents();
    return true;
}

} // namespace

class TestWAccessibleItemList : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void listAndLines();
    void whereLinesAre();
    void pressSelects();
    void announcements();
    void keys_data();
    void keys();
    void keysScrollWhenLinesCannotBeSelected();
    void randomInput();
};

void TestWAccessibleItemList::listAndLines()
{
    WItemList list;
    list.SetItems(lines(3));
    QAccessibleInterface* face = Face(&list);
    QCOMPARE(face->role(), QAccessible::List);
    QCOMPARE(face->childCount(), 3);
    QAccessibleInterface* second = face->child(1);
    QCOMPARE(second->role(), QAccessible::ListItem);
    QCOMPARE(Name(second), QStringLiteral("Line 1"));
    QCOMPARE(face->child(1), second); // the same interface every time
    QVERIFY(second->state().selectable);
    QVERIFY(!second->state().selected);
    QCOMPARE(face->child(3), nullptr);
    QCOMPARE(face->child(-1), nullptr);

    list.SetSelectedIndex(1);
    QVERIFY(second->state().selected);
    QVERIFY(!second->state().focused);
    list.SetCanSelectItem(false);
    QVERIFY(!second->state().selectable);
    QVERIFY(second->actionInterface()->actionNames().isEmpty());

    // A line the list no longer has reads as invalid; once the list is read again its
    // interface is gone, and the line that comes back gets a new one.
    const QAccessible::Id secondId = QAccessible::uniqueId(second);
    list.SetItems(lines(1));
    QVERIFY(!second->isValid());
    QCOMPARE(face->childCount(), 1);
    QCOMPARE(face->indexOfChild(second), -1);
    QVERIFY(face->child(0));
    // (Qt hands a freed id to the next interface it registers.)
    const QAccessibleInterface* under = QAccessible::accessibleInterface(secondId);
    QVERIFY(!under || under->isValid());
    list.AddItem(QStringLiteral("again"));
    QCOMPARE(Name(face->child(1)), QStringLiteral("again"));
    QCOMPARE(WalkTree(face), QString());

    // A reader walking many lines leaves a bounded number of interfaces behind: the first it
    // read goes, the last stays and is handed out again.
    list.SetItems(lines(20000));
    const QAccessible::Id first = QAccessible::uniqueId(face->child(0));
    for (int i = 0; i < 20000; ++i)
        QVERIFY(face->child(i));
    under = QAccessible::accessibleInterface(first);
    QVERIFY(!under || Name(const_cast<QAccessibleInterface*>(under)) != QStringLiteral("Line 0"));
    QAccessibleInterface* last = face->child(19999);
    QCOMPARE(face->child(19999), last);
    QCOMPARE(Name(last), QStringLiteral("Line 19999"));
}

void TestWAccessibleItemList::whereLinesAre()
{
    WItemList list;
    QVERIFY(shown(list, 30));
    list.SetPadding(QRect(4, 0, 0, 0)); // 4 pixels above the first line
    QAccessibleInterface* face = Face(&list);
    const QPoint origin = list.mapToGlobal(QPoint(0, 0));
    QCOMPARE(face->child(2)->rect(), QRect(origin + QPoint(0, 44), QSize(100, 20)));
    QVERIFY(!face->child(2)->state().offscreen);
    QVERIFY(face->child(10)->state().offscreen);
    QCOMPARE(face->childAt(origin.x() + 50, origin.y() + 50), face->child(2));
    list.SetVScrollBarValue(100);
    QCOMPARE(face->child(7)->rect().top(), origin.y() + 4 + 140 - 100);
    QVERIFY(face->child(2)->state().offscreen);
    QCOMPARE(face->childAt(origin.x() + 50, origin.y() + 50), face->child(7));
    QCOMPARE(face->childAt(origin.x() + 500, origin.y() + 50), nullptr);
}

void TestWAccessibleItemList::pressSelects()
{
    WItemList list;
    list.SetItems(lines(4));
    QAccessibleActionInterface* third = Face(&list)->child(2)->actionInterface();
    QCOMPARE(third->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    third->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(list.SelectedIndex(), 2);
    // Pressed again it stays selected: unlike a click, the action only selects.
    third->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(list.SelectedIndex(), 2);
    list.setEnabled(false);
    QVERIFY(third->actionNames().isEmpty());
}

void TestWAccessibleItemList::announcements()
{
    WItemList list;
    QVERIFY(shown(list, 10));
    list.clearFocus();
    Recorder heard;
    list.SetSelectedIndex(3);
    list.SetSelectedIndex(3);
    QCOMPARE(heard.Count(&list, QAccessible::Selection, 3), 1);
    QCOMPARE(heard.Count(&list, QAccessible::Focus), 0); // the list has no focus
    list.setFocus();
    QCOMPARE(Face(&list)->focusChild(), Face(&list)->child(3));
    QVERIFY(Face(&list)->child(3)->state().focused);
    // A click selects the line under it; with the focus, the line is focused as well.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 25), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&list, &press);
    QCOMPARE(list.SelectedIndex(), 1);
    QCOMPARE(heard.Count(&list, QAccessible::Selection, 1), 1);
    QCOMPARE(heard.Count(&list, QAccessible::Focus, 1), 1);
    // A click that clears the selection selects nothing to announce.
    heard.Clear();
    QApplication::sendEvent(&list, &press);
    QCOMPARE(list.SelectedIndex(), -1);
    QCOMPARE(heard.Count(&list, QAccessible::Selection), 0);
}

void TestWAccessibleItemList::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("scroll");
    QTest::newRow("Down from none") << true << -1 << int(Qt::Key_Down) << 0 << 0;
    QTest::newRow("Up from none") << true << -1 << int(Qt::Key_Up) << 0 << 0;
    QTest::newRow("Down") << true << 2 << int(Qt::Key_Down) << 3 << 0;
    QTest::newRow("Down out of view") << true << 4 << int(Qt::Key_Down) << 5 << 20;
    QTest::newRow("Up at the top") << true << 0 << int(Qt::Key_Up) << 0 << 0;
    QTest::newRow("Page Down") << true << 1 << int(Qt::Key_PageDown) << 6 << 40;
    QTest::newRow("Page Down near the end") << true << 17 << int(Qt::Key_PageDown) << 19 << 300;
    QTest::newRow("End") << true << 0 << int(Qt::Key_End) << 19 << 300;
    QTest::newRow("Home") << true << 19 << int(Qt::Key_Home) << 0 << 0;
    QTest::newRow("switch off") << false << 2 << int(Qt::Key_Down) << 2 << 0;
}

void TestWAccessibleItemList::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, selected);
    QFETCH(int, scroll);
    WBase::SetKeyboardAccess(keyboard);
    WItemList list;
    QVERIFY(shown(list, 20));
    list.SetSelectedIndex(start);
    if (key == Qt::Key_Home)
        list.SetVScrollBarValue(300);
    list.setFocus();
    Recorder heard;
    QTest::keyClick(&list, Qt::Key(key));
    QCOMPARE(list.SelectedIndex(), selected);
    QCOMPARE(list.VScrollBarValue(), scroll);
    if (selected != start)
        QCOMPARE(heard.Count(&list, QAccessible::Focus, selected), 1);
}

void TestWAccessibleItemList::keysScrollWhenLinesCannotBeSelected()
{
    const KeyboardOn keyboard;
    WItemList list;
    QVERIFY(shown(list, 20));
    list.SetCanSelectItem(false);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.VScrollBarValue(), 20);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QCOMPARE(list.VScrollBarValue(), 120);
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.VScrollBarValue(), 300);
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.VScrollBarValue(), 0);
    QCOMPARE(list.SelectedIndex(), -1);
}

void TestWAccessibleItemList::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    WItemList list;
    list.SetItems(lines(50));
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        const int pick = rng.bounded(-2, 60);
        if (QAccessibleInterface* line = Face(&list)->child(pick))
            line->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (rng.bounded(4) == 0)
            list.SetItems(lines(rng.bounded(0, 80)));
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&list);
        if (face->childCount() != list.Items().size())
            return QStringLiteral("%1 children for %2 lines")
                .arg(face->childCount())
                .arg(list.Items().size());
        const int s = list.SelectedIndex();
        if (s >= 0 && !face->child(s)->state().selected)
            return QStringLiteral("the selected line does not read as selected");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&list, options), QString());
}

QTEST_MAIN(TestWAccessibleItemList)
#include "tst_waccessibleitemlist.moc"
