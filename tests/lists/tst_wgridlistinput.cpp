// The grid list's input: column resizing, clicks and the signals, a line edit in a cell, and
// random input with random model changes.
#include "GridListTestSupport.h"
#include "WRandomInput.h"
#include "WTestMouse.h"

#include "WLineEdit.h"
#include "WPanel.h"

#include <QScreen>
#include <QtTest>

using namespace GridTest;
using namespace WexalTest;

static void Click(QWidget& w, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    MouseMove(&w, pos);
    MousePress(&w, pos, button);
    MouseRelease(&w, pos, button);
}

// The grid's signals in the order they come; for RowClicked, whether the cell is checked then.
static void Record(WGridList& grid, QStringList& log)
{
    QObject::connect(&grid, &WGridList::RowClicked, [&](int r, int c) {
        const bool checked = grid.DataSource()->Rows.at(r)->Cells[c].IsChecked();
        log << QString("row %1 %2%3").arg(r).arg(c).arg(checked ? " checked" : "");
    });
    QObject::connect(&grid, &WGridList::RowDoubleClicked,
                     [&](int r, int c) { log << QString("double %1 %2").arg(r).arg(c); });
    QObject::connect(&grid, &WGridList::ColumnHeaderClicked,
                     [&](int c) { log << QString("header %1").arg(c); });
    QObject::connect(&grid, &WGridList::RightClicked, [&] { log << "right"; });
}

