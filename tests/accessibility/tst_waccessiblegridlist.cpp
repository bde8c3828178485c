// The grid list to a screen reader and from the keyboard: a table of the rows it shows (hidden
// rows left out), header cells, cell texts and check states, row selection both ways, where
// cells are, the cells' "Press", a model locked by another thread, the announcements of model
// and selection changes, and the row keys, Space and Enter.
#include "../lists/GridListTestSupport.h"
#include "AccessTestSupport.h"
#include "WLineEdit.h"
#include "WRandomInput.h"

#include <atomic>
#include <thread>

using namespace AccessTest;

namespace {

// Three columns, a check cell and two texts; row r reads "r-a" and "r-b"; rows 2 and 4 hidden.
struct Grid : GridTest::Fixture
{
    explicit Grid(int rows = 6) : Fixture({40, 60, 80}, rows)
    {
        for (int r = 0; r < rows; ++r) {
            WGridListRow* row = data->Rows.at(r);
            row->Cells[0] = r % 3 == 0;
            row->Cells[1] = QStringLiteral("%1-a").arg(r);
            row->Cells[2] = QStringLiteral("%1-b").arg(r);
            row->Visible = r != 2 && r != 4;
        }
        grid.UpdateData();
    }
    QAccessibleInterface* Table() { return Face(&grid); }
    QAccessibleTableInterface* Tab() { return Face(&grid)->tableInterface(); }
};

} // namespace

class TestWAccessibleGridList : public QObject
{
    Q_OBJECT

private slots:
    void init() { WBase::SetKeyboardAccess(false); }
    void tableShape();
    void selectionBothWays();
    void whereCellsAre();
    void cellActions();
    void lockedModelReadsEmpty();
    void announcements();
    void keys_data();
    void keys();
    void keysScrollTheSelectedRowIntoView();
    void escapeLeavesACellEditor();
    void randomInput();
};

void TestWAccessibleGridList::tableShape()
{
    Grid g;
    QAccessibleInterface* table = g.Table();
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface* tab = g.Tab();
    QCOMPARE(tab->columnCount(), 3);
    QCOMPARE(tab->rowCount(), 4); // six rows, two hidden
    QCOMPARE(table->childCount(), 15);
    g.grid.SetColumnWidth({40, 60}); // the grid shows only the columns both sides have
    QCOMPARE(tab->columnCount(), 2);
    QCOMPARE(table->childCount(), 10);
    g.grid.SetColumnWidth({40, 60, 80});
    QList<WGridListColumn>& columns = const_cast<QList<WGridListColumn>&>(g.grid.Columns());
    columns[1].Text = QStringLiteral("Order");
    QCOMPARE(tab->columnDescription(1), QStringLiteral("Order"));

    QAccessibleInterface* header = table->child(1);
    QCOMPARE(header->role(), QAccessible::ColumnHeader);
    QCOMPARE(Name(header), QStringLiteral("Order"));
    // Shown row 2 is model row 3: the hidden row 2 is not there.
    QAccessibleInterface* cell = tab->cellAt(2, 1);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(Name(cell), QStringLiteral("3-a"));
    QCOMPARE(table->child(3 * 3 + 1), cell);
    QCOMPARE(table->indexOfChild(cell), 10);
    QCOMPARE(cell->parent(), table);
    QAccessibleTableCellInterface* facts = cell->tableCellInterface();
    QCOMPARE(facts->rowIndex(), 2);
    QCOMPARE(facts->columnIndex(), 1);
    QCOMPARE(facts->columnHeaderCells(), QList<QAccessibleInterface*>{header});
    QCOMPARE(facts->table(), table);
    // Check cells are checkable and say whether they are checked.
    QVERIFY(tab->cellAt(2, 0)->state().checkable);
    QVERIFY(tab->cellAt(2, 0)->state().checked);  // row 3
    QVERIFY(!tab->cellAt(1, 0)->state().checked); // row 1
    QVERIFY(!cell->state().checkable);
    QCOMPARE(tab->cellAt(4, 0), nullptr);
    QCOMPARE(tab->cellAt(0, 3), nullptr);
    QCOMPARE(tab->cellAt(-1, 0), nullptr);

    // Rows that go leave their cells invalid, not dangling.
    g.data->RemoveRow(5);
    g.data->RemoveRow(3);
    g.grid.UpdateData();
    QCOMPARE(tab->rowCount(), 2);
    QVERIFY(!cell->isValid());
    QCOMPARE(table->indexOfChild(cell), -1);
    // Once the table is read again, the cells of rows that went are gone too.
    const QAccessible::Id gone = QAccessible::uniqueId(cell);
    QVERIFY(table->child(0));
    const QAccessibleInterface* under = QAccessible::accessibleInterface(gone); // ids are reused
    QVERIFY(!under || under->isValid());
    // Without a model, or with its rows switched off, the table is empty.
    g.data->ShowRows = false;
    QCOMPARE(tab->rowCount(), 0);
    QCOMPARE(table->childCount(), 3);
    g.grid.SetDataSource(nullptr);
    QCOMPARE(table->childCount(), 0);
    QCOMPARE(WalkTree(table), QString());
}

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

