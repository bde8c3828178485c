#include "WGridListCell.h"
#include "WGridListColumn.h"
#include "WGridListData.h"
#include "WGridListRow.h"
#include "WTest.h"

#include <QImage>
#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>

using Assign = std::function<void(WGridListCell&)>;
Q_DECLARE_METATYPE(Assign)

namespace {

// Images that live as long as the test, so rows can point at them from _data() tables.
QImage& ImageA()
{
    static QImage image(4, 4, QImage::Format_ARGB32);
    return image;
}
QImage& ImageB()
{
    static QImage image(2, 2, QImage::Format_ARGB32);
    return image;
}

// A model of two columns whose column 0 holds the given keys, in order, and whose column 1
// numbers the rows, so that the rows can be told apart after a sort.
std::unique_ptr<WGridListData> MakeModel(const QStringList& keys)
{
    auto data = std::make_unique<WGridListData>(2);
    for (int i = 0; i < keys.size(); ++i) {
        WGridListRow* row = data->CreateRow();
        row->Cells[0] = keys.at(i);
        row->Cells[1] = i;
        data->AddRow(row);
    }
    return data;
}

QStringList Column(const WGridListData& data, int column)
{
    QStringList texts;
    for (const WGridListRow* row : data.Rows)
        texts << (row ? row->Cells[column].Text : QStringLiteral("<null>"));
    return texts;
}

QStringList Sorted(QStringList keys, bool descending)
{
    if (descending)
        std::sort(keys.begin(), keys.end(),
                  [](const QString& a, const QString& b) { return b < a; });
    else
        std::sort(keys.begin(), keys.end(),
                  [](const QString& a, const QString& b) { return a < b; });
    return keys;
}

} // namespace

