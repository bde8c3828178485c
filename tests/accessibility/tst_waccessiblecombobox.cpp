// The combo box to a screen reader and from the keyboard: named and valued after its line,
// collapsed or expanded, its list as its child with the lines as items, "ShowMenu" and "Press",
// the announcements of a new line, of opening and closing and of the lit line, and the keys on
// the closed box and in the open list.
#include "AccessTestSupport.h"
#include "WComboBox.h"
#include "WComboBoxScrollArea_p.h"
#include "WComboDropDownBox_p.h"
#include "WPanel.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"

#include <functional>

using namespace AccessTest;

namespace {

QStringList numbered(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Item %1").arg(i);
    return list;
}

WComboDropDownBox* openList()
{
    return qobject_cast<WComboDropDownBox*>(QApplication::activePopupWidget());
}

struct Fixture
{
    Fixture()
    {
        window.resize(300, 200);
        box = new WComboBox(&window);
        box->setGeometry(20, 20, 120, 24);
        box->SetItems(numbered(20));
        box->SetSelectedIndex(3);
    }
    bool Show() { return ShowActive(&window); }
    // Runs step inside the open list's event loop, once something opened it; the list is
    // closed afterwards unless step closed it.
    void WhileOpen(const std::function<void(WComboDropDownBox*)>& step)
    {
        QTimer::singleShot(0, box, [step] {
            WComboDropDownBox* list = openList();
            if (!list)
                return;
            step(list);
            if (list->isVisible())
                list->hide();
        });
    }
    WPanel window;
    WComboBox* box = nullptr;
};

} // namespace

class TestWAccessibleComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }
    void init() { WBase::SetKeyboardAccess(false); }
    void boxAndList();
    void expandedWhileOpenAndChosenByPress();
    void showMenuOpens();
    void keysOnTheClosedBox_data();
    void keysOnTheClosedBox();
    void keysInTheOpenList_data();
    void keysInTheOpenList();
    void randomInput();
};

void TestWAccessibleComboBox::boxAndList()
{
    Fixture f;
    QAccessibleInterface* face = Face(f.box);
    QCOMPARE(face->role(), QAccessible::ComboBox);
    QCOMPARE(Name(face), QStringLiteral("Item 3"));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("Item 3"));
    f.box->setAccessibleName(QStringLiteral("Priority"));
    QCOMPARE(Name(face), QStringLiteral("Priority"));
    QCOMPARE(face->text(QAccessible::Value), QStringLiteral("Item 3"));
    QVERIFY(face->state().expandable);
    QVERIFY(face->state().collapsed);
    QVERIFY(!face->state().expanded);
    QVERIFY(face->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::showMenuAction()));

    QCOMPARE(face->childCount(), 1);
    QAccessibleInterface* list = face->child(0);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 20);
    QCOMPARE(Name(list->child(5)), QStringLiteral("Item 5"));
    QCOMPARE(list->child(5)->role(), QAccessible::ListItem);
    QVERIFY(list->child(3)->state().selected);
    QVERIFY(list->child(3)->state().invisible); // the list is closed
    QVERIFY(list->child(3)->actionInterface()->actionNames().isEmpty());
    // Without lines there is nothing to open.
    f.box->SetItems({});
    QVERIFY(!face->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::showMenuAction()));
    QCOMPARE(list->childCount(), 0);
    QCOMPARE(WalkTree(face), QString());
}

void TestWAccessibleComboBox::expandedWhileOpenAndChosenByPress()
{
    Fixture f;
    QVERIFY(f.Show());
    QSignalSpy chosen(f.box, &WComboBox::SelectedIndexChanged);
    Recorder heard;
    bool expanded = false, collapsed = true, listShown = false;
    f.WhileOpen([&](WComboDropDownBox* list) {
        QAccessibleInterface* face = Face(f.box);
        expanded = face->state().expanded;
        collapsed = face->state().collapsed;
        QAccessibleInterface* items = face->child(0);
        listShown = !items->state().invisible && !items->child(7)->state().invisible;
        QCOMPARE(items->object(), list);
        items->child(7)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QTest::mouseClick(f.box, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(expanded);
    QVERIFY(!collapsed);
    QVERIFY(listShown);
    QCOMPARE(f.box->SelectedIndex(), 7);
    QCOMPARE(chosen.count(), 1);
    QVERIFY(Face(f.box)->state().collapsed);
    // Opening and closing, then the new value, as the reader heard it.
    const QList<Announcement> states = heard.Of(f.box, QAccessible::StateChanged);
    QCOMPARE(states.size(), 2);
    QVERIFY(states.first().changed.expanded);
    const QList<Announcement> values = heard.Of(f.box, QAccessible::ValueChanged);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.first().value.toString(), QStringLiteral("Item 7"));
    f.box->SetSelectedIndex(2);
    QCOMPARE(heard.Of(f.box, QAccessible::ValueChanged).last().value.toString(),
             QStringLiteral("Item 2"));
}

void TestWAccessibleComboBox::showMenuOpens()
{
    Fixture f;
    QVERIFY(f.Show());
    bool opened = false;
    Face(f.box)->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(!f.box->IsPopupOpen()); // not inside the reader's request
    f.WhileOpen([&](WComboDropDownBox*) {
        opened = f.box->IsPopupOpen();
        // Escape is the popup's own: the list closes without a choice.
        QTest::keyClick(openList(), Qt::Key_Escape);
    });
    QTRY_VERIFY(opened);
    QTRY_VERIFY(!f.box->IsPopupOpen());
    QCOMPARE(f.box->SelectedIndex(), 3);
}

void TestWAccessibleComboBox::keysOnTheClosedBox_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");
    QTest::newRow("Down") << true << 3 << int(Qt::Key_Down) << 4;
    QTest::newRow("Up") << true << 3 << int(Qt::Key_Up) << 2;
    QTest::newRow("Down from none") << true << -1 << int(Qt::Key_Down) << 0;
    QTest::newRow("Up from none") << true << -1 << int(Qt::Key_Up) << 0;
    QTest::newRow("Down at the end") << true << 19 << int(Qt::Key_Down) << 19;
    QTest::newRow("Page Down") << true << 3 << int(Qt::Key_PageDown) << 13;
    QTest::newRow("Page Up") << true << 3 << int(Qt::Key_PageUp) << 0;
    QTest::newRow("Home") << true << 3 << int(Qt::Key_Home) << 0;
    QTest::newRow("End") << true << 3 << int(Qt::Key_End) << 19;
    QTest::newRow("switch off") << false << 3 << int(Qt::Key_Down) << 3;
}

void TestWAccessibleComboBox::keysOnTheClosedBox()
{
    QFETCH(bool, keyboard);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, selected);
    WBase::SetKeyboardAccess(keyboard);
    Fixture f;
    f.box->SetSelectedIndex(start);
    QSignalSpy changed(f.box, &WComboBox::SelectedIndexChanged);
    QTest::keyClick(f.box, Qt::Key(key));
    QCOMPARE(f.box->SelectedIndex(), selected);
    QCOMPARE(changed.count(), selected == start ? 0 : 1);
    QVERIFY(!f.box->IsPopupOpen());
}

