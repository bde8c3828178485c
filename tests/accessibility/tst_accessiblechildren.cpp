// Where a screen reader finds the children of lists and pickers, and what becomes of those that
// go: the grid list's rows and cells (also while another thread holds the model), the item list's
// lines, and the hour-minute picker's numbers. The grid's keys (the selected row kept in view, a
// cell editor's Escape) are rows of the input table.
#include "AccessGrid.h"
#include "AccessTestSupport.h"
#include "WTestSuite.h"

#include <atomic>
#include <thread>

using namespace AccessTest;

namespace {

// Where a reader finds the child, in the widget's own coordinates; a child its parent does not
// find at the child's own centre reads as an empty rectangle.
QRect local(QAccessibleInterface* parent, QAccessibleInterface* child, QWidget* widget)
{
    const QRect box = child->rect();
    if (parent->childAt(box.center().x(), box.center().y()) != child)
        return QRect();
    return box.translated(-widget->mapToGlobal(QPoint(0, 0)));
}

} // namespace

using Grid = AccessGrid;

class TestAccessibleChildren : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }

    void childrenThatGo_data();
    void childrenThatGo();
    void whereCellsAre();
    void lockedModelReadsEmpty();

    void whereLinesAre();

    void fieldsWhereTheyAre();
};

void TestAccessibleChildren::fieldsWhereTheyAre()
{
    WHourMinutePicker picker;
    QAccessibleInterface* face = Face(&picker);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(local(face, face->child(i), &picker), WHourMinutePicker::ItemRect(i));
    QCOMPARE(face->child(4), nullptr);
}

void TestAccessibleChildren::childrenThatGo_data()
{
    QTest::addColumn<bool>("grid");
    QTest::newRow("the grid's cells") << true;
    QTest::newRow("the item list's lines") << false;
}

// A child the widget no longer has reads as invalid, not dangling; once the widget is read
// again its interface is gone, and a line that comes back gets a new one.
void TestAccessibleChildren::childrenThatGo()
{
    QFETCH(bool, grid);
    Grid g;
    WItemList list;
    list.SetItems(Numbered(3));
    QAccessibleInterface* face = grid ? g.Table() : Face(&list);
    const auto second = [&] { return grid ? g.Tab()->cellAt(2, 1) : face->child(1); };
    QAccessibleInterface* child = second();
    QCOMPARE(Name(child), grid ? QStringLiteral("3-a") : QStringLiteral("Item 1"));
    QCOMPARE(second(), child); // the same interface every time
    const QAccessible::Id id = QAccessible::uniqueId(child);
    if (grid) {
        g.data->RemoveRow(5);
        g.data->RemoveRow(3);
        g.grid.UpdateData();
    } else {
        list.SetItems(Numbered(1));
    }
    QVERIFY(!child->isValid());
    QCOMPARE(face->indexOfChild(child), -1);
    QVERIFY(face->child(0));
    // (Qt hands a freed id to the next interface it registers.)
    const QAccessibleInterface* under = QAccessible::accessibleInterface(id);
    QVERIFY(!under || under->isValid());
    if (grid) {
        QCOMPARE(g.Tab()->cellAt(2, 0), nullptr);
    } else {
        QCOMPARE(face->childCount(), 1);
        list.AddItem(QStringLiteral("again"));
        QCOMPARE(Name(face->child(1)), QStringLiteral("again"));
    }
    QCOMPARE(WalkTree(face), QString());
}

void TestAccessibleChildren::whereLinesAre()
{
    // 100 x 100 with 20-pixel lines and no bars: five lines in view, scrolled by five. Which
    // lines are off the screen once scrolled is in the item list's dump.
    WItemList list;
    list.resize(100, 100);
    list.SetScrollBarSize(0);
    list.SetItems(Numbered(30));
    QVERIFY(ShowActive(&list));
    QCoreApplication::sendPostedEvents();
    list.SetPadding(QRect(4, 0, 0, 0)); // 4 pixels above the first line
    list.SetVScrollBarValue(100);
    QAccessibleInterface* face = Face(&list);
    QCOMPARE(local(face, face->child(7), &list), QRect(0, 44, 100, 20));
    const QPoint origin = list.mapToGlobal(QPoint(0, 0));
    QCOMPARE(face->childAt(origin.x() + 500, origin.y() + 50), nullptr);
}

void TestAccessibleChildren::whereCellsAre()
{
    Grid g(40);
    g.Show(QSize(200, 130));
    QAccessibleTableInterface* tab = g.Tab();
    const QRect rows = g.grid.RowsRect();
    const QRect header = g.grid.HeaderRect();
    QCOMPARE(local(g.Table(), tab->cellAt(1, 1), &g.grid),
             QRect(header.left() + 40, rows.top() + 20, 60, 20));
    QCOMPARE(local(g.Table(), g.Table()->child(2), &g.grid),
             QRect(header.left() + 100, header.top(), 80, header.height()));
    QVERIFY(!tab->cellAt(1, 1)->state().offscreen);
    QVERIFY(tab->cellAt(30, 1)->state().offscreen);
    // Scrolled by three shown rows, shown row 3 is at the top of the rows.
    g.grid.SetVScrollBarValue(60);
    QCOMPARE(local(g.Table(), tab->cellAt(3, 1), &g.grid),
             QRect(header.left() + 40, rows.top(), 60, 20));
    QVERIFY(tab->cellAt(1, 1)->state().offscreen);
}

// Another thread filling the model holds its lock: the table is not waited for, it reads as
// empty meanwhile, and so do the keys.
void TestAccessibleChildren::lockedModelReadsEmpty()
{
    const KeyboardOn keyboard;
    Grid g;
    QAccessibleInterface* cell = g.Tab()->cellAt(0, 1);
    std::atomic<bool> held{false}, release{false};
    std::thread filler([&] {
        g.data->Lock();
        held = true;
        while (!release)
            std::this_thread::yield();
        g.data->Unlock();
    });
    while (!held)
        std::this_thread::yield();
    QCOMPARE(g.Tab()->rowCount(), 0);
    QCOMPARE(g.Table()->childCount(), 0);
    QCOMPARE(Name(cell), QString());
    QVERIFY(!g.Tab()->selectRow(0));
    QTest::keyClick(&g.grid, Qt::Key_Down);
    QCOMPARE(g.grid.SelectedRow(), nullptr);
    release = true;
    filler.join();
    QCOMPARE(g.Tab()->rowCount(), 4);
    QCOMPARE(Name(cell), QStringLiteral("0-a"));
}

WEXAL_TEST_MAIN(TestAccessibleChildren)
#include "tst_accessiblechildren.moc"
