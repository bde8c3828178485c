// Where a screen reader finds the children of lists and pickers, and what becomes of those that
// go: the grid list's rows and cells (a model locked by another thread, the selected row kept in
// view, a cell editor's Escape), the item list's lines, and the hour-minute picker's numbers.
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

    void interfacesOfLinesThatGo();
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

// A line the list no longer has reads as invalid; once the list is read again its interface is
// gone, and the line that comes back gets a new one.
void TestAccessibleChildren::interfacesOfLinesThatGo()
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

void TestAccessibleChildren::keysScrollTheSelectedRowIntoView()
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

void TestAccessibleChildren::escapeLeavesACellEditor()
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

WEXAL_TEST_MAIN(TestAccessibleChildren)
#include "tst_accessiblechildren.moc"
