// The grid list's view: the first visible row for a scroll offset, and what a paint
// shows, read back from grabs of a shown grid; its text cache where the cache
// contract (tst_cachecontract) does not reach: grids paint their cells through it; and its
// model: cells assigned every way, the widgets cells own, rows sorted and removed, also beyond
// the ends.
#include "GridListTestSupport.h"
#include "WGridListRowLocator_p.h"
#include "WGridListTextCache_p.h"
#include "WTestSuite.h"

#include <tuple>

using Cell = WGridListCell;
using Assign = std::function<void(Cell&)>;

// Images that outlive every cell pointing at them.
static QImage imageA(4, 4, QImage::Format_ARGB32), imageB(2, 2, QImage::Format_ARGB32);

// A model of the given column count whose rows hold the given cells, column by column.
static std::unique_ptr<WGridListData> MakeModel(int columns, const QList<Assign>& cells)
{
    auto data = std::make_unique<WGridListData>(columns);
    for (int i = 0; i < cells.size(); ++i) {
        if (i % columns == 0)
            data->AddRow(data->CreateRow());
        cells.at(i)(data->Rows.last()->Cells[i % columns]);
    }
    return data;
}

// The texts of one column; short and null rows give an empty text.
static QStringList Column(const WGridListData& data, int column)
{
    QStringList texts;
    for (const WGridListRow* row : data.Rows)
        texts << (row && column < row->CellCount() ? row->Cells[column].Text : QString());
    return texts;
}

// Assigns value to a cell, with the operator= overload its type picks.
template <typename T> static Assign Set(T value)
{
    return [value](Cell& c) { c = value; };
}

using namespace GridTest;

class TestWGridList : public QObject
{
    Q_OBJECT

private slots:
    // Row heights of 0 or less (the offset is divided by the height) and INT_MAX, which the
    // random-input run seldom writes, at offsets that jump to the ends of int and back: the
    // locator gives the walk's answer, over rows all visible or with some (the first among them)
    // hidden, counted or not. The random-input run compares the two at ordinary heights.
    void rowLocatorAtExtremeHeights()
    {
        for (const bool hideSome : {false, true}) {
            WGridListData data(1);
            for (int i = 0; i < 50; ++i)
                data.AddRow(hideSome && i % 7 == 0 ? nullptr : data.CreateRow());
            for (const int height : {0, -7, INT_MAX, 13}) {
                for (const bool counted : {true, false}) {
                    WGridListRowLocator locator;
                    if (counted)
                        locator.CountVisible(data.Rows);
                    for (const int v : {0, 500, INT_MAX, 12, INT_MIN, 13, -1, 649, 650}) {
                        const auto at = locator.Locate(data.Rows, height, v);
                        QCOMPARE(qMakePair(at.row, at.offset), Walk(data.Rows, height, v));
                    }
                }
            }
        }
    }

