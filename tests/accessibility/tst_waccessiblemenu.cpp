// The menu to a screen reader and from the keyboard: a popup menu of menu items, disabled ones
// disabled and the hovered one focused, "Press" choosing an item, the announcements of opening,
// closing and the hovered item, and Up, Down, Home, End, Enter, Space and Escape.
#include "AccessTestSupport.h"
#include "WMenu.h"
#include "WMenuItem.h"
#include "WQuietPopups.h"
#include "WRandomInput.h"

#include <functional>

using namespace AccessTest;

namespace {

// "Open", "Save as", a disabled "Delete", "Close"; 30 pixels each below 5 of padding.
struct Fixture
{
    Fixture()
    {
        menu.SetPadding(WPadding{5, 5, 10, 10});
        open = menu.AddItem(QStringLiteral("Open"));
        save = menu.AddItem(QStringLiteral("Save as"));
        remove = menu.AddItem(QStringLiteral("Delete"));
        remove->Enabled = false;
        close = menu.AddItem(QStringLiteral("Close"));
    }
    // menu.exec with step run inside its loop; a menu left open is closed after a while.
    WMenuItem* Exec(const std::function<void()>& step)
    {
        QTimer::singleShot(0, &menu, step);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            stuck = true;
            menu.close();
        });
        watchdog.start(3000);
        return menu.exec(QPoint(100, 100));
    }
    WMenu menu;
    WMenuItem* open;
    WMenuItem* save;
    WMenuItem* remove;
    WMenuItem* close;
    bool stuck = false;
};

} // namespace

class TestWAccessibleMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { WexalTest::QuietPopupWarnings(); }
    void init() { WBase::SetKeyboardAccess(false); }
    void menuAndItems();
    void pressChooses();
    void keys_data();
    void keys();
    void keysWithoutItems();
    void randomInput();
};

void TestWAccessibleMenu::menuAndItems()
{
    Fixture f;
    QAccessibleInterface* face = Face(&f.menu);
    QCOMPARE(face->role(), QAccessible::PopupMenu);
    QCOMPARE(face->childCount(), 4);
    QAccessibleInterface* save = face->child(1);
    QCOMPARE(save->role(), QAccessible::MenuItem);
    QCOMPARE(Name(save), QStringLiteral("Save as"));
    QVERIFY(face->child(2)->state().disabled);
    QVERIFY(!face->child(2)->state().focusable);
    QVERIFY(!save->state().disabled);
    QVERIFY(save->state().invisible); // closed
    QVERIFY(save->actionInterface()->actionNames().isEmpty());
    f.menu.SetItemText(1, QStringLiteral("Save a copy"));
    QCOMPARE(Name(save), QStringLiteral("Save a copy"));

    Recorder heard;
    bool hoveredFocused = false;
    QRect itemRect;
    f.Exec([&] {
        QTest::mouseMove(f.menu.windowHandle(), QPoint(20, 5 + 30 + 15));
        hoveredFocused = save->state().focused && face->focusChild() == save;
        itemRect = save->rect();
        f.menu.close();
    });
    QVERIFY(!f.stuck);
    QVERIFY(hoveredFocused);
    QCOMPARE(itemRect.top(), 100 + 5 + 30);
    QCOMPARE(heard.Count(&f.menu, QAccessible::PopupMenuStart), 1);
    QCOMPARE(heard.Count(&f.menu, QAccessible::PopupMenuEnd), 1);
    QCOMPARE(heard.Count(&f.menu, QAccessible::Focus, 1), 1);
    // An item removed reads as invalid.
    f.menu.RemoveItem(3);
    QCOMPARE(face->childCount(), 3);
    QCOMPARE(WalkTree(face), QString());
}