class TestWGridListInput : public QObject
{
    Q_OBJECT

private slots:
    // The grip is the last four pixels of a header cell. The grabbed column follows the
    // pointer wherever it goes but never gets narrower than 10, and the travel below that is
    // lost. Without CanChangeColumnWidth a press on the grip is a header click.
    void columnResize()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(500, 200));
        QStringList log;
        Record(f.grid, log);
        MouseMove(&f.grid, QPoint(95, 10));
        QCOMPARE(f.grid.cursor().shape(), Qt::ArrowCursor);
        MouseMove(&f.grid, QPoint(96, 10));
        QCOMPARE(f.grid.cursor().shape(), Qt::SizeHorCursor);
        MousePress(&f.grid, QPoint(96, 10));
        // Where the pointer goes, over the rows, and the width of the first column then.
        for (const QPoint step : {QPoint(146, 150), {478, 482}, {-54, 10}, {-44, 20}}) {
            MouseMove(&f.grid, QPoint(step.x(), 60));
            QCOMPARE(f.grid.Columns().at(0).Width, step.y());
        }
        MouseRelease(&f.grid, QPoint(-44, 60));
        f.grid.SetCanChangeColumnWidth(false);
        MousePress(&f.grid, QPoint(18, 10));
        MouseMove(&f.grid, QPoint(80, 10));
        MouseRelease(&f.grid, QPoint(80, 10));
        QCOMPARE(f.grid.Columns().at(0).Width, 20);
        QCOMPARE(log, QStringList{"header 0"});
    }

    // Rows 0 .. 3 with row 1 hidden: the second line shows row 2, and the signals name rows by
    // their index in Rows. A right click selects and toggles nothing, the header keeps the
    // selection, and a click right of the last column selects the row but reports nothing.
    void clicksAndSignals()
    {
        Fixture f({100, 100}, 4);
        for (WGridListRow* row : qAsConst(f.data->Rows))
            for (int c : {0, 1})
                row->Cells[c] = false;
        f.data->Rows.at(1)->Visible = false;
        f.grid.UpdateData();
        f.Show(QSize(300, 200));
        QStringList log;
        Record(f.grid, log);
        // Where, with which button, and the row selected afterwards.
        const std::tuple<QPoint, Qt::MouseButton, int> steps[] = {
            {{50, 60}, Qt::LeftButton, 2},  {{50, 60}, Qt::LeftButton, 2},
            {{150, 80}, Qt::LeftButton, 3}, {{50, 40}, Qt::RightButton, 0},
            {{150, 10}, Qt::LeftButton, 0}, {{50, 10}, Qt::MiddleButton, 0},
            {{250, 60}, Qt::LeftButton, 2}, {{50, 150}, Qt::LeftButton, -1}};
        for (const auto& [pos, button, selected] : steps) {
            Click(f.grid, pos, button);
            QCOMPARE(f.grid.SelectedRowIndex(), selected);
        }
        // Qt delivers a double click as press, release, double click, release: a check cell
        // toggles once. Right of the last column it names no column.
        for (const QPoint pos : {QPoint(250, 40), QPoint(50, 40)})
            QTest::mouseDClick(f.grid.windowHandle(), Qt::LeftButton, {}, pos);
        f.data->ColumnCount = 1; // check cells of columns the model does not have stay as they are
        Click(f.grid, QPoint(150, 40));
        QCOMPARE(log,
                 QStringList({"row 2 0 checked", "row 2 0", "row 3 1 checked", "right", "header 1",
                              "right", "double 0 -1", "row 0 0 checked", "double 0 0", "row 0 1"}));
    }

    // A click on a line edit in a cell gives it the grid's keys. Typing edits it, and it has the
    // grid repaint (the grid's key handling repaints nothing itself).
    void lineEditInCell()
    {
        Fixture f({100, 100}, 1);
        auto* edit = new WLineEdit;
        edit->SetDock(DockType::Fill);
        edit->SetBackColor(Qt::white);
        f.data->Rows.at(0)->Cells[0] = edit;
        f.grid.UpdateData();
        f.Show(QSize(300, 200));
        Click(f.grid, QPoint(20, 40));
        QCoreApplication::processEvents();
        // The cell as the last paint left it on the screen, unlike a grab, which paints afresh.
        const auto shown = [&] {
            return f.grid.screen()->grabWindow(f.grid.winId(), 0, 30, 100, 20).toImage();
        };
        const QImage before = shown();
        QTest::keyClicks(&f.grid, "abc");
        QCoreApplication::processEvents();
        QCOMPARE(edit->Text(), QString("abc"));
        QVERIFY(shown() != before);
        f.data->RemoveRow(0); // the row and the editor go: the keys find no dead editor
        QTest::keyClicks(&f.grid, "x");
        QCOMPARE(f.grid.FocusedEditor(), nullptr);
    }

    // Random events with random model changes between them. After UpdateData, with no change
    // since, the first row for the scroll offset is the walk's, whatever the locator remembers.
    void randomInput()
    {
        QImage image(12, 9, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        WGridListData first(6), second(3);
        WGridList grid;
        grid.SetColumnWidth({60, 30, 40, 80, 70, 50});
        grid.SetDataSource(&first);
        const auto makeRow = [&](QRandomGenerator& rng, const WGridListData& data) {
            auto* row = new WGridListRow(rng.bounded(8) ? data.ColumnCount : rng.bounded(-1, 9));
            for (int c = 0; c < row->CellCount(); ++c) {
                WGridListCell& cell = row->Cells[c];
                const int kind = rng.bounded(5);
                if (kind == 0) {
                    cell = rng.bounded(2) == 0;
                } else if (kind == 1) {
                    cell = rng.bounded(4) ? &image : static_cast<const QImage*>(nullptr);
                } else if (kind == 2) { // a line edit, alone or in a container
                    auto* panel = rng.bounded(2) ? new WPanel : nullptr;
                    auto* edit = new WLineEdit(panel);
                    edit->SetDock(rng.bounded(3) ? DockType::Fill : DockType::None);
                    cell = panel ? static_cast<WBase*>(panel) : edit;
                } else {
                    cell = RandomText(rng).left(30);
                }
            }
            row->Visible = rng.bounded(5) != 0;
            return row;
        };
        QRandomGenerator fill(5);
        for (int i = 0; i < 40; ++i)
            first.AddRow(makeRow(fill, first));
        grid.UpdateData();
        bool dirty = false; // the model changed since the last UpdateData
        RandomInputOptions options;
        options.steps = 2500;
        options.action = [&](QRandomGenerator& rng, QWidget*) {
            WGridListData* data = grid.DataSource();
            const int count = data ? data->Rows.size() : 0;
            const int what = rng.bounded(10);
            dirty = dirty || what < 3 || what == 5;
            if (what == 0 && data && count < 150) {
                for (int i = rng.bounded(1, 9); i > 0; --i)
                    data->AddRow(rng.bounded(30) ? makeRow(rng, *data) : nullptr);
            } else if (what == 1 && count > 0) { // the row count stays as it was at times
                data->RemoveRow(rng.bounded(-count, count + 2));
                data->Sort(rng.bounded(-1, data->ColumnCount + 1));
                if (WGridListRow* row = data->Rows.value(rng.bounded(count)))
                    row->Visible = !row->Visible;
                grid.SetSelectedRow(data->Rows.value(rng.bounded(count)));
                grid.SetLockedRow(data->Rows.value(rng.bounded(count)));
            } else if (what == 2 && data) {
                data->ShowRows = rng.bounded(4) != 0;
                data->ColumnCount = rng.bounded(4) ? data->ColumnCount : rng.bounded(-1, 9);
                if (rng.bounded(10) == 0)
                    data->Clear();
            } else if (what == 3 || what > 7) {
                grid.UpdateData();
                grid.SetVScrollBarValue(rng.bounded(qMax(grid.ScrollSize().height(), 1)));
                dirty = false;
            } else if (what == 4) {
                QVector<int> widths;
                for (int i = rng.bounded(8); i > 0; --i)
                    widths << (rng.bounded(4) ? rng.bounded(1, 120) : ExtremeInt(rng));
                grid.SetColumnWidth(widths);
            } else if (what == 5) {
                WGridListData* const models[] = {&first, &second, nullptr};
                grid.SetDataSource(models[rng.bounded(3)]);
            } else {
                QHoverEvent hover(rng.bounded(8) ? QEvent::HoverMove : QEvent::HoverLeave,
                                  QPointF(rng.bounded(-20, 340), rng.bounded(-20, 260)), QPointF());
                QApplication::sendEvent(&grid, &hover);
            }
        };
        options.invariant = [&](QWidget*) -> QString {
            const WGridListData* data = grid.DataSource();
            const int v = grid.VScrollBarValue();
            if (!data || dirty)
                return QString();
            grid.ComputeDrawRowStartIndex(v);
            const auto walk = Walk(data->Rows, grid.RowHeight(), v);
            const bool same = qMakePair(grid.FirstRow(), grid.RowOffset()) == walk;
            return same ? QString() : QString("first row %1, not the walk's").arg(grid.FirstRow());
        };
        QCOMPARE(RunRandomInput(&grid, options), QString());
    }
};

QTEST_MAIN(TestWGridListInput)
#include "tst_wgridlistinput.moc"
