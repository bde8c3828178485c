#include "WTestSuite.h"

#include <tuple>

using Cell = WGridListCell;
using Assign = std::function<void(Cell&)>;
Q_DECLARE_METATYPE(Assign)
// What the application does to two cells of one row and two widgets it made.
using Mistake = std::function<void(Cell& a, Cell& b, WTest* one, WTest* two)>;
Q_DECLARE_METATYPE(Mistake)

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

class tst_WGridListData : public QObject
{
    Q_OBJECT

private slots:
    // Every cell starts as an image cell with the text "old", then takes one assignment.
    void assignmentForms_data()
    {
        QTest::addColumn<Assign>("assign");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quintptr>("value");
        const auto row = [](const char* name, Assign a, int type, const char* text, quintptr v) {
            QTest::newRow(name) << a << type << QString::fromUtf8(text) << v;
        };
        row("QString keeps Value", Set(QStringLiteral("new")), 0, "new", quintptr(&imageA));
        row("UTF-8 literal: text, not check", Set("h\xc3\xa9"), 0, "h\xc3\xa9", quintptr(&imageA));
        row("int clears Value", Set(INT_MIN), 0, "-2147483648", 0);
        row("true keeps Text", Set(true), 2, "old", 1);
        row("another image", Set(&imageB), 1, "old", quintptr(&imageB));
        row("null widget", Set(static_cast<const WBase*>(nullptr)), 3, "old", 0);
    }
    void assignmentForms()
    {
        QFETCH(Assign, assign);
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(quintptr, value);
        Cell cell;
        cell = "old";
        cell = &imageA;
        assign(cell);
        QCOMPARE(cell.Type, type);
        QCOMPARE(cell.Text, text);
        QCOMPARE(cell.Value.Check, value);
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

    // The application deletes a widget that a cell still names, or hands one widget to two
    // cells: the cell reads empty instead of naming freed memory, and the row deletes every
    // widget it still owns exactly once (the sanitizer would see a second delete). Afterwards,
    // cell a names widget held (1 or 2; 0: no widget).
    void cellForgetsADeletedWidget_data()
    {
        QTest::addColumn<Mistake>("mistake");
        QTest::addColumn<int>("held");
        QTest::newRow("deleted") << Mistake([](Cell& a, Cell&, WTest* one, WTest*) {
            a = one;
            delete one;
        }) << 0;
        QTest::newRow("its parent deleted") << Mistake([](Cell& a, Cell&, WTest* one, WTest*) {
            auto* parent = new QWidget;
            one->setParent(parent);
            a = one;
            delete parent;
        }) << 0;
        QTest::newRow("moved to another cell")
            << Mistake([](Cell& a, Cell& b, WTest* one, WTest*) { a = one, b = one; }) << 0;
        QTest::newRow("moved back")
            << Mistake([](Cell& a, Cell& b, WTest* one, WTest*) { a = one, b = one, a = one; })
            << 1;
        QTest::newRow("assigned twice")
            << Mistake([](Cell& a, Cell&, WTest* one, WTest*) { a = one, a = one; }) << 1;
        QTest::newRow("replaced, the old one deleted")
            << Mistake([](Cell& a, Cell&, WTest* one, WTest* two) {
                   a = one, a = two;
                   delete one;
               })
            << 2;
        QTest::newRow("deleted, another assigned")
            << Mistake([](Cell& a, Cell&, WTest* one, WTest* two) {
                   a = one;
                   delete one;
                   a = two;
               })
            << 2;
    }
    void cellForgetsADeletedWidget()
    {
        QFETCH(Mistake, mistake);
        QFETCH(int, held);
        auto* row = new WGridListRow(2);
        const QPointer<WTest> one = new WTest, two = new WTest;
        mistake(row->Cells[0], row->Cells[1], one, two);
        const WTest* expected[] = {nullptr, one, two};
        QCOMPARE(row->Cells[0].Widget(), expected[held]);
        delete row;
        delete one.data(); // those the cells gave back to the application
        delete two.data();
    }

    void removeRowAndSortBeyondTheEnds()
    {
        auto data = MakeModel(1, {Set("m"), Set("b"), Set("x"), Set("a")});
        for (int outside : {-1, 4, INT_MIN, INT_MAX}) {
            data->RemoveRow(outside);
            data->Sort(outside);
        }
        QCOMPARE(Column(*data, 0), QStringList({"m", "b", "x", "a"}));
        data->RemoveRow(3);
        data->RemoveRow(0);
        QCOMPARE(Column(*data, 0), QStringList({"b", "x"}));
        WGridListData empty(-3); // taken as no columns
        QCOMPARE(std::unique_ptr<WGridListRow>(empty.CreateRow())->CellCount(), 0);
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

    // Integers sort as their decimal text; check, image and widget cells by the text they
    // held, whatever their value. Short and null rows sort as an empty text.
    void cellsSortByTheirText()
    {
        auto data = MakeModel(
            2, {Set(9), Set("c"), Set(100), Set("a"), Set(-5), Set("d"), Set(10), Set("b")});
        data->Rows[0]->Cells[1] = new WTest;
        data->Rows[1]->Cells[1] = true;
        data->Rows[2]->Cells[1] = false; // by value, "d" would come before "a"
        data->Rows[3]->Cells[1] = &imageA;
        data->Sort(0);
        QCOMPARE(Column(*data, 0), QStringList({"-5", "10", "100", "9"}));
        data->AddRow(new WGridListRow(1));
        data->AddRow(nullptr);
        data->Sort(1);
        QCOMPARE(Column(*data, 1), QStringList({"", "", "a", "b", "c", "d"}));
    }
};

WEXAL_TEST_MAIN(tst_WGridListData)
#include "tst_wgridlistdata.moc"
