// The grid list to a screen reader: row selection both ways, where cells are, a model locked by
// another thread, cells of rows that go, the selected row kept in view and a cell editor's
// Escape.
#include "AccessGrid.h"
#include "WTestSuite.h"

#include <atomic>
#include <thread>

using namespace AccessTest;

using Grid = AccessGrid;

class TestWAccessibleGridList : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void selectionBothWays();

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
    void whereCellsAre();
    void lockedModelReadsEmpty();
    void keysScrollTheSelectedRowIntoView();
    void escapeLeavesACellEditor();
};

void TestWAccessibleGridList::selectionBothWays()
{
    Grid g;
    QAccessibleTableInterface* tab = g.Tab();
    QCOMPARE(tab->selectedRowCount(), 0);
    g.grid.SetSelectedRow(g.data->Rows.at(3));
    QCOMPARE(tab->selectedRows(), QList<int>{2});
    QVERIFY(tab->isRowSelected(2));
    QCOMPARE(tab->selectedCellCount(), 3);
    QCOMPARE(tab->selectedCells().first(), tab->cellAt(2, 0));
    QVERIFY(tab->cellAt(2, 2)->state().selected);
    QVERIFY(tab->cellAt(2, 2)->tableCellInterface()->isSelected());
    QVERIFY(!tab->cellAt(1, 2)->state().selected);
    // A hidden selected row is not among the shown ones.
    g.grid.SetSelectedRow(g.data->Rows.at(2));
    QCOMPARE(tab->selectedRowCount(), 0);

    QVERIFY(tab->selectRow(0));
    QCOMPARE(g.grid.SelectedRow(), g.data->Rows.at(0));
    QVERIFY(!tab->selectRow(9));
    QVERIFY(!tab->unselectRow(1));
    QVERIFY(tab->unselectRow(0));
    QCOMPARE(g.grid.SelectedRow(), nullptr);
    QVERIFY(!tab->selectColumn(0));
    QCOMPARE(tab->selectedColumnCount(), 0);
}

void TestWAccessibleGridList::whereCellsAre()
{
    Grid g(40);
    g.Show(QSize(200, 130));
    QAccessibleTableInterface* tab = g.Tab();
    const QPoint origin = g.grid.mapToGlobal(QPoint(0, 0));
    const QRect rows = g.grid.RowsRect();
    const QRect header = g.grid.HeaderRect();
    QCOMPARE(tab->cellAt(1, 1)->rect(),
             QRect(origin + QPoint(header.left() + 40, rows.top() + 20), QSize(60, 20)));
    QCOMPARE(g.Table()->child(2)->rect(),
             QRect(origin + QPoint(header.left() + 100, header.top()), QSize(80, header.height())));
    QCOMPARE(g.Table()->childAt(tab->cellAt(1, 1)->rect().center().x(),
                                tab->cellAt(1, 1)->rect().center().y()),
             tab->cellAt(1, 1));
    QCOMPARE(g.Table()->childAt(origin.x() + 50, origin.y() + header.top() + 5),
             g.Table()->child(1));
    QVERIFY(!tab->cellAt(1, 1)->state().offscreen);
    QVERIFY(tab->cellAt(30, 1)->state().offscreen);
    // Scrolled by three shown rows, shown row 3 is at the top of the rows.
    g.grid.SetVScrollBarValue(60);
    QCOMPARE(tab->cellAt(3, 1)->rect().top(), origin.y() + rows.top());
    QVERIFY(tab->cellAt(1, 1)->state().offscreen);
}

// Another thread filling the model holds its lock: the table is not waited for, it reads as
// empty meanwhile, and so do the keys.
void TestWAccessibleGridList::lockedModelReadsEmpty()
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

void TestWAccessibleGridList::keysScrollTheSelectedRowIntoView()
{
    const KeyboardOn keyboard;
    Grid g(60);
    g.Show(QSize(200, 130));
    const auto inView = [&] {
        const QRect row = g.Tab()->selectedCells().first()->rect();
        const QRect rows(g.grid.mapToGlobal(g.grid.RowsRect().topLeft()), g.grid.RowsRect().size());
        return rows.contains(row);
    };
    QTest::keyClick(&g.grid, Qt::Key_End);
    QCOMPARE(g.grid.SelectedRowIndex(), 59);
    QVERIFY(inView());
    QTest::keyClick(&g.grid, Qt::Key_PageUp);
    QVERIFY(inView());
    QTest::keyClick(&g.grid, Qt::Key_Home);
    QCOMPARE(g.grid.VScrollBarValue(), 0);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&g.grid, Qt::Key_Down);
    QVERIFY(inView());
    QVERIFY(g.grid.VScrollBarValue() > 0);
}

void TestWAccessibleGridList::escapeLeavesACellEditor()
{
    const KeyboardOn keyboard;
    Grid g;
    auto* edit = new WLineEdit;
    edit->SetDock(DockType::Fill);
    g.data->Rows.at(0)->Cells[2] = edit;
    g.grid.UpdateData();
    g.Show(QSize(200, 130));
    const QRect cell = g.Tab()->cellAt(0, 2)->rect();
    QTest::mouseClick(&g.grid, Qt::LeftButton, {}, g.grid.mapFromGlobal(cell.center()));
    QCOMPARE(g.grid.FocusedEditor(), edit);
    QTest::keyClick(&g.grid, Qt::Key_X); // typed into the cell
    QCOMPARE(edit->Text(), QStringLiteral("x"));
    QTest::keyClick(&g.grid, Qt::Key_Escape);
    QCOMPARE(g.grid.FocusedEditor(), nullptr);
    QTest::keyClick(&g.grid, Qt::Key_Down); // the grid's own again
    QCOMPARE(edit->Text(), QStringLiteral("x"));
    QVERIFY(g.grid.SelectedRow());
}

WEXAL_TEST_MAIN(TestWAccessibleGridList)
#include "tst_waccessiblegridlist.moc"
