// The tab control to a screen reader and from the keyboard: a page tab list of page tabs, each
// tab holding its page, the selected one selected, "Press" selecting a page, the announcement
// of a new selection, and the arrows, Home, End and Ctrl+Tab.
#include "AccessTestSupport.h"
#include "WButton.h"
#include "WRandomInput.h"
#include "WTabControl.h"
#include "WTabPage.h"

using namespace AccessTest;

namespace {

struct Fixture
{
    Fixture()
    {
        tabs.resize(360, 200);
        tabs.SetTabBarSize(QSize(80, 24));
        for (int i = 0; i < 3; ++i) {
            auto* page = new WTabPage;
            page->SetText(QStringLiteral("Page %1").arg(i));
            tabs.AddPage(page);
            pages << page;
            auto* inside = new WButton(page);
            inside->setGeometry(10, 10, 60, 24);
            buttons << inside;
        }
        tabs.SetSelectedIndex(0);
    }
    bool Show() { return ShowActive(&tabs); }
    WButton* Tab(int i) { return pages.at(i)->TabButton(); }
    WTabControl tabs;
    QList<WTabPage*> pages;
    QList<WButton*> buttons;
};

} // namespace

class TestWAccessibleTabControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void tabsHoldTheirPages();
    void pressSelects();
    void announcements();
    void keys_data();
    void keys();
    void randomInput();
};

void TestWAccessibleTabControl::tabsHoldTheirPages()
{
    Fixture f;
    auto* bare = new WTabPage(nullptr, false);
    bare->SetText(QStringLiteral("ignored"));
    f.tabs.AddPage(bare);
    f.tabs.SetSelectedIndex(1);
    QAccessibleInterface* face = Face(&f.tabs);
    QCOMPARE(face->role(), QAccessible::PageTabList);
    QCOMPARE(face->childCount(), 4);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface* tab = face->child(i);
        QCOMPARE(tab->object(), f.Tab(i));
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(Name(tab), QStringLiteral("Page %1").arg(i));
        QVERIFY(tab->state().selectable);
        QCOMPARE(tab->state().selected, i == 1);
        QCOMPARE(tab->childCount(), 1);
        QAccessibleInterface* page = tab->child(0);
        QCOMPARE(page->object(), f.pages.at(i));
        QCOMPARE(page->role(), QAccessible::Pane);
        QCOMPARE(Name(page), QStringLiteral("Page %1").arg(i));
    }
    // A page without a tab is the list's child itself.
    QCOMPARE(face->child(3)->object(), bare);
    // The shown page's widgets hang below it; a hidden page's are hidden.
    QCOMPARE(face->child(1)->child(0)->childCount(), 1);
    QCOMPARE(face->child(0)->child(0)->child(0)->object(), f.buttons.at(0));
    // A page taken out is no longer a tab of the list, and its button no page tab.
    f.tabs.RemovePage(0);
    QCOMPARE(face->childCount(), 3);
    QCOMPARE(Face(f.pages.at(0)->TabButton())->role(), QAccessible::PushButton);
    QCOMPARE(WalkTree(face), QString());
}

void TestWAccessibleTabControl::pressSelects()
{
    Fixture f;
    QSignalSpy changed(&f.tabs, &WTabControl::SelectedPageChanged);
    Face(f.Tab(2))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(f.tabs.SelectedIndex(), 2);
    QCOMPARE(changed.count(), 1);
}

void TestWAccessibleTabControl::announcements()
{
    Fixture f;
    Recorder heard;
    f.tabs.SetSelectedIndex(2);
    f.tabs.SetSelectedIndex(2);
    QCOMPARE(heard.Count(&f.tabs, QAccessible::Selection, 2), 1);
    f.tabs.SetSelectedIndex(-1);
    QCOMPARE(heard.Count(&f.tabs, QAccessible::Selection), 1);
}

void TestWAccessibleTabControl::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("fromPage"); // the key pressed on a widget inside the page
    QTest::addColumn<int>("selected");
    const int none = 0, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("Right") << true << 0 << int(Qt::Key_Right) << none << false << 1;
    QTest::newRow("Down") << true << 0 << int(Qt::Key_Down) << none << false << 1;
    QTest::newRow("Left around") << true << 0 << int(Qt::Key_Left) << none << false << 2;
    QTest::newRow("Right around") << true << 2 << int(Qt::Key_Right) << none << false << 0;
    QTest::newRow("End") << true << 0 << int(Qt::Key_End) << none << false << 2;
    QTest::newRow("Home") << true << 2 << int(Qt::Key_Home) << none << false << 0;
    QTest::newRow("Ctrl+Tab in the page") << true << 0 << int(Qt::Key_Tab) << ctrl << true << 1;
    QTest::newRow("Ctrl+Shift+Tab in the page")
        << true << 0 << int(Qt::Key_Backtab) << ctrl + shift << true << 2;
    // Inside a page the arrows are the page's widgets' own.
    QTest::newRow("Right in the page") << true << 0 << int(Qt::Key_Right) << none << true << 0;
    QTest::newRow("End in the page") << true << 0 << int(Qt::Key_End) << none << true << 0;
    QTest::newRow("switch off") << false << 0 << int(Qt::Key_Right) << none << false << 0;
    QTest::newRow("switch off: Ctrl+Tab") << false << 0 << int(Qt::Key_Tab) << ctrl << true << 0;
}

void TestWAccessibleTabControl::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, fromPage);
    QFETCH(int, selected);
    WBase::SetKeyboardAccess(keyboard);
    Fixture f;
    f.tabs.SetSelectedIndex(start);
    QVERIFY(f.Show());
    QWidget* from = fromPage ? static_cast<QWidget*>(f.buttons.at(start)) : f.Tab(start);
    from->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(from, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.tabs.SelectedIndex(), selected);
    // The focus goes along to the new tab, from the old tab and from the page now hidden.
    if (selected != start)
        QCOMPARE(QApplication::focusWidget(), f.Tab(selected));
}

void TestWAccessibleTabControl::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Fixture f;
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        if (QAccessibleInterface* tab = Face(&f.tabs)->child(rng.bounded(-1, 4)))
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        if (rng.bounded(6) == 0 && f.tabs.Count() > 1)
            f.tabs.RemovePage(rng.bounded(f.tabs.Count()));
        if (rng.bounded(6) == 0) {
            auto* page = new WTabPage;
            page->SetText(WexalTest::RandomText(rng).left(8));
            f.tabs.InsertPage(rng.bounded(-1, f.tabs.Count() + 2), page);
        }
    };
    options.invariant = [&](QWidget*) {
        QAccessibleInterface* face = Face(&f.tabs);
        for (int i = 0; i < face->childCount(); ++i) {
            if (face->child(i)->state().selected != (i == f.tabs.SelectedIndex()))
                return QStringLiteral("tab %1 reads the wrong selection").arg(i);
        }
        return WalkTree(face);
    };
    QCOMPARE(WexalTest::RunRandomInput(&f.tabs, options), QString());
}

QTEST_MAIN(TestWAccessibleTabControl)
#include "tst_waccessibletabcontrol.moc"