    // Parity is the index in Rows: row 1 in SingleRowBackColor even when row 0 is hidden and
    // row 1 is drawn first; row 2, selected, in the selection's colour. (Which row comes first
    // once UpdateData has forgotten where the rows were: the random-input run.)
    void rowColours()
    {
        Fixture f({100, 100}, 3);
        f.data->Rows.at(0)->Visible = false;
        f.grid.UpdateData();
        f.grid.SetSelectedRow(f.data->Rows.at(2));
        f.Show(QSize(300, 200));
        const QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(250, headerHeight + 10), singleRow);
        QCOMPARE(image.pixelColor(250, headerHeight + rowHeight + 10), selectedRow);
    }

    // The application owns the model and the cell widgets and may delete them while the grid
    // shows them: the grid stops using a deleted model at once and sees a deleted cell widget as
    // an empty cell. (Cell widgets whose Qt parent is the grid, gone with the grid, the input
    // tests delete in every way.) Rows 0 and 1 hold a line edit and a button; the line edit
    // has the grid's keys and the button the pointer when the mistake is made.
    void applicationDeletesWhatItOwns_data()
    {
        QTest::addColumn<QString>("mistake");
        QTest::newRow("model deleted") << "model";
        QTest::newRow("hovered cell widget deleted") << "button";
        QTest::newRow("focused cell editor deleted") << "editor";
    }
    void applicationDeletesWhatItOwns()
    {
        QFETCH(QString, mistake);
        Fixture f({100, 100}, 3);
        WGridList& grid = f.grid;
        QPointer<WLineEdit> edit = new WLineEdit;
        QPointer<WButton> button = new WButton;
        edit->SetDock(DockType::Fill);
        button->SetDock(DockType::Fill);
        f.data->Rows.at(0)->Cells[0] = edit.data();
        f.data->Rows.at(1)->Cells[0] = button.data();
        grid.UpdateData();
        f.Show(QSize(300, 200));
        QTest::mouseClick(grid.windowHandle(), Qt::LeftButton, {}, QPoint(50, 40));
        QTest::mouseMove(grid.windowHandle(), QPoint(50, 60));
        QCOMPARE(grid.FocusedEditor(), edit.data());
        grid.SetSelectedRow(f.data->Rows.at(2));

        if (mistake == "model") {
            f.data.reset();
            QCOMPARE(grid.DataSource(), nullptr);
            QCOMPARE(grid.SelectedRow(), nullptr);
            QCOMPARE(grid.ScrollSize().height(), 0);
        } else if (mistake == "button") {
            delete button.data();
            QCOMPARE(f.data->Rows.at(1)->Cells[0].Widget(), nullptr);
        } else {
            delete edit.data();
            QCOMPARE(f.data->Rows.at(0)->Cells[0].Widget(), nullptr);
        }
        QCOMPARE(grid.FocusedEditor(), mistake == "button" ? edit.data() : nullptr);
        // The grid goes on painting and taking input; a deleted widget leaves its cell in the
        // row's colour and a click there selects the row.
        const int y = mistake == "editor" ? 40 : 60;
        const QColor colours[] = {back, doubleRow, singleRow};
        QCOMPARE(Grab(grid).pixelColor(50, y), colours[mistake == "model" ? 0 : y == 40 ? 1 : 2]);
        QTest::keyClick(&grid, Qt::Key_A);
        QTest::mouseMove(grid.windowHandle(), QPoint(50, y));
        QTest::mouseClick(grid.windowHandle(), Qt::LeftButton, {}, QPoint(50, y));
        QCOMPARE(grid.SelectedRowIndex(), mistake == "model" ? -1 : y == 40 ? 0 : 1);
    }

    // Cell texts, drawn from the cache, look exactly as drawText puts them centred in the
    // cell, whatever the parity of the cell's size, the text or the row's pen, drawn afresh
    // into the cache (the first grid) or found there (the last).
    void textAsDrawTextDrawsIt()
    {
        WGridListTextCache().Clear();
        const QStringList texts =
            QString::fromUtf8("Order #0012|Lisbon|Grüße 漢字|a\tb|two\nlines|&Save").split('|')
            << QString(300, 'x');
        const QVector<int> widths{101, 96, 75, 60, 83, 70, 44};
        for (const int height : {20, 23, 20}) {
            Fixture f(widths, 3);
            f.grid.SetRowHeight(height);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < texts.size(); ++c)
                    f.data->Rows.at(r)->Cells[c] = texts.at((c + r) % texts.size());
            f.grid.SetLockedRow(f.data->Rows.at(1));
            f.Show(QSize(560, 160));
            const QImage image = Grab(f.grid);
            QImage expected = image; // at the widget's resolution, which a QImage need not have
            expected.setDotsPerMeterX(qRound(f.grid.logicalDpiX() / 0.0254));
            expected.setDotsPerMeterY(qRound(f.grid.logicalDpiY() / 0.0254));
            QPainter p(&expected);
            p.setFont(f.grid.font());
            for (int r = 0, x = 0; r < 3; ++r, x = 0) {
                p.fillRect(0, headerHeight + r * height, 560, height,
                           r % 2 ? singleRow : doubleRow);
                p.setPen(r == 1 ? lockedFore : rowFore);
                for (int c = 0; c < texts.size(); x += widths.at(c++))
                    p.drawText(QRect(x, headerHeight + r * height, widths.at(c), height),
                               Qt::AlignCenter | Qt::TextSingleLine, texts.at((c + r) % 7));
            }
            p.end();
            const QRect rows(0, headerHeight, 529, 3 * height);
#if QT_VERSION_MAJOR >= 6
            // Qt 6 blends a glyph's antialiased edge into the transparent cache image and that
            // image onto the row with a rounding of its own: a few edge pixels come out one
            // colour level away from the glyph drawn straight onto the row. Anything misplaced,
            // clipped or in the wrong colour is many levels away. Under Qt 5 they are equal.
            const int difference = LargestChannelDifference(image.copy(rows), expected.copy(rows));
            QVERIFY2(difference >= 0 && difference <= 1, qPrintable(QString::number(difference)));
#else
            QCOMPARE(image.copy(rows), expected.copy(rows));
#endif
        }
    }

    // A widget cell deletes its widget with its row, wherever the row goes; images are never
    // deleted (the sanitizer would see that).
    void widgetOwnership()
    {
        QPointer<WTest> widget;
        const Assign own = [&](Cell& c) { c = (widget = new WTest).data(); };
        auto data = MakeModel(2, {Set("key"), Set(&imageA)});
        own(data->Rows[0]->Cells[0]);
        QCOMPARE(data->Rows[0]->Cells[0].Text, QStringLiteral("key"));
        QCOMPARE(data->Rows[0]->Cells[0].Widget(), widget.data());
        data->RemoveRow(0);
        QVERIFY(widget.isNull());
        data = MakeModel(1, {own});
        data->AddRow(nullptr); // Clear skips null entries
        data->Clear();
        QVERIFY(widget.isNull() && data->Rows.isEmpty());
        data = MakeModel(1, {own});
        data.reset();
        QVERIFY(widget.isNull());
        // A null widget is none to follow: a second one does not reach back into the first's
        // freed cell.
        data = MakeModel(1, {Set(static_cast<const WBase*>(nullptr))});
        data.reset();
        data = MakeModel(1, {Set(static_cast<const WBase*>(nullptr))});
        // A cell that turned into something else gives its widget back: the row does not delete
        // it (the sanitizer would see a second delete) and its deletion leaves the cell as it is.
        for (const Assign& away : {Set("x"), Set(7), Set(true), Set(&imageA), Set(new WTest)}) {
            data = MakeModel(1, {[&](Cell& c) { own(c), away(c); }});
            const Cell& cell = data->Rows[0]->Cells[0];
            const auto fields = [&] {
                return std::make_tuple(cell.Type, cell.Text, cell.Value.Check);
            };
            const auto before = fields();
            QVERIFY(!widget.isNull());
            delete widget.data();
            QVERIFY(fields() == before);
        }
    }

    // UpdateData fits every filling cell widget to its column's width and the row height, in
    // rows of any length; CellControlLayout refits one column and leaves the others.
    void cellWidgetsFitTheirColumns()
    {
        Fixture f({40, 60, 80}, 2);
        f.data->AddRow(new WGridListRow(1)); // shorter than the model
        f.data->AddRow(nullptr);
        f.data->AddRow(f.data->CreateRow());
        QList<QPointer<WTest>> widgets; // row by row, cell by cell
        for (WGridListRow* row : qAsConst(f.data->Rows)) {
            for (int c = 0; row && c < row->CellCount(); ++c) {
                auto* widget = new WTest;
                widget->resize(5, 5);
                widget->SetDock(c == 2 && row == f.data->Rows.first() ? DockType::None
                                                                      : DockType::Fill);
                row->Cells[c] = widget;
                widgets << widget;
            }
        }
        f.grid.UpdateData();
        const auto sizes = [&] {
            QList<QSize> all;
            for (const QPointer<WTest>& w : qAsConst(widgets))
                all << (w ? w->size() : QSize());
            return all;
        };
        const QSize a(40, rowHeight), b(60, rowHeight), c(80, rowHeight), kept(5, 5);
        QCOMPARE(sizes(), (QList<QSize>{a, b, kept, a, b, c, a, a, b, c}));
        f.grid.SetColumnWidth({40, 30, 20});
        f.grid.CellControlLayout(1);
        const QSize b2(30, rowHeight);
        QCOMPARE(sizes(), (QList<QSize>{a, b2, kept, a, b2, c, a, a, b2, c}));
        f.grid.CellControlLayout(-1); // outside the columns: nothing
        f.grid.CellControlLayout(3);
        QCOMPARE(sizes(), (QList<QSize>{a, b2, kept, a, b2, c, a, a, b2, c}));
    }

    // The application deletes a widget that a cell still names, or hands one widget to two
    // cells: the cell reads empty instead of naming freed memory, and the row deletes every
    // widget it still owns exactly once (the sanitizer would see a second delete). The steps
    // assign widget one or two to cell a or b, delete one, or delete a parent given to one.
    // Afterwards, cell a names widget held (1 or 2; 0: no widget).
    void cellForgetsADeletedWidget_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("held");
        QTest::newRow("deleted") << QStringList{"a=one", "delete one"} << 0;
        QTest::newRow("its parent deleted")
            << QStringList{"parent one", "a=one", "delete parent"} << 0;
        QTest::newRow("moved to another cell") << QStringList{"a=one", "b=one"} << 0;
        QTest::newRow("moved back") << QStringList{"a=one", "b=one", "a=one"} << 1;
        QTest::newRow("assigned twice") << QStringList{"a=one", "a=one"} << 1;
        QTest::newRow("replaced, the old one deleted")
            << QStringList{"a=one", "a=two", "delete one"} << 2;
        QTest::newRow("deleted, another assigned")
            << QStringList{"a=one", "delete one", "a=two"} << 2;
    }
    void cellForgetsADeletedWidget()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, held);
        auto* row = new WGridListRow(2);
        const QPointer<WTest> one = new WTest, two = new WTest;
        QWidget* parent = nullptr;
        for (const QString& step : steps) {
            WTest* widget = step.endsWith("one") ? one.data() : two.data();
            if (step.startsWith("parent"))
                widget->setParent(parent = new QWidget);
            else if (step == "delete parent")
                delete parent;
            else if (step.startsWith("delete"))
                delete widget;
            else
                row->Cells[step.startsWith('a') ? 0 : 1] = widget;
        }
        const WTest* expected[] = {nullptr, one, two};
        QCOMPARE(row->Cells[0].Widget(), expected[held]);
        delete row;
        delete one.data(); // those the cells gave back to the application
        delete two.data();
    }

    // The remembered column starts at 1, so the first Sort(1) is descending; a new column sorts
    // ascending. The keys probe the sort's packed eight-unit prefix against QString's order.
    void sortDirection_data()
    {
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<bool>("descending");
        QTest::newRow("fresh Sort(1)") << QList<int>{1} << true;
        QTest::newRow("Sort(1) twice") << QList<int>{1, 1} << false;
        QTest::newRow("fresh Sort(0)") << QList<int>{0} << false;
        QTest::newRow("Sort(0) twice") << QList<int>{0, 0} << true;
        QTest::newRow("back to an old column") << QList<int>{0, 1, 0} << false;
        QTest::newRow("invalid calls between") << QList<int>{0, -1, 2, INT_MAX, 0} << true;
    }
    void sortDirection()
    {
        QFETCH(QList<int>, columns);
        QFETCH(bool, descending);
        const QString nul(QChar(0)), top(QChar(0xFFFF));
        QList<Assign> cells;
        for (const QString& key :
             QStringList{"abcdefgh", "abcdefg" + nul, "ab", "abcdefghi", top, "b", "abcdefgh" + nul,
                         "abcdefgH", "abcdefgh" + top, "", "ab" + nul})
            cells << Set(key) << Set(QString::number(cells.size()));
        auto data = MakeModel(2, cells);
        for (int column : columns)
            data->Sort(column);
        QCOMPARE(data->SortDescending, descending);
        QStringList keys = Column(*data, columns.last());
        std::sort(keys.begin(), keys.end(),
                  [&](auto& a, auto& b) { return descending ? b < a : a < b; });
        QCOMPARE(Column(*data, columns.last()), keys);
    }

    // Integers sort as their decimal text, and byte strings are read as UTF-8; check, image and
    // widget cells by the text they held, whatever their value. Short and null rows sort as an
    // empty text. Rows removed and columns sorted beyond the ends change nothing.
    void sortAndRemoveRows()
    {
        auto data = MakeModel(
            2, {Set(9), Set("c"), Set(100), Set("a"), Set(-5), Set("\xc3\xa9"), Set(10), Set("b")});
        for (int outside : {-1, 4, INT_MIN, INT_MAX}) {
            data->RemoveRow(outside);
            data->Sort(outside);
        }
        QCOMPARE(Column(*data, 0), QStringList({"9", "100", "-5", "10"}));
        data->Rows[0]->Cells[1] = new WTest;
        data->Rows[1]->Cells[1] = true;
        data->Rows[2]->Cells[1] = false; // by value, "é" would come before "a"
        data->Rows[3]->Cells[1] = &imageA;
        data->Sort(0);
        QCOMPARE(Column(*data, 0), QStringList({"-5", "10", "100", "9"}));
        data->AddRow(new WGridListRow(1));
        data->AddRow(nullptr);
        data->Sort(1);
        QCOMPARE(Column(*data, 1), QStringList({"", "", "a", "b", "c", QString(QChar(0xE9))}));
        data->RemoveRow(5);
        data->RemoveRow(0);
        QCOMPARE(Column(*data, 1), QStringList({"", "a", "b", "c"}));
        WGridListData empty(-3); // taken as no columns
        QCOMPARE(std::unique_ptr<WGridListRow>(empty.CreateRow())->CellCount(), 0);
    }
};

WEXAL_TEST_MAIN(TestWGridList)
#include "tst_wgridlist.moc"
