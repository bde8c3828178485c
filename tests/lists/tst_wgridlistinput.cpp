// The grid list's input: column resizing, clicks and the signals, a cell widget that deletes the
// grid, and line edits in cells that take the grid's keys and change the model.
#include "GridListTestSupport.h"
#include "WTestSuite.h"

using namespace GridTest;
using namespace WexalTest;

// Where a pointer goes on grid laid out in direction, given where it goes left to right: the
// mirror image across the header's width.
static QPoint At(WGridList& grid, Qt::LayoutDirection direction, const QPoint& pos)
{
    const QRect header = grid.HeaderRect();
    return direction == Qt::LeftToRight ? pos
                                        : QPoint(header.left() + header.right() - pos.x(), pos.y());
}

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

// A grid of two 100-wide columns over two empty rows, at the top left of a RemovalHost, so that
// grid coordinates are window coordinates. The model is declared first: it outlives the grid.
struct HostedGrid
{
    HostedGrid() : grid(new WGridList(host.parent))
    {
        for (int i = 0; i < 2; ++i)
            data.AddRow(data.CreateRow());
        grid->setGeometry(0, 0, 300, 200);
        grid->SetColumnWidth({100, 100});
        grid->SetDataSource(&data);
        grid->UpdateData();
    }
    bool Show()
    {
        host.window.show();
        return QTest::qWaitForWindowExposed(&host.window);
    }
    QWindow* Window() { return host.window.windowHandle(); }
    // Sent straight to the grid, as long as it is there.
    void Send(QEvent* e)
    {
        if (grid)
            QApplication::sendEvent(grid, e);
    }

    WGridListData data{2};
    RemovalHost host;
    QPointer<WGridList> grid;
};

// A cell widget that hands the first event of one type to a handler, as an application's
// widget may, and takes that event.
class CellProbe : public WBase
{
public:
    QEvent::Type trigger = QEvent::None;
    std::function<void()> handler;

protected:
    void Paint(QPainter*) override {}
    bool event(QEvent* e) override
    {
        if (e->type() != trigger || !handler)
            return WBase::event(e);
        const std::function<void()> h = std::move(handler);
        handler = nullptr;
        h(); // this widget may be gone now
        return true;
    }
};

class TestWGridListInput : public QObject
{
    Q_OBJECT

    static void directions()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        for (Qt::LayoutDirection direction : Directions())
            QTest::newRow(direction == Qt::LeftToRight ? "left to right" : "right to left")
                << direction;
    }