void TestWAccessibleMenu::pressChooses()
{
    Fixture f;
    WMenuItem* chosen = f.Exec([&] {
        QAccessibleInterface* face = Face(&f.menu);
        // A disabled item has no action; an enabled one is chosen from the event loop.
        QVERIFY(face->child(2)->actionInterface()->actionNames().isEmpty());
        face->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        face->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(f.menu.isVisible());
    });
    QVERIFY(!f.stuck);
    QCOMPARE(chosen, f.close);
}

void TestWAccessibleMenu::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen"); // index, -1 for none
    const int down = Qt::Key_Down, up = Qt::Key_Up, enter = Qt::Key_Return;
    QTest::newRow("Down, Enter") << true << QList<int>{down, enter} << 0;
    QTest::newRow("Down over the disabled item")
        << true << QList<int>{down, down, down, enter} << 3;
    QTest::newRow("Down around the end") << true << QList<int>{down, down, down, down, enter} << 0;
    QTest::newRow("Up from none: the last") << true << QList<int>{up, enter} << 3;
    QTest::newRow("Up over the disabled item") << true << QList<int>{up, up, enter} << 1;
    QTest::newRow("End, Space") << true << QList<int>{int(Qt::Key_End), int(Qt::Key_Space)} << 3;
    QTest::newRow("Home, keypad Enter")
        << true << QList<int>{int(Qt::Key_Home), int(Qt::Key_Enter)} << 0;
    QTest::newRow("Enter with nothing hovered closes nothing")
        << true << QList<int>{enter, int(Qt::Key_Escape)} << -1;
    QTest::newRow("Escape") << true << QList<int>{down, int(Qt::Key_Escape)} << -1;
    QTest::newRow("switch off: only Escape")
        << false << QList<int>{down, enter, int(Qt::Key_Escape)} << -1;
}

void TestWAccessibleMenu::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);
    WBase::SetKeyboardAccess(keyboard);
    Fixture f;
    QSignalSpy hovered(&f.menu, &WMenu::HoverItemChanged);
    bool openAfterEnter = false;
    WMenuItem* result = f.Exec([&] {
        for (int key : keys) {
            QTest::keyClick(&f.menu, Qt::Key(key));
            if (key == Qt::Key_Return && chosen < 0)
                openAfterEnter = f.menu.isVisible();
        }
    });
    QVERIFY(!f.stuck);
    QCOMPARE(result, f.menu.Item(chosen));
    if (chosen >= 0) {
        QVERIFY(!hovered.isEmpty());
        QCOMPARE(hovered.last().first().toInt(), chosen);
    } else if (keys.contains(Qt::Key_Return)) {
        QVERIFY(openAfterEnter);
    }
    if (!keyboard)
        QVERIFY(hovered.isEmpty());
}

void TestWAccessibleMenu::keysWithoutItems()
{
    const KeyboardOn keyboard;
    WMenu menu;
    QTimer::singleShot(0, &menu, [&] {
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Return})
            QTest::keyClick(&menu, key);
        menu.close();
    });
    QCOMPARE(menu.exec(QPoint(50, 50)), nullptr);
}

void TestWAccessibleMenu::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    f.menu.resize(120, 140);
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (rng.bounded(3) == 0)
            f.menu.AddItem(WexalTest::RandomText(rng).left(10))->Enabled = rng.bounded(2);
        else if (rng.bounded(2))
            f.menu.RemoveItem(rng.bounded(-1, f.menu.ItemCount() + 1));
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
        QTest::keyClick(&f.menu, keys[rng.bounded(4)]);
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&f.menu);
        if (face->childCount() != f.menu.ItemCount())
            return QStringLiteral("the items and the children differ");
        WMenuItem* hover = f.menu.HoverItem();
        if (f.menu.isVisible() && hover && face->focusChild() != face->child(f.menu.IndexOf(hover)))
            return QStringLiteral("the hovered item is not the focused child");
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.menu, options), QString());
}

QTEST_MAIN(TestWAccessibleMenu)
#include "tst_waccessiblemenu.moc"
