// The grid list's input: hit testing, the resize grip and column drags, selection, check
// toggling and the signals, and the hand delivery of events to the widgets in its cells.
#include "GridListTestSupport.h"
#include "WRandomInput.h"
#include "WTestMouse.h"

#include "WLabel.h"
#include "WLineEdit.h"
#include "WPanel.h"

#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <climits>

using namespace GridTest;

namespace {

// A cell widget that writes down what reaches it.
class Probe : public WBase
{
public:
    using WBase::WBase;

    struct Record
    {
        QEvent::Type type;
        QPoint pos;
        Qt::MouseButton button;
    };
    QVector<Record> records;

    QString Types() const
    {
        QStringList names;
        for (const Record& r : records)
            names << QString::number(int(r.type));
        return names.join(QLatin1Char(' '));
    }

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto* m = static_cast<QMouseEvent*>(e);
            records.append({e->type(), m->pos(), m->button()});
            break;
        }
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            records.append({e->type(), QPoint(), Qt::NoButton});
            break;
        default:
            break;
        }
        return WBase::event(e);
    }
    void Paint(QPainter* painter) override { painter->fillRect(rect(), BackColor()); }
};

// A move carries button as held (Qt drops button-less moves of widgets without mouse tracking
// before they arrive) and no button of its own.
void SendMouse(QWidget& w, QEvent::Type type, const QPoint& pos,
               Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(pos), QPointF(w.mapToGlobal(pos)), changed, held,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

void SendHover(QWidget& w, const QPoint& pos, QEvent::Type type = QEvent::HoverMove)
{
    QHoverEvent e(type, QPointF(pos), QPointF(pos));
    QApplication::sendEvent(&w, &e);
}

void Click(QWidget& w, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    WexalTest::MouseMove(&w, pos);
    WexalTest::MousePress(&w, pos, button);
    WexalTest::MouseRelease(&w, pos, button);
}

} // namespace