void TestWAccessibleComboBox::keysInTheOpenList_data()
{
    QTest::addColumn<int>("opener");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("lit"); // the lit line when the last key was pressed
    const int space = Qt::Key_Space, down = Qt::Key_Down, up = Qt::Key_Up, enter = Qt::Key_Return;
    QTest::newRow("Space, Down twice, Enter") << space << QList<int>{down, down, enter} << 5 << 5;
    QTest::newRow("F4, Up, Space") << int(Qt::Key_F4) << QList<int>{up, space} << 2 << 2;
    QTest::newRow("Enter, End, Enter") << enter << QList<int>{int(Qt::Key_End), enter} << 19 << 19;
    QTest::newRow("Space, Page Down, Escape")
        << space << QList<int>{int(Qt::Key_PageDown), int(Qt::Key_Escape)} << 3 << -1;
    QTest::newRow("Space, Tab stays, Enter")
        << space << QList<int>{int(Qt::Key_Tab), down, enter} << 4 << 4;
    QTest::newRow("Space, Home, Enter") << space << QList<int>{int(Qt::Key_Home), enter} << 0 << 0;
}

void TestWAccessibleComboBox::keysInTheOpenList()
{
    QFETCH(int, opener);
    QFETCH(QList<int>, keys);
    QFETCH(int, selected);
    QFETCH(int, lit);
    const KeyboardOn keyboard;
    Fixture f;
    QVERIFY(f.Show());
    Recorder heard;
    int litBefore = -2, openedAt = -2;
    WComboDropDownBox* seen = nullptr;
    f.WhileOpen([&](WComboDropDownBox* list) {
        seen = list;
        openedAt = list->Content()->HoverIndex();
        for (int key : keys) {
            litBefore = list->Content()->HoverIndex();
            QTest::keyClick(list, Qt::Key(key));
        }
    });
    QTest::keyClick(f.box, Qt::Key(opener));
    QVERIFY(seen);
    QCOMPARE(openedAt, 3); // the list opens lit at the selected line
    QCOMPARE(f.box->SelectedIndex(), selected);
    if (lit >= 0) {
        QCOMPARE(litBefore, lit);
        // Each line the keys lit was announced as focused in the list.
        QVERIFY(heard.Count(seen, QAccessible::Focus, lit) >= 1);
    }
    QVERIFY(!f.box->IsPopupOpen());
}

void TestWAccessibleComboBox::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    QVERIFY(f.Show());
    QRandomGenerator rng(17);
    QTimer driver;
    driver.setInterval(0);
    connect(&driver, &QTimer::timeout, [&] {
        WComboDropDownBox* list = openList();
        if (!list)
            return;
        static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up,     Qt::Key_PageDown,
                                       Qt::Key_End,  Qt::Key_Return, Qt::Key_Escape};
        QTest::keyClick(list, keys[rng.bounded(int(std::size(keys)))]);
        if (rng.bounded(5) == 0)
            f.box->SetItems(numbered(rng.bounded(0, 30)));
        if (list->isVisible() && rng.bounded(3) == 0) {
            QAccessibleInterface* items = Face(list);
            if (QAccessibleInterface* item = items->child(rng.bounded(-1, 30)))
                item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
    });
    driver.start();
    WexalTest::RandomInputOptions options;
    options.steps = 800;
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(f.box);
        if (face->state().expanded != f.box->IsPopupOpen())
            return QStringLiteral("expanded is not whether the list is open");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.window, options), QString());
    driver.stop();
}

QTEST_MAIN(TestWAccessibleComboBox)
#include "tst_waccessiblecombobox.moc"