class TestWGridListData : public QObject
{
    Q_OBJECT

private slots:
    void freshObjects()
    {
        const WGridListColumn column;
        QCOMPARE(column.Width, 30);
        QVERIFY(column.Text.isEmpty());
        const WGridListColumn titled(120, QStringLiteral("Name"));
        QCOMPARE(titled.Width, 120);
        QCOMPARE(titled.Text, QStringLiteral("Name"));

        const WGridListCell cell;
        QCOMPARE(cell.Type, 0);
        QVERIFY(cell.Text.isEmpty());
        QCOMPARE(cell.Value.Check, quintptr(0));
        QVERIFY(!cell.IsChecked());
        QVERIFY(!cell.Image());
        QVERIFY(!cell.Widget());

        const WGridListData data(4);
        QCOMPARE(data.SortColumn, 1);
        QCOMPARE(data.SortDescending, false);
        QVERIFY(data.Rows.isEmpty());
        QCOMPARE(data.ColumnCount, 4);
        QCOMPARE(data.ShowRows, true);

        std::unique_ptr<WGridListRow> row(data.CreateRow());
        QVERIFY(data.Rows.isEmpty()); // made, not added
        QCOMPARE(row->CellCount(), 4);
        QCOMPARE(row->Visible, true);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(row->Cells[i].Type, 0);
            QVERIFY(row->Cells[i].Text.isEmpty());
            QCOMPARE(row->Cells[i].Value.Check, quintptr(0));
        }
    }

    void negativeCountsMakeEmptyRows()
    {
        const WGridListData data(-3);
        QCOMPARE(data.ColumnCount, 0);
        std::unique_ptr<WGridListRow> row(data.CreateRow());
        QCOMPARE(row->CellCount(), 0);
        QCOMPARE(row->Cells, nullptr);
        const WGridListRow odd(INT_MIN);
        QCOMPARE(odd.CellCount(), 0);
    }

    // Every cell starts as an image cell with the text "old", then takes one assignment.
    void assignmentForms_data()
    {
        QTest::addColumn<Assign>("assign");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quintptr>("value");
        const quintptr oldValue = quintptr(&ImageA());

        QTest::newRow("QString keeps Value")
            << Assign([](WGridListCell& c) { c = QStringLiteral("new"); }) << 0
            << QStringLiteral("new") << oldValue;
        QTest::newRow("empty QString")
            << Assign([](WGridListCell& c) { c = QString(); }) << 0 << QString() << oldValue;
        QTest::newRow("UTF-8 literal is text, not a check")
            << Assign([](WGridListCell& c) { c = "h\xc3\xa9llo"; }) << 0
            << QString::fromUtf8("h\xc3\xa9llo") << oldValue;
        QTest::newRow("int clears Value")
            << Assign([](WGridListCell& c) { c = 42; }) << 0 << QStringLiteral("42") << quintptr(0);
        QTest::newRow("negative int")
            << Assign([](WGridListCell& c) { c = -7; }) << 0 << QStringLiteral("-7") << quintptr(0);
        QTest::newRow("INT_MIN") << Assign([](WGridListCell& c) { c = INT_MIN; }) << 0
                                 << QStringLiteral("-2147483648") << quintptr(0);
        QTest::newRow("INT_MAX") << Assign([](WGridListCell& c) { c = INT_MAX; }) << 0
                                 << QStringLiteral("2147483647") << quintptr(0);
        QTest::newRow("true keeps Text") << Assign([](WGridListCell& c) { c = true; }) << 2
                                         << QStringLiteral("old") << quintptr(1);
        QTest::newRow("false keeps Text") << Assign([](WGridListCell& c) { c = false; }) << 2
                                          << QStringLiteral("old") << quintptr(0);
        QTest::newRow("another image")
            << Assign([](WGridListCell& c) { c = static_cast<const QImage*>(&ImageB()); }) << 1
            << QStringLiteral("old") << quintptr(&ImageB());
        QTest::newRow("null image")
            << Assign([](WGridListCell& c) { c = static_cast<const QImage*>(nullptr); }) << 1
            << QStringLiteral("old") << quintptr(0);
        QTest::newRow("null widget")
            << Assign([](WGridListCell& c) { c = static_cast<const WBase*>(nullptr); }) << 3
            << QStringLiteral("old") << quintptr(0);
    }
    void assignmentForms()
    {
        QFETCH(Assign, assign);
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(quintptr, value);

        WGridListCell cell;
        cell = QStringLiteral("old");
        cell = static_cast<const QImage*>(&ImageA());
        QCOMPARE(cell.Type, 1);
        assign(cell);
        QCOMPARE(cell.Type, type);
        QCOMPARE(cell.Text, text);
        QCOMPARE(cell.Value.Check, value);
        // The typed reads answer only for their own type.
        QCOMPARE(cell.IsChecked(), type == 2 && value != 0);
        QCOMPARE(cell.Image(), type == 1 ? reinterpret_cast<const QImage*>(value) : nullptr);
        QCOMPARE(cell.Widget(), type == 3 ? reinterpret_cast<WBase*>(value) : nullptr);
    }

    void widgetAssignmentKeepsTextAndTakesOwnership()
    {
        QPointer<WTest> widget = new WTest;
        {
            WGridListCell cell;
            cell = QStringLiteral("sort key");
            cell = widget.data();
            QCOMPARE(cell.Type, 3);
            QCOMPARE(cell.Text, QStringLiteral("sort key"));
            QCOMPARE(cell.Widget(), widget.data());
            QCOMPARE(cell.Value.Widget, widget.data());
        }
        QVERIFY(widget.isNull());
    }

    void widgetCellsDieWithTheirRow()
    {
        // Deleting the row directly, from the model (RemoveRow, Clear) and with the model.
        const auto makeRow = [](const WGridListData& data, QPointer<WTest>& widget) {
            WGridListRow* row = data.CreateRow();
            widget = new WTest;
            row->Cells[1] = widget.data();
            row->Cells[2] = static_cast<const QImage*>(&ImageA());
            return row;
        };
        QPointer<WTest> widget;
        auto data = std::make_unique<WGridListData>(3);

        delete makeRow(*data, widget);
        QVERIFY(widget.isNull());

        data->AddRow(makeRow(*data, widget));
        data->RemoveRow(0);
        QVERIFY(widget.isNull());
        QVERIFY(data->Rows.isEmpty());

        data->AddRow(makeRow(*data, widget));
        data->AddRow(nullptr); // Clear skips null entries
        data->Clear();
        QVERIFY(widget.isNull());
        QVERIFY(data->Rows.isEmpty());

        data->AddRow(makeRow(*data, widget));
        data.reset();
        QVERIFY(widget.isNull());

        // The cells never touched the image.
        QCOMPARE(ImageA().size(), QSize(4, 4));
    }

    void cellsAreDestroyedLastToFirst()
    {
        QStringList order;
        auto* row = new WGridListRow(3);
        for (int i = 0; i < 3; ++i) {
            auto* w = new WTest;
            connect(w, &QObject::destroyed, this, [&order, i] { order << QString::number(i); });
            row->Cells[i] = w;
        }
        delete row;
        QCOMPARE(order, QStringList({"2", "1", "0"}));
    }

    // Only the type at destruction counts: a cell turned into anything else lets go.
    void changingTypeAwayFromWidgetReleasesIt_data()
    {
        QTest::addColumn<Assign>("assign");
        QTest::newRow("text") << Assign([](WGridListCell& c) { c = QStringLiteral("x"); });
        QTest::newRow("int") << Assign([](WGridListCell& c) { c = 5; });
        QTest::newRow("check") << Assign([](WGridListCell& c) { c = true; });
        QTest::newRow("image") << Assign(
            [](WGridListCell& c) { c = static_cast<const QImage*>(&ImageA()); });
        QTest::newRow("null widget")
            << Assign([](WGridListCell& c) { c = static_cast<const WBase*>(nullptr); });
        // The replacement is owned (and deleted with the row); the first widget is not.
        QTest::newRow("another widget") << Assign([](WGridListCell& c) { c = new WTest; });
    }
    void changingTypeAwayFromWidgetReleasesIt()
    {
        QFETCH(Assign, assign);
        QPointer<WTest> widget = new WTest;
        {
            WGridListRow row(1);
            row.Cells[0] = widget.data();
            assign(row.Cells[0]);
        }
        QVERIFY(!widget.isNull());
        delete widget.data();
    }

    void removeRow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("left");
        const QStringList all{"a", "b", "c", "d"};
        QTest::newRow("first") << 0 << QStringList{"b", "c", "d"};
        QTest::newRow("middle") << 2 << QStringList{"a", "b", "d"};
        QTest::newRow("last") << 3 << QStringList{"a", "b", "c"};
        QTest::newRow("count") << 4 << all;
        QTest::newRow("-1") << -1 << all;
        QTest::newRow("INT_MIN") << INT_MIN << all;
        QTest::newRow("INT_MAX") << INT_MAX << all;
    }
    void removeRow()
    {
        QFETCH(int, index);
        QFETCH(QStringList, left);
        auto data = MakeModel({"a", "b", "c", "d"});
        data->RemoveRow(index);
        QCOMPARE(Column(*data, 0), left);
    }

    void removeRowAndClearOnAnEmptyModel()
    {
        WGridListData data(2);
        data.RemoveRow(0);
        data.RemoveRow(-1);
        data.Clear();
        QVERIFY(data.Rows.isEmpty());
        data.Sort(0);
        QVERIFY(data.Rows.isEmpty());
    }

    // The direction rule: the remembered column starts at 1, so the first Sort(1) is descending.
    void sortDirectionSequence_data()
    {
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<bool>("descending");
        QTest::newRow("fresh Sort(1)") << QList<int>{1} << true;
        QTest::newRow("Sort(1) twice") << QList<int>{1, 1} << false;
        QTest::newRow("fresh Sort(0)") << QList<int>{0} << false;
        QTest::newRow("Sort(0) twice") << QList<int>{0, 0} << true;
        QTest::newRow("Sort(0) three times") << QList<int>{0, 0, 0} << false;
        QTest::newRow("new column resets") << QList<int>{0, 0, 1} << false;
        QTest::newRow("back to an old column") << QList<int>{0, 1, 0} << false;
        QTest::newRow("invalid calls in between") << QList<int>{0, -1, 2, INT_MAX, 0} << true;
    }
    void sortDirectionSequence()
    {
        QFETCH(QList<int>, columns);
        QFETCH(bool, descending);
        const QStringList keys{"m", "b", "x", "a", "q"};
        auto data = MakeModel(keys);
        // Column 1 holds the row numbers 0..4 as text, which sort like numbers here.
        for (int column : columns)
            data->Sort(column);
        QCOMPARE(data->SortColumn, columns.last() == 1 ? 1 : 0);
        QCOMPARE(data->SortDescending, descending);
        const int column = data->SortColumn;
        QCOMPARE(Column(*data, column), Sorted(Column(*data, column), descending));
    }

    void sortOutsideTheColumnsChangesNothing_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("-1") << -1;
        QTest::newRow("ColumnCount") << 2;
        QTest::newRow("INT_MIN") << INT_MIN;
        QTest::newRow("INT_MAX") << INT_MAX;
    }
    void sortOutsideTheColumnsChangesNothing()
    {
        QFETCH(int, column);
        const QStringList keys{"m", "b", "x", "a"};
        auto data = MakeModel(keys);
        data->Sort(column);
        QCOMPARE(Column(*data, 0), keys);
        QCOMPARE(data->SortColumn, 1);
        QCOMPARE(data->SortDescending, false);
        data->Sort(0);
        data->Sort(column);
        QCOMPARE(data->SortColumn, 0);
        QCOMPARE(data->SortDescending, false);
        QCOMPARE(Column(*data, 0), Sorted(keys, false));
    }

    void integersSortAsDecimalText()
    {
        WGridListData data(1);
        for (int n : {9, 100, -5, 10, 0}) {
            WGridListRow* row = data.CreateRow();
            row->Cells[0] = n;
            data.AddRow(row);
        }
        data.Sort(0);
        QCOMPARE(Column(data, 0), QStringList({"-5", "0", "10", "100", "9"}));
        data.Sort(0);
        QCOMPARE(Column(data, 0), QStringList({"9", "100", "10", "0", "-5"}));
    }

    // Check, image and widget cells sort by the text they held before their type changed.
    void nonTextCellsSortByTheirText_data()
    {
        QTest::addColumn<bool>("descending");
        QTest::newRow("ascending") << false;
        QTest::newRow("descending") << true;
    }
    void nonTextCellsSortByTheirText()
    {
        QFETCH(bool, descending);
        WGridListData data(2);
        const QStringList texts{"delta", "alpha", "echo", "", "charlie", "bravo"};
        for (int i = 0; i < texts.size(); ++i) {
            WGridListRow* row = data.CreateRow();
            row->Cells[0] = texts.at(i);
            row->Cells[1] = texts.at(i);
            // Checked state runs against the text order, so sorting by Value would differ.
            if (i % 3 == 0)
                row->Cells[0] = i % 2 == 0;
            else if (i % 3 == 1)
                row->Cells[0] = static_cast<const QImage*>(&ImageA());
            else
                row->Cells[0] = new WTest;
            row->Visible = i % 2 == 0; // invisible rows take part too
            data.AddRow(row);
        }
        if (descending)
            data.Sort(0);
        data.Sort(0);
        QCOMPARE(data.SortDescending, descending);
        QCOMPARE(Column(data, 0), Sorted(texts, descending));
        QCOMPARE(Column(data, 1), Column(data, 0)); // whole rows moved
    }

    // The sort's packed-prefix shortcut must give exactly QString's operator< order.
    void sortMatchesQStringOrder_data()
    {
        QTest::addColumn<QStringList>("keys");
        const QChar nul(0);
        const QString high(QChar(0xFFFF));
        const QString surrogates = QString::fromUcs4(U"\U0001F600");
        QTest::newRow("prefixes") << QStringList{"abcde", "abcd", "", "abc", "ab", "a", "abcdf"};
        QTest::newRow("embedded NUL")
            << QStringList{QStringLiteral("ab") + nul,
                           QStringLiteral("ab"),
                           QStringLiteral("ab") + nul + nul + QStringLiteral("c"),
                           QString(nul),
                           QString(),
                           QStringLiteral("abcd") + nul,
                           QStringLiteral("abcd")};
        QTest::newRow("case and code units")
            << QStringList{"b", "B",  "a",         "A",        "_",
                           "~", high, high + high, surrogates, QString::fromUtf8("\xc3\xa9"),
                           "Z"};
        QTest::newRow("long common prefix")
            << QStringList{"common-prefix-2", "common-prefix-10", "common-prefix-1",
                           "common-prefix-",  "common-prefix-1",  "common"};
        QTest::newRow("around eight units")
            << QStringList{"abcdefgh",  "abcdefg",    "abcdefghi", QStringLiteral("abcdefgh") + nul,
                           "abcdefgH",  "abcdefghij", "abcdefgi",  "abcdefgha",
                           "abcdefghb", "abcdefgh"};
        QTest::newRow("all equal") << QStringList{"same", "same", "same"};
    }
    void sortMatchesQStringOrder()
    {
        QFETCH(QStringList, keys);
        for (bool descending : {false, true}) {
            auto data = MakeModel(keys);
            data->Sort(0);
            if (descending)
                data->Sort(0);
            QCOMPARE(Column(*data, 0), Sorted(keys, descending));
        }
    }

    void sortMatchesQStringOrderOnRandomKeys_data()
    {
        QTest::addColumn<QString>("alphabet");
        // Tiny alphabets with NUL and the top code unit make long shared prefixes and ties.
        QTest::newRow("four units") << QString::fromUtf16(u"\u0000ab\uffff", 4);
        QTest::newRow("two units") << QString::fromUtf16(u"\u0000\uffff", 2);
    }
    void sortMatchesQStringOrderOnRandomKeys()
    {
        QFETCH(QString, alphabet);
        QRandomGenerator rng(7);
        QStringList keys;
        for (int i = 0; i < 3000; ++i) {
            QString key;
            const int length = rng.bounded(13);
            for (int j = 0; j < length; ++j)
                key += alphabet.at(rng.bounded(alphabet.size()));
            keys << key;
        }
        auto data = MakeModel(keys);
        data->Sort(0);
        QCOMPARE(Column(*data, 0), Sorted(keys, false));
        // Every row is still there exactly once, only reordered.
        QStringList numbers = Column(*data, 1);
        std::sort(numbers.begin(), numbers.end(),
                  [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        for (int i = 0; i < numbers.size(); ++i)
            QCOMPARE(numbers.at(i).toInt(), i);
        data->Sort(0);
        QCOMPARE(Column(*data, 0), Sorted(keys, true));
    }

    // Nothing checks that an added row fits the model; such rows and null entries sort as an
    // empty text instead of being read out of bounds.
    void sortToleratesShortAndNullRows()
    {
        WGridListData data(3);
        for (const char* key : {"b", "a", "c"}) {
            WGridListRow* row = data.CreateRow();
            row->Cells[2] = key;
            data.AddRow(row);
        }
        data.AddRow(new WGridListRow(1));
        data.AddRow(nullptr);
        data.Sort(2);
        QCOMPARE(data.Rows.size(), 5);
        // The two empty keys come first, in either order.
        QVERIFY(!data.Rows.at(0) || data.Rows.at(0)->CellCount() == 1);
        QVERIFY(!data.Rows.at(1) || data.Rows.at(1)->CellCount() == 1);
        QVERIFY(data.Rows.at(0) != data.Rows.at(1));
        for (int i = 2; i < 5; ++i)
            QCOMPARE(data.Rows.at(i)->Cells[2].Text, QString(QChar('a' + i - 2)));
    }

    void tryLockInTheHoldingThreadFails()
    {
        // The mutex is not recursive: the holder cannot take it again, and is told so at once.
        WGridListData data(1);
        QVERIFY(data.TryLock());
        QVERIFY(!data.TryLock());
        data.Unlock();
        data.Lock();
        QVERIFY(!data.TryLock());
        data.Unlock();
        QVERIFY(data.TryLock());
        data.Unlock();
    }

    // Random calls, valid and not, against a plain list of keys kept beside the model.
    void randomOperationsKeepTheModelConsistent()
    {
        QRandomGenerator rng(20261206);
        WGridListData data(3);
        QStringList expected; // the keys of column 0 in row order, while unsorted
        for (int step = 0; step < 4000; ++step) {
            switch (rng.bounded(6)) {
            case 0:
            case 1: {
                WGridListRow* row = data.CreateRow();
                const QString key = QString::number(rng.bounded(50));
                row->Cells[0] = key;
                row->Cells[1] = rng.bounded(2) == 1;
                if (rng.bounded(8) == 0)
                    row->Cells[2] = new WTest;
                row->Visible = rng.bounded(4) != 0;
                data.AddRow(row);
                expected << key;
                break;
            }
            case 2: {
                const int index = rng.bounded(3) == 0 ? (rng.bounded(2) ? INT_MIN : INT_MAX)
                                                      : rng.bounded(-2, data.Rows.size() + 2);
                data.RemoveRow(index);
                if (index >= 0 && index < expected.size())
                    expected.removeAt(index);
                break;
            }
            case 3: {
                const int column = rng.bounded(-2, 5);
                data.Sort(column);
                if (column >= 0 && column < 3) {
                    // Equal keys may land anywhere: compare as texts, then adopt the new order.
                    const QStringList now = Column(data, column);
                    QCOMPARE(now, Sorted(now, data.SortDescending));
                    QCOMPARE(Sorted(Column(data, 0), false), Sorted(expected, false));
                    expected = Column(data, 0);
                }
                break;
            }
            case 4:
                if (rng.bounded(20) == 0) {
                    data.Clear();
                    expected.clear();
                }
                break;
            default:
                QCOMPARE(data.Rows.size(), expected.size());
                QCOMPARE(Column(data, 0), expected);
                break;
            }
        }
    }
};

QTEST_MAIN(TestWGridListData)
#include "tst_wgridlistdata.moc"