class TestWGridListInput : public QObject
{
    Q_OBJECT

private slots:
    // Columns 100, 50, 80 and rows 0 .. 4 with row 1 hidden: the second line is row 2.
    void hitTest_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("grip");
        QTest::addColumn<QPoint>("cellPoint");
        const QPoint none(-1, -1);
        QTest::newRow("header") << QPoint(10, 10) << 0 << -1 << true << false << none;
        QTest::newRow("before the grip") << QPoint(95, 10) << 0 << -1 << true << false << none;
        QTest::newRow("grip starts") << QPoint(96, 10) << 0 << -1 << true << true << none;
        QTest::newRow("last pixel") << QPoint(99, 10) << 0 << -1 << true << true << none;
        QTest::newRow("next column") << QPoint(100, 10) << 1 << -1 << true << false << none;
        QTest::newRow("on the header's bottom")
            << QPoint(10, 29) << 0 << -1 << false << false << none;
        QTest::newRow("first row") << QPoint(10, 30) << 0 << 0 << false << false << QPoint(10, 0);
        QTest::newRow("second line is row 2")
            << QPoint(120, 55) << 1 << 2 << false << false << QPoint(20, 5);
        QTest::newRow("last row") << QPoint(229, 109) << 2 << 4 << false << false << QPoint(79, 19);
        QTest::newRow("below the rows") << QPoint(10, 110) << 0 << -1 << false << false << none;
        QTest::newRow("right of the columns")
            << QPoint(240, 40) << -1 << 0 << false << false << none;
        QTest::newRow("header, right of the columns")
            << QPoint(240, 10) << -1 << -1 << false << false << none;
    }
    void hitTest()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, header);
        QFETCH(bool, grip);
        QFETCH(QPoint, cellPoint);
        Fixture f({100, 50, 80}, 5);
        f.data->Rows.at(1)->Visible = false;
        f.grid.UpdateData();
        f.Show(QSize(300, 200));
        f.grid.MouseMoveDispose(QPoint(1, 35)); // a known cell point to start from
        QCOMPARE(f.grid.CellPoint(), QPoint(1, 5));
        f.grid.MouseMoveDispose(pos);
        QCOMPARE(f.grid.HoverColumn(), column);
        QCOMPARE(f.grid.HoverRow(), row);
        QCOMPARE(f.grid.IsOverHeader(), header);
        QCOMPARE(f.grid.IsOverResizeZone(), grip);
        // Only a hit cell moves the cell point.
        QCOMPARE(f.grid.CellPoint(), cellPoint == QPoint(-1, -1) ? QPoint(1, 5) : cellPoint);
    }

    void hitTestScrolled()
    {
        Fixture f({100, 50, 80}, 40);
        f.Show(QSize(110, 150));
        f.grid.SetHScrollBarValue(120);
        f.grid.SetVScrollBarValue(25);
        f.grid.MouseMoveDispose(QPoint(10, 40));
        QCOMPARE(f.grid.HoverColumn(), 1);
        QCOMPARE(f.grid.HoverRow(), 1); // 25 + 10 pixels into the rows
        QCOMPARE(f.grid.CellPoint(), QPoint(30, 15));
        f.grid.MouseMoveDispose(QPoint(30, 10));
        QCOMPARE(f.grid.HoverColumn(), 2);
        QVERIFY(f.grid.IsOverHeader());
    }

    // The grip shows the resize cursor over the last four pixels of a header cell; without
    // CanChangeColumnWidth the cursor is never touched and a press is a header click.
    void resizeCursor()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(300, 200));
        WexalTest::MouseMove(&f.grid, QPoint(96, 10)); // 3 left of the right edge at 99
        QCOMPARE(f.grid.cursor().shape(), Qt::SizeHorCursor);
        WexalTest::MouseMove(&f.grid, QPoint(94, 10)); // 5 left
        QCOMPARE(f.grid.cursor().shape(), Qt::ArrowCursor);
        WexalTest::MouseMove(&f.grid, QPoint(196, 10));
        QCOMPARE(f.grid.cursor().shape(), Qt::SizeHorCursor);
        WexalTest::MouseMove(&f.grid, QPoint(196, 40)); // same column, in the rows
        QCOMPARE(f.grid.cursor().shape(), Qt::ArrowCursor);

        Fixture fixed({100, 100}, 3);
        fixed.grid.SetCanChangeColumnWidth(false);
        fixed.Show(QSize(300, 200));
        QSignalSpy headerClicks(&fixed.grid, &WGridList::ColumnHeaderClicked);
        WexalTest::MouseMove(&fixed.grid, QPoint(97, 10));
        QVERIFY(!fixed.grid.testAttribute(Qt::WA_SetCursor));
        QVERIFY(!fixed.grid.IsOverResizeZone());
        WexalTest::MousePress(&fixed.grid, QPoint(97, 10));
        QVERIFY(!fixed.grid.IsResizing());
        WexalTest::MouseMove(&fixed.grid, QPoint(150, 10));
        WexalTest::MouseRelease(&fixed.grid, QPoint(150, 10));
        QCOMPARE(fixed.grid.Columns().at(0).Width, 100);
        QCOMPARE(headerClicks.count(), 1);
        QCOMPARE(headerClicks.at(0).at(0).toInt(), 0);
    }

    // The grabbed column follows the pointer wherever it goes, never below 10 pixels; the
    // pointer's travel below that is lost, not banked.
    void columnDrag()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(500, 200));
        QSignalSpy headerClicks(&f.grid, &WGridList::ColumnHeaderClicked);
        QSignalSpy rightClicks(&f.grid, &WGridList::RightClicked);
        WexalTest::MouseMove(&f.grid, QPoint(98, 10));
        WexalTest::MousePress(&f.grid, QPoint(98, 10));
        QVERIFY(f.grid.IsResizing());
        WexalTest::MouseMove(&f.grid, QPoint(148, 60)); // over column 1 and the rows
        QCOMPARE(f.grid.Columns().at(0).Width, 150);
        QCOMPARE(f.grid.Columns().at(1).Width, 100);
        QCOMPARE(f.grid.ScrollSize().width(), 500); // 250 of columns, the area is wider
        WexalTest::MouseMove(&f.grid, QPoint(480, 10));
        QCOMPARE(f.grid.Columns().at(0).Width, 482);
        QCOMPARE(f.grid.ScrollSize().width(), 582);
        SendHover(f.grid, QPoint(-5, 10), QEvent::HoverLeave); // kept while dragging
        QCOMPARE(f.grid.HoverColumn(), 0);
        WexalTest::MouseMove(&f.grid, QPoint(-52, 10)); // 200 further left than the width
        QCOMPARE(f.grid.Columns().at(0).Width, 10);
        WexalTest::MouseMove(&f.grid, QPoint(-42, 10));
        QCOMPARE(f.grid.Columns().at(0).Width, 20);
        WexalTest::MouseRelease(&f.grid, QPoint(-42, 10));
        QVERIFY(!f.grid.IsResizing());
        WexalTest::MouseMove(&f.grid, QPoint(60, 10)); // a plain hover again
        QCOMPARE(f.grid.Columns().at(0).Width, 20);
        QCOMPARE(f.grid.HoverColumn(), 1);
        QCOMPARE(headerClicks.count(), 0);
        QCOMPARE(rightClicks.count(), 0);

        // Dragging 200 to the left from 100 leaves 10.
        Fixture g({100, 100}, 1);
        g.Show(QSize(300, 200));
        WexalTest::MouseMove(&g.grid, QPoint(99, 5));
        WexalTest::MousePress(&g.grid, QPoint(99, 5));
        WexalTest::MouseMove(&g.grid, QPoint(-101, 5));
        WexalTest::MouseRelease(&g.grid, QPoint(-101, 5));
        QCOMPARE(g.grid.Columns().at(0).Width, 10);
    }

    // Check toggling, selection and the signals, with real clicks. Rows 0 .. 3, row 1 hidden:
    // the second line shows row 2, and the signals name rows by their index in Rows.
    void clicksAndSignals()
    {
        Fixture f({100, 100}, 4);
        for (WGridListRow* row : qAsConst(f.data->Rows))
            row->Cells[0] = false;
        f.data->Rows.at(1)->Visible = false;
        f.grid.UpdateData();
        f.Show(QSize(300, 200));
        QSignalSpy rowClicks(&f.grid, &WGridList::RowClicked);
        QSignalSpy doubleClicks(&f.grid, &WGridList::RowDoubleClicked);
        QSignalSpy headerClicks(&f.grid, &WGridList::ColumnHeaderClicked);
        QSignalSpy rightClicks(&f.grid, &WGridList::RightClicked);
        const WGridListCell& checkOf2 = f.data->Rows.at(2)->Cells[0];

        Click(f.grid, QPoint(50, 60));
        QVERIFY(checkOf2.IsChecked());
        QCOMPARE(rowClicks.count(), 1);
        QCOMPARE(rowClicks.takeFirst(), (QList<QVariant>{2, 0}));
        QCOMPARE(f.grid.SelectedRowIndex(), 2);
        Click(f.grid, QPoint(50, 60));
        QVERIFY(!checkOf2.IsChecked());
        QCOMPARE(checkOf2.Type, int(WGridListCell::CheckCell));
        rowClicks.clear();

        // A text cell: selects and reports, nothing to toggle.
        Click(f.grid, QPoint(150, 80));
        QCOMPARE(rowClicks.takeFirst(), (QList<QVariant>{3, 1}));
        QCOMPARE(f.data->Rows.at(3)->Cells[1].Type, int(WGridListCell::TextCell));

        // Right click on a row: selected, only RightClicked.
        Click(f.grid, QPoint(50, 40), Qt::RightButton);
        QCOMPARE(f.grid.SelectedRowIndex(), 0);
        QCOMPARE(rightClicks.count(), 1);
        QCOMPARE(rowClicks.count(), 0);
        QVERIFY(!f.data->Rows.at(0)->Cells[0].IsChecked());

        // The header: a column click that keeps the selection; any other button is a right
        // click.
        Click(f.grid, QPoint(150, 10));
        QCOMPARE(headerClicks.count(), 1);
        QCOMPARE(headerClicks.takeFirst().at(0).toInt(), 1);
        Click(f.grid, QPoint(50, 10), Qt::MiddleButton);
        QCOMPARE(rightClicks.count(), 2);
        QCOMPARE(f.grid.SelectedRowIndex(), 0);

        // Right of the last column: selects the row, reports no click.
        Click(f.grid, QPoint(250, 60));
        QCOMPARE(f.grid.SelectedRowIndex(), 2);
        QCOMPARE(rowClicks.count(), 0);
        // Below the last row: nothing selected.
        Click(f.grid, QPoint(50, 150));
        QCOMPARE(f.grid.SelectedRowIndex(), -1);
        QCOMPARE(rowClicks.count(), 0);

        // A double click right of the last column names no column. Qt delivers it as press,
        // release, double click, release: a check cell toggles with the press only.
        WexalTest::MouseMove(&f.grid, QPoint(250, 40));
        QTest::mouseDClick(f.grid.windowHandle(), Qt::LeftButton, {}, QPoint(250, 40));
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(doubleClicks.takeFirst(), (QList<QVariant>{0, -1}));
        WexalTest::MouseMove(&f.grid, QPoint(50, 40));
        QTest::mouseDClick(f.grid.windowHandle(), Qt::LeftButton, {}, QPoint(50, 40));
        QCOMPARE(doubleClicks.takeFirst(), (QList<QVariant>{0, 0}));
        QCOMPARE(rowClicks.count(), 1);
        QVERIFY(f.data->Rows.at(0)->Cells[0].IsChecked());
        SendMouse(f.grid, QEvent::MouseButtonPress, QPoint(50, 40));
        SendMouse(f.grid, QEvent::MouseButtonRelease, QPoint(50, 40));
        SendMouse(f.grid, QEvent::MouseButtonDblClick, QPoint(50, 40));
        QVERIFY(!f.data->Rows.at(0)->Cells[0].IsChecked());
        // A right double click reports nothing.
        SendMouse(f.grid, QEvent::MouseButtonDblClick, QPoint(50, 40), Qt::RightButton);
        QCOMPARE(doubleClicks.count(), 1);
    }

    // Check cells of columns the model does not have are not toggled; without a model only
    // a non-left press says anything.
    void clicksWithoutCells()
    {
        WGridListData data(1);
        WGridListRow* row = new WGridListRow(2);
        row->Cells[0] = false;
        row->Cells[1] = false;
        data.AddRow(row);
        WGridList grid;
        Style(grid);
        grid.SetColumnWidth({100, 100});
        QSignalSpy rowClicks(&grid, &WGridList::RowClicked);
        QSignalSpy headerClicks(&grid, &WGridList::ColumnHeaderClicked);
        QSignalSpy rightClicks(&grid, &WGridList::RightClicked);
        Show(grid, QSize(300, 200));
        Click(grid, QPoint(50, 10));
        Click(grid, QPoint(50, 40));
        QCOMPARE(headerClicks.count() + rowClicks.count() + rightClicks.count(), 0);
        Click(grid, QPoint(50, 40), Qt::RightButton);
        QCOMPARE(rightClicks.count(), 1);

        grid.SetDataSource(&data);
        grid.UpdateData();
        Click(grid, QPoint(150, 40));
        QCOMPARE(rowClicks.takeFirst(), (QList<QVariant>{0, 1}));
        QVERIFY(!row->Cells[1].IsChecked()); // beyond the model's one column
        Click(grid, QPoint(50, 40));
        QVERIFY(row->Cells[0].IsChecked());
        grid.SetDataSource(nullptr);
    }

    // What reaches the widgets in cells: Enter and Leave as the pointer moves between them,
    // presses and moves at the point inside the deepest shown, enabled descendant, and the
    // release to whoever got the press.
    void forwardingToCellWidgets()
    {
        Fixture f({100, 100}, 0);
        WGridListRow* row = f.data->CreateRow();
        auto* outer = new Probe;
        outer->resize(40, 10);
        auto* inner = new Probe(outer);
        inner->setGeometry(20, 0, 20, 10);
        auto* hidden = new Probe(outer);
        hidden->setGeometry(0, 0, 40, 10);
        hidden->hide();
        auto* disabled = new Probe(outer);
        disabled->setGeometry(0, 0, 10, 10);
        disabled->setEnabled(false);
        row->Cells[0] = outer;
        f.data->AddRow(row);
        f.grid.UpdateData();
        f.Show(QSize(300, 200));
        Grab(f.grid);
        QCOMPARE(outer->pos(), QPoint(30, 5)); // centred by the paint
        QSignalSpy rowClicks(&f.grid, &WGridList::RowClicked);
        QSignalSpy doubleClicks(&f.grid, &WGridList::RowDoubleClicked);
        QSignalSpy rightClicks(&f.grid, &WGridList::RightClicked);

        SendHover(f.grid, QPoint(35, 38)); // cell (35, 8): outer at (5, 3)
        QCOMPARE(outer->Types(), QString::number(QEvent::Enter));
        SendHover(f.grid, QPoint(32, 38)); // over the disabled child: outer still
        QCOMPARE(outer->records.size(), 1);
        QVERIFY(disabled->records.isEmpty());
        SendHover(f.grid, QPoint(55, 38)); // the inner child, under the hidden one
        QCOMPARE(outer->records.last().type, QEvent::Leave);
        QCOMPARE(inner->Types(), QString::number(QEvent::Enter));
        QVERIFY(hidden->records.isEmpty());

        outer->records.clear();
        inner->records.clear();
        SendMouse(f.grid, QEvent::MouseButtonPress, QPoint(55, 38), Qt::RightButton);
        SendMouse(f.grid, QEvent::MouseMove, QPoint(60, 40), Qt::RightButton);
        SendMouse(f.grid, QEvent::MouseButtonDblClick, QPoint(55, 38));
        QCOMPARE(inner->records.size(), 3);
        QCOMPARE(inner->records.at(0).type, QEvent::MouseButtonPress);
        QCOMPARE(inner->records.at(0).pos, QPoint(5, 3));
        QCOMPARE(inner->records.at(0).button, Qt::RightButton);
        // A move has no hit test of its own: the point of the last hover is used.
        QCOMPARE(inner->records.at(1).type, QEvent::MouseMove);
        QCOMPARE(inner->records.at(1).pos, QPoint(5, 3));
        QCOMPARE(inner->records.at(1).button, Qt::NoButton);
        QCOMPARE(inner->records.at(2).type, QEvent::MouseButtonDblClick);
        QVERIFY(outer->records.isEmpty());
        // Taken by the widget: no selection, no signal.
        QCOMPARE(f.grid.SelectedRow(), nullptr);
        QCOMPARE(rowClicks.count() + doubleClicks.count() + rightClicks.count(), 0);

        // Released away from any widget: the pressed one hears it, at (0, 0).
        SendHover(f.grid, QPoint(250, 100));
        QCOMPARE(inner->records.last().type, QEvent::Leave);
        SendMouse(f.grid, QEvent::MouseButtonRelease, QPoint(250, 100), Qt::RightButton);
        QCOMPARE(inner->records.last().type, QEvent::MouseButtonRelease);
        QCOMPARE(inner->records.last().pos, QPoint(0, 0));
        SendMouse(f.grid, QEvent::MouseButtonRelease, QPoint(55, 38));
        const auto releases = std::count_if(inner->records.cbegin(), inner->records.cend(),
                                            [](const Probe::Record& r) {
                                                return r.type == QEvent::MouseButtonRelease;
                                            });
        QCOMPARE(releases, 1); // only to the press it belongs to
        QCOMPARE(inner->records.last().type, QEvent::Enter);

        // A press over the cell but beside the widget is the grid's own.
        SendHover(f.grid, QPoint(10, 38));
        SendMouse(f.grid, QEvent::MouseButtonPress, QPoint(10, 38));
        QCOMPARE(rowClicks.count(), 1);
        QCOMPARE(f.grid.SelectedRow(), row);
        QCOMPARE(outer->records.size(), 0);
    }

    // A line edit in a cell: a click gives it the grid's keys, typing edits it, its repaints
    // reach the grid, and it hears when it loses the focus.
    void lineEditInCell()
    {
        Fixture f({100, 100}, 0);
        auto* edit = new WLineEdit;
        edit->SetDock(DockType::Fill);
        edit->SetBackColor(Qt::white);
        edit->SetForeColor(Qt::black);
        edit->SetSelectedTextBackColor(Qt::blue);
        WGridListRow* row = f.data->CreateRow();
        row->Cells[0] = edit;
        row->Cells[1] = QStringLiteral("text");
        f.data->AddRow(row);
        auto* other = new WLineEdit;
        other->SetDock(DockType::Fill);
        f.data->AddRow(f.data->CreateRow());
        f.data->Rows.at(1)->Cells[0] = other;
        f.grid.UpdateData();
        QCOMPARE(edit->geometry(), QRect(0, 0, 100, rowHeight));
        f.Show(QSize(300, 200));
        QSignalSpy editorFocusOut(edit, &WLineEdit::FocusOut);
        QSignalSpy otherFocusOut(other, &WLineEdit::FocusOut);
        QSignalSpy rowClicks(&f.grid, &WGridList::RowClicked);

        Click(f.grid, QPoint(20, 40));
        QCOMPARE(f.grid.FocusedEditor(), edit);
        QVERIFY(edit->IsCaretVisible());
        QVERIFY(f.grid.hasFocus());
        QCOMPARE(rowClicks.count(), 0);

        int paints = 0;
        struct Counter : QObject
        {
            int* n;
            explicit Counter(int* n) : n(n) {}
            bool eventFilter(QObject*, QEvent* e) override
            {
                *n += e->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter(&paints);
        f.grid.installEventFilter(&counter);
        Settle();
        const QImage before = Grab(f.grid);
        paints = 0;
        QTest::keyClicks(&f.grid, QStringLiteral("abc"));
        QCOMPARE(edit->Text(), QStringLiteral("abc"));
        Settle();
        QVERIFY(paints > 0); // the grid's key handling repaints nothing itself
        const QImage after = Grab(f.grid);
        QVERIFY(before.copy(0, 30, 100, 20) != after.copy(0, 30, 100, 20));
        QCOMPARE(before.copy(100, 30, 100, 20), after.copy(100, 30, 100, 20));

        // Selecting by dragging inside it. Qt sends each move before its hover move, and the
        // move reaches the editor at the point of the last hover: a drag is a step behind.
        WexalTest::MouseMove(&f.grid, QPoint(2, 40));
        WexalTest::MousePress(&f.grid, QPoint(2, 40));
        WexalTest::MouseMove(&f.grid, QPoint(60, 40));
        QCOMPARE(edit->SelectedText(), QString());
        WexalTest::MouseMove(&f.grid, QPoint(95, 40));
        WexalTest::MouseRelease(&f.grid, QPoint(95, 40));
        QCOMPARE(edit->SelectedText(), QStringLiteral("abc"));
        QTest::keyClick(&f.grid, Qt::Key_Backspace);
        QCOMPARE(edit->Text(), QString());

        // A click on a cell that holds no widget leaves the keys with it.
        Click(f.grid, QPoint(150, 40));
        QCOMPARE(rowClicks.takeFirst(), (QList<QVariant>{0, 1}));
        QCOMPARE(f.grid.FocusedEditor(), edit);
        // A press on another cell widget takes them.
        Click(f.grid, QPoint(20, 60));
        QCOMPARE(editorFocusOut.count(), 1);
        QCOMPARE(f.grid.FocusedEditor(), other);
        QVERIFY(!edit->IsCaretVisible());
        QTest::keyClicks(&f.grid, QStringLiteral("x"));
        QCOMPARE(edit->Text(), QString());
        QCOMPARE(other->Text(), QStringLiteral("x"));

        // So does the grid's own loss of focus.
        Click(f.grid, QPoint(20, 40));
        QCOMPARE(f.grid.FocusedEditor(), edit);
        QCOMPARE(otherFocusOut.count(), 1);
        f.grid.clearFocus();
        QCOMPARE(editorFocusOut.count(), 2);
        QCOMPARE(f.grid.FocusedEditor(), nullptr);

        // The row with the focused editor goes: keys find no dead editor.
        Click(f.grid, QPoint(20, 40));
        QCOMPARE(f.grid.FocusedEditor(), edit);
        QPointer<WLineEdit> guard(edit);
        f.data->RemoveRow(0);
        QVERIFY(guard.isNull());
        QCOMPARE(f.grid.FocusedEditor(), nullptr);
        QTest::keyClicks(&f.grid, QStringLiteral("y"));
        QCOMPARE(other->Text(), QStringLiteral("x"));
        // And reading the model again lets an editor go as well.
        f.grid.UpdateData();
        Click(f.grid, QPoint(20, 40));
        QCOMPARE(f.grid.FocusedEditor(), other);
        f.grid.UpdateData();
        QCOMPARE(f.grid.FocusedEditor(), nullptr);
        QCOMPARE(otherFocusOut.count(), 2);
    }

    void hoverLeaveAndHeaderHighlight()
    {
        Fixture f({100, 100}, 2);
        f.grid.AddColumn(100, QStringLiteral("\u2588\u2588\u2588"));
        f.grid.ApplyColumn();
        f.Show(QSize(300, 200));
        WexalTest::MouseMove(&f.grid, QPoint(250, 10));
        QCOMPARE(f.grid.HoverColumn(), 2);
        QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(205, 5), headerBackHover);
        QVERIFY(CountColour(image, QRect(200, 0, 100, 29), headerForeHover) > 0);
        QCOMPARE(image.pixelColor(105, 5), headerBack);
        SendHover(f.grid, QPoint(-1, -1), QEvent::HoverLeave);
        QCOMPARE(f.grid.HoverColumn(), -1);
        QCOMPARE(f.grid.HoverRow(), -1);
        image = Grab(f.grid);
        QCOMPARE(image.pixelColor(205, 5), headerBack);
        QVERIFY(CountColour(image, QRect(200, 0, 100, 29), headerFore) > 0);
    }

    // Random events with random model changes between them.
    void randomInput()
    {
        const QImage image = [] {
            QImage i(12, 9, QImage::Format_ARGB32);
            i.fill(Qt::darkCyan);
            return i;
        }();
        WGridListData first(6);
        WGridListData second(3);
        WGridList grid;
        Style(grid);
        grid.SetCheckFlagColor(checkFlag);
        grid.SetColumnWidth({60, 30, 40, 80, 70, 50});
        grid.resize(320, 240);
        grid.SetDataSource(&first);
        bool dirty = false; // the model changed since the last UpdateData

        const auto makeRow = [&](QRandomGenerator& rng, WGridListData& data) -> WGridListRow* {
            const int cells = rng.bounded(8) == 0 ? rng.bounded(-1, 9) : data.ColumnCount;
            auto* row = new WGridListRow(cells);
            for (int c = 0; c < row->CellCount(); ++c) {
                WGridListCell& cell = row->Cells[c];
                switch (rng.bounded(8)) {
                case 0:
                    cell = rng.bounded(2) == 0;
                    break;
                case 1:
                    cell = rng.bounded(4) ? &image : static_cast<const QImage*>(nullptr);
                    break;
                case 2: {
                    auto* edit = new WLineEdit;
                    edit->SetDock(rng.bounded(3) ? DockType::Fill : DockType::None);
                    edit->SetText(WexalTest::RandomText(rng).left(20));
                    cell = edit;
                    break;
                }
                case 3: {
                    auto* label = new WLabel;
                    label->SetText(QStringLiteral("label"));
                    label->SetDock(DockType::Fill);
                    cell = label;
                    break;
                }
                case 4: {
                    auto* panel = new WPanel;
                    panel->resize(30, 12);
                    auto* inner = new WLineEdit(panel);
                    inner->SetDock(DockType::Fill);
                    cell = panel;
                    break;
                }
                case 5:
                    cell = static_cast<const WBase*>(nullptr);
                    break;
                default:
                    cell = WexalTest::RandomText(rng).left(30);
                    break;
                }
            }
            row->Visible = rng.bounded(5) != 0;
            return row;
        };
        QRandomGenerator fill(5);
        for (int i = 0; i < 40; ++i)
            first.AddRow(makeRow(fill, first));
        grid.UpdateData();

        WexalTest::RandomInputOptions options;
        options.steps = 2500;
        options.action = [&](QRandomGenerator& rng, QWidget*) {
            WGridListData* data = grid.DataSource();
            const int count = data ? data->Rows.size() : 0;
            switch (rng.bounded(16)) {
            case 0:
                if (data && count < 150)
                    for (int i = rng.bounded(1, 6); i > 0; --i)
                        data->AddRow(rng.bounded(30) ? makeRow(rng, *data) : nullptr);
                dirty = true;
                break;
            case 1:
                if (data)
                    data->RemoveRow(rng.bounded(-2, count + 2));
                dirty = true;
                break;
            case 2:
                if (data)
                    data->Sort(rng.bounded(-1, data->ColumnCount + 1));
                dirty = true;
                break;
            case 3:
                if (count > 0) {
                    if (WGridListRow* row = data->Rows.at(rng.bounded(count)))
                        row->Visible = !row->Visible;
                }
                dirty = true;
                break;
            case 4:
                if (data && rng.bounded(4) == 0)
                    data->Clear();
                dirty = true;
                break;
            case 5:
            case 6:
                grid.UpdateData();
                dirty = false;
                break;
            case 7: {
                QVector<int> widths;
                for (int i = rng.bounded(0, 8); i > 0; --i)
                    widths << (rng.bounded(4) ? rng.bounded(1, 120) : WexalTest::ExtremeInt(rng));
                grid.SetColumnWidth(widths);
                if (rng.bounded(3) == 0)
                    grid.AddColumn(WexalTest::ExtremeInt(rng), WexalTest::RandomText(rng));
                break;
            }
            case 8:
                if (count > 0) {
                    grid.SetSelectedRow(data->Rows.at(rng.bounded(count)));
                    grid.SetLockedRow(data->Rows.at(rng.bounded(count)));
                }
                break;
            case 9:
                if (data) {
                    data->ShowRows = rng.bounded(4) != 0;
                    if (rng.bounded(4) == 0)
                        data->ColumnCount = rng.bounded(-1, 9);
                }
                break;
            case 10: {
                WGridListData* const models[] = {&first, &second, nullptr};
                grid.SetDataSource(models[rng.bounded(3)]);
                dirty = true; // until UpdateData reads the new model
                break;
            }
            case 11:
            case 12: {
                const QPoint pos(rng.bounded(-20, 340), rng.bounded(-20, 260));
                SendHover(grid, pos, rng.bounded(8) ? QEvent::HoverMove : QEvent::HoverLeave);
                break;
            }
            case 13: {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier,
                              WexalTest::RandomText(rng).left(2));
                QApplication::sendEvent(&grid, &key);
                break;
            }
            case 14:
                grid.ComputeDrawColumnStartIndex(WexalTest::ExtremeInt(rng));
                grid.CellControlLayout(WexalTest::ExtremeInt(rng) % 10);
                break;
            default:
                // A paint that finds the model taken: the lock is held by this very thread.
                if (data) {
                    data->Lock();
                    grid.grab();
                    data->Unlock();
                }
                break;
            }
        };
        // After UpdateData and with no change since, the row found for the scroll offset is
        // the walk's, whatever happened to the locator's resume point.
        options.invariant = [&](QWidget*) -> QString {
            const WGridListData* data = grid.DataSource();
            if (!data || dirty)
                return QString();
            grid.ComputeDrawRowStartIndex(grid.VScrollBarValue());
            qint64 remaining = grid.VScrollBarValue();
            int row = 0, offset = 0;
            for (int r = 0; r < data->Rows.size(); ++r) {
                const WGridListRow* p = data->Rows.at(r);
                if (!p || !p->Visible)
                    continue;
                if (grid.RowHeight() > remaining) {
                    row = r;
                    offset = int(remaining);
                    break;
                }
                if (grid.RowHeight() <= 0)
                    break;
                remaining -= grid.RowHeight();
            }
            if (grid.FirstRow() != row || grid.RowOffset() != offset)
                return QStringLiteral("first row %1+%2, the walk says %3+%4")
                    .arg(grid.FirstRow())
                    .arg(grid.RowOffset())
                    .arg(row)
                    .arg(offset);
            if (grid.HoverRow() >= data->Rows.size())
                return QStringLiteral("hover row past the end");
            return QString();
        };
        QCOMPARE(WexalTest::RunRandomInput(&grid, options), QString());
        grid.SetDataSource(nullptr);
    }
};

QTEST_MAIN(TestWGridListInput)
#include "tst_wgridlistinput.moc"
