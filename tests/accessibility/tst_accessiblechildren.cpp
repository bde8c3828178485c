// Where a screen reader finds the children of lists, and what becomes of those that go: the grid
// list's rows and cells (also while another thread holds the model) and the item list's lines.
// Where the item list's lines are once scrolled is in its dump.
// The grid's keys (the selected row kept in view, a cell editor's Escape) are rows of the input
// table.
#include "AccessGrid.h"
#include "AccessTestSupport.h"
#include "WTestSuite.h"

#include <atomic>
#include <thread>

using namespace AccessTest;

using Grid = AccessGrid;

class TestAccessibleChildren : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }

    // Rows that go leave their cells invalid, not dangling; once the table is read again the
    // cells of rows that went are gone too.
    void cellsOfRowsThatGo()
    {
        Grid g;
        QAccessibleInterface* cell = g.Tab()->cellAt(2, 1);
        QCOMPARE(Name(cell), QStringLiteral("3-a"));
        g.data->RemoveRow(5);
        g.data->RemoveRow(3);
        g.grid.UpdateData();
        QVERIFY(!cell->isValid());
        QCOMPARE(g.Table()->indexOfChild(cell), -1);
        const QAccessible::Id gone = QAccessible::uniqueId(cell);
        QVERIFY(g.Table()->child(0));
        const QAccessibleInterface* under = QAccessible::accessibleInterface(gone); // reused ids
        QVERIFY(!under || under->isValid());
        QCOMPARE(g.Tab()->cellAt(2, 0), nullptr);
    }

    // A line the list no longer has reads as invalid; once the list is read again its interface is
    // gone, and the line that comes back gets a new one.
    void interfacesOfLinesThatGo()
    {
        WItemList list;
        list.SetItems(Numbered(3));
        QAccessibleInterface* face = Face(&list);
        QAccessibleInterface* second = face->child(1);
        QCOMPARE(face->child(1), second); // the same interface every time
        const QAccessible::Id secondId = QAccessible::uniqueId(second);
        list.SetItems(Numbered(1));
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
    }

    void whereCellsAre()
    {
        Grid g(40);
        g.Show(QSize(200, 130));
        const QRect header = g.grid.HeaderRect();
        QCOMPARE(LocalRect(g.Table(), g.Table()->child(2), &g.grid),
                 QRect(header.left() + 100, header.top(), 80, header.height()));
        QVERIFY(!g.Tab()->cellAt(1, 1)->state().offscreen);
        QVERIFY(g.Tab()->cellAt(30, 1)->state().offscreen);
        // Where the cells of the rows are, also once scrolled, is in the input table: the long
        // grid's selected row, and the click into the grid editor's cell.
    }

    // Another thread filling the model holds its lock: the table is not waited for, it reads as
    // empty meanwhile, and so do the keys.
    void lockedModelReadsEmpty()
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
};

WEXAL_TEST_MAIN(TestAccessibleChildren)
#include "tst_accessiblechildren.moc"