void TestWAccessibleGridList::cellActions()
{
    Grid g;
    QSignalSpy clicked(&g.grid, &WGridList::RowClicked);
    QSignalSpy headers(&g.grid, &WGridList::ColumnHeaderClicked);
    // "Press" on a check cell: the row is selected, the check flips and RowClicked follows, as
    // after a click, from the event loop.
    QAccessibleInterface* check = g.Tab()->cellAt(1, 0);
    check->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 0);
    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant>{1, 0}));
    QVERIFY(check->state().checked);
    QCOMPARE(g.grid.SelectedRow(), g.data->Rows.at(1));
    g.Table()->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(headers.count(), 1);
    QCOMPARE(headers.first().first().toInt(), 2);
    g.grid.setEnabled(false);
    QVERIFY(check->actionInterface()->actionNames().isEmpty());
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

void TestWAccessibleGridList::announcements()
{
    Grid g;
    QVERIFY(ShowActive(&g.grid));
    g.grid.clearFocus();
    Recorder heard;
    g.grid.UpdateData();
    const QList<Announcement> reset = heard.Of(&g.grid, QAccessible::TableModelChanged);
    QCOMPARE(reset.size(), 1);
    QCOMPARE(reset.first().modelChange, int(QAccessibleTableModelChangeEvent::ModelReset));
    // The selected row's first cell: shown row 2, after the header row.
    g.grid.SetSelectedRow(g.data->Rows.at(3));
    g.grid.SetSelectedRow(g.data->Rows.at(3));
    QCOMPARE(heard.Count(&g.grid, QAccessible::Selection, 9), 1);
    QCOMPARE(heard.Count(&g.grid, QAccessible::Focus), 0);
    g.grid.setFocus();
    g.grid.SetSelectedRow(g.data->Rows.at(1));
    QCOMPARE(heard.Count(&g.grid, QAccessible::Focus, 6), 1);
    QCOMPARE(g.Table()->focusChild(), g.Tab()->cellAt(1, 0));
}

void TestWAccessibleGridList::keys_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<int>("start"); // model row, -1 for none
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");
    QTest::newRow("Down from none") << true << -1 << int(Qt::Key_Down) << 0;
    QTest::newRow("Down over a hidden row") << true << 1 << int(Qt::Key_Down) << 3;
    QTest::newRow("Up over a hidden row") << true << 3 << int(Qt::Key_Up) << 1;
    QTest::newRow("Up at the top") << true << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("End") << true << 0 << int(Qt::Key_End) << 5;
    QTest::newRow("Home") << true << 5 << int(Qt::Key_Home) << 0;
    QTest::newRow("Page Down") << true << 0 << int(Qt::Key_PageDown) << 5;
    QTest::newRow("switch off") << false << 1 << int(Qt::Key_Down) << 1;
}

void TestWAccessibleGridList::keys()
{
    QFETCH(bool, keyboard);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, selected);
    WBase::SetKeyboardAccess(keyboard);
    Grid g;
    g.Show(QSize(200, 130));
    g.grid.SetSelectedRow(start < 0 ? nullptr : g.data->Rows.at(start));
    QSignalSpy clicked(&g.grid, &WGridList::RowClicked);
    QSignalSpy doubled(&g.grid, &WGridList::RowDoubleClicked);
    QTest::keyClick(&g.grid, Qt::Key(key));
    QCOMPARE(g.grid.SelectedRowIndex(), selected);
    QCOMPARE(clicked.count(), 0);
    // Space clicks the first cell of the selected row (flipping its check); Enter double-clicks.
    const bool checked = g.data->Rows.at(qMax(selected, 0))->Cells[0].IsChecked();
    QTest::keyClick(&g.grid, Qt::Key_Space);
    QTest::keyClick(&g.grid, Qt::Key_Return);
    const bool works = keyboard && selected >= 0;
    QCOMPARE(clicked.count(), works ? 1 : 0);
    QCOMPARE(doubled.count(), works ? 1 : 0);
    if (works) {
        QCOMPARE(clicked.first(), (QList<QVariant>{selected, 0}));
        QCOMPARE(doubled.first(), (QList<QVariant>{selected, 0}));
        QCOMPARE(g.data->Rows.at(selected)->Cells[0].IsChecked(), !checked);
    }
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

void TestWAccessibleGridList::randomInput()
{
    const KeyboardOn keyboard;
    const Recorder heard;
    Grid g(30);
    WexalTest::RandomInputOptions options;
    options.steps = 1500;
    options.action = [&](QRandomGenerator& rng, QWidget*) {
        QAccessibleTableInterface* tab = g.Tab();
        switch (rng.bounded(3)) {
        case 0:
            tab->selectRow(rng.bounded(-2, 40));
            break;
        case 1:
            g.data->Rows.at(rng.bounded(30))->Visible = rng.bounded(3) != 0;
            if (rng.bounded(2))
                g.grid.UpdateData();
            break;
        default:
            if (QAccessibleInterface* cell = tab->cellAt(rng.bounded(-1, 30), rng.bounded(4)))
                cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            break;
        }
    };
    options.invariant = [&](QWidget*) {
        QAccessibleTableInterface* tab = g.Tab();
        for (int r : tab->selectedRows()) {
            if (!tab->cellAt(r, 0) || !tab->cellAt(r, 0)->state().selected)
                return QStringLiteral("a selected row whose cells are not selected");
        }
        return WalkTree(g.Table());
    };
    QCOMPARE(WexalTest::RunRandomInput(&g.grid, options), QString());
}

QTEST_MAIN(TestWAccessibleGridList)
#include "tst_waccessiblegridlist.moc"