private slots:
    void columnResize_data() { directions(); }
    void clicksAndSignals_data() { directions(); }

    // The grip is the last four pixels of a header cell. The grabbed column follows the
    // pointer wherever it goes but never gets narrower than 10, and the travel below that is
    // lost. Without CanChangeColumnWidth a press on the grip is a header click. Right to left
    // the columns run from the right, and all of it happens in the mirror image.
    void columnResize()
    {
        QFETCH(Qt::LayoutDirection, direction);
        Fixture f({100, 100}, 3);
        f.grid.setLayoutDirection(direction);
        f.Show(QSize(500, 200));
        const auto at = [&](int x, int y) { return At(f.grid, direction, QPoint(x, y)); };
        // The line between the columns is where the first one ends, on either side.
        f.grid.SetColumnHeaderGridLineColor(Qt::red);
        const QImage face = Grab(f.grid);
        QCOMPARE(face.pixelColor(at(100, 5)), QColor(Qt::red));
        QCOMPARE(face.pixelColor(at(99, 5)), headerBack);
        QStringList log;
        Record(f.grid, log);
        MouseMove(&f.grid, at(96, 10));
        MousePress(&f.grid, at(96, 10));
        // Where the pointer goes, over the rows, and the width of the first column then.
        for (const QPoint step : {QPoint(146, 150), {478, 482}, {-54, 10}, {-44, 20}}) {
            MouseMove(&f.grid, at(step.x(), 60));
            QCOMPARE(f.grid.Columns().at(0).Width, step.y());
        }
        MouseRelease(&f.grid, at(-44, 60));
        f.grid.SetCanChangeColumnWidth(false);
        MousePress(&f.grid, at(18, 10));
        MouseMove(&f.grid, at(80, 10));
        MouseRelease(&f.grid, at(80, 10));
        QCOMPARE(f.grid.Columns().at(0).Width, 20);
        QCOMPARE(log, QStringList{"header 0"});
    }

    // Rows 0 .. 3 with row 1 hidden: the second line shows row 2, and the signals name rows by
    // their index in Rows. A right click selects and toggles nothing, the header keeps the
    // selection, and a click right of the last column selects the row but reports nothing.
    void clicksAndSignals()
    {
        QFETCH(Qt::LayoutDirection, direction);
        Fixture f({100, 100}, 4);
        f.grid.setLayoutDirection(direction);
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
            Click(f.grid, At(f.grid, direction, pos), button);
            QCOMPARE(f.grid.SelectedRowIndex(), selected);
        }
        // Qt delivers a double click as press, release, double click, release: a check cell
        // toggles once. Right of the last column it names no column.
        for (const QPoint pos : {QPoint(250, 40), QPoint(50, 40)})
            QTest::mouseDClick(f.grid.windowHandle(), Qt::LeftButton, {},
                               At(f.grid, direction, pos));
        f.data->ColumnCount = 1; // check cells of columns the model does not have stay as they are
        Click(f.grid, At(f.grid, direction, QPoint(150, 40)));
        QCOMPARE(log,
                 QStringList({"row 2 0 checked", "row 2 0", "row 3 1 checked", "right", "header 1",
                              "right", "double 0 -1", "row 0 0 checked", "double 0 0", "row 0 1"}));
    }

    // The widget in the first cell deletes the grid, or the grid's parent, from its own event
    // handler or signal (a button's Clicked comes from a release, as the release row's does),
    // with the grid handing it input: the grid reads nothing of itself afterwards. A widget whose
    // Qt parent is the grid goes with the grid, and its cell then holds nothing, so the model does
    // not delete it a second time.
    void deletedFromACellWidget_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("parented");
        QTest::addColumn<Removal>("removal");
        for (const QString trigger : {"Enter", "Leave", "press", "drag", "release", "double click",
                                      "WLineEdit TextChanged", "WLineEdit FocusOut"})
            for (const bool parented : {false, true})
                for (const auto& [removal, name] : Removals())
                    QTest::newRow(qPrintable(
                        QString("%1, %2%3").arg(trigger, parented ? "parented, " : "", name)))
                        << trigger << parented << removal;
    }
    void deletedFromACellWidget()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, parented);
        QFETCH(Removal, removal);
        HostedGrid g;
        int calls = 0;
        const auto remove = [&, w = g.grid.data()] {
            if (calls++ == 0)
                Remove(w, removal);
        };
        WBase* widget = nullptr;
        if (trigger.startsWith("WLineEdit")) {
            auto* edit = new WLineEdit;
            if (trigger.endsWith("TextChanged"))
                connect(edit, &WLineEdit::TextChanged, remove);
            else
                connect(edit, &WLineEdit::FocusOut, remove);
            widget = edit;
        } else {
            const QHash<QString, QEvent::Type> types{{"Enter", QEvent::Enter},
                                                     {"Leave", QEvent::Leave},
                                                     {"press", QEvent::MouseButtonPress},
                                                     {"drag", QEvent::MouseMove},
                                                     {"release", QEvent::MouseButtonRelease},
                                                     {"double click", QEvent::MouseButtonDblClick}};
            auto* probe = new CellProbe;
            probe->trigger = types.value(trigger);
            probe->handler = remove;
            widget = probe;
        }
        if (parented) {
            widget->setParent(g.grid); // kept hidden: the grid shows it, not Qt
            widget->hide();
        }
        widget->SetDock(DockType::Fill);
        g.data.Rows.at(0)->Cells[0] = widget;
        g.grid->UpdateData();
        QVERIFY(g.Show());

        // Everything a user does with the first cell, then the keys and the focus, and last
        // away to the second column. The moves without a button reach the grid as its hover
        // event, sent straight to it: through the window, QApplication reads the hovered grid
        // again once its handler returns (Qt 5 and Qt 6 alike), so a grid deleted in there
        // would be read after it is freed by Qt's own code, whatever the grid does.
        const auto hover = [&](const QPoint& at, const QPoint& from) {
            if (g.grid)
                WexalTest::HoverMove(g.grid, at, from);
        };
        hover(QPoint(50, 40), QPoint(-1, -1));
        QTest::mouseMove(g.Window(), QPoint(50, 40));
        QTest::mousePress(g.Window(), Qt::LeftButton, {}, QPoint(50, 40));
        QTest::mouseMove(g.Window(), QPoint(55, 42));
        QTest::mouseRelease(g.Window(), Qt::LeftButton, {}, QPoint(55, 42));
        QTest::mouseDClick(g.Window(), Qt::LeftButton, {}, QPoint(50, 40));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        g.Send(&key);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
        g.Send(&focusOut);
        hover(QPoint(150, 40), QPoint(50, 40));
        QTest::mouseMove(g.Window(), QPoint(150, 40));
        g.host.Settle();
        QCOMPARE(calls, 1);
        QVERIFY(g.grid.isNull());
    }

    // A line edit in a cell changes the model from its own signals: removing its own row as its
    // text changes, or replacing every row as it loses the focus to the editor of another cell.
    // The grid lets go of the editors that went and keeps working with the new rows.
    void cellEditorChangesTheModel_data()
    {
        QTest::addColumn<bool>("onFocusOut");
        QTest::newRow("TextChanged removes its row") << false;
        QTest::newRow("FocusOut clears and refills the model") << true;
    }
    void cellEditorChangesTheModel()
    {
        QFETCH(bool, onFocusOut);
        HostedGrid g;
        const auto fill = [&] {
            for (WGridListRow* row : qAsConst(g.data.Rows)) {
                auto* edit = new WLineEdit;
                edit->SetDock(DockType::Fill);
                edit->SetBackColor(Qt::white); // so that its text shows on the unstyled grid
                row->Cells[0] = edit;
            }
            g.grid->UpdateData();
        };
        fill();
        auto* first = static_cast<WLineEdit*>(g.data.Rows.at(0)->Cells[0].Widget());
        int calls = 0;
        if (onFocusOut) {
            connect(first, &WLineEdit::FocusOut, [&] {
                ++calls;
                g.data.Clear();
                g.data.AddRow(g.data.CreateRow());
                g.data.AddRow(g.data.CreateRow());
                fill();
            });
        } else {
            connect(first, &WLineEdit::TextChanged, [&] {
                ++calls;
                g.data.RemoveRow(0);
                g.grid->UpdateData();
            });
        }
        QVERIFY(g.Show());
        QTest::mouseClick(g.Window(), Qt::LeftButton, {}, QPoint(50, 40));
        QCOMPARE(g.grid->FocusedEditor(), first);
        if (onFocusOut)
            QTest::mouseClick(g.Window(), Qt::LeftButton, {}, QPoint(50, 60)); // the second row
        else
            QTest::keyClicks(g.grid, "ab"); // the b finds no editor
        QCOMPARE(calls, 1);
        QCOMPARE(g.grid->FocusedEditor(), nullptr);
        QCOMPARE(g.data.Rows.size(), onFocusOut ? 2 : 1);
        // The editor now in that line takes the focus and the keys, and has the grid repaint as
        // its text changes: the grid's key handling repaints nothing itself. The screen shows
        // what the last paint left there, unlike a grab, which paints afresh.
        const int line = onFocusOut ? 1 : 0;
        const auto shown = [&] {
            QCoreApplication::processEvents();
            return g.grid->screen()
                ->grabWindow(g.host.window.winId(), 0, 30 + 20 * line, 100, 20)
                .toImage();
        };
        QTest::mouseClick(g.Window(), Qt::LeftButton, {}, QPoint(50, 40 + 20 * line));
        const QImage before = shown();
        QTest::keyClicks(g.grid, "xy");
        QVERIFY(shown() != before);
        const auto* now = qobject_cast<WLineEdit*>(g.grid->FocusedEditor());
        QVERIFY(now);
        QCOMPARE(now, g.data.Rows.at(onFocusOut ? 1 : 0)->Cells[0].Widget());
        QCOMPARE(now->Text(), QString("xy"));
    }
};

WEXAL_TEST_MAIN(TestWGridListInput)
#include "tst_wgridlistinput.moc"
