// The grid list's view: geometry, scrolled extent, the first visible column and row, and what
// a paint shows, read back from grabs of a shown grid.
#include "GridListTestSupport.h"
#include "WGridListRowLocator_p.h"

#include "WLabel.h"
#include "WLineEdit.h"
#include "WPanel.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <climits>
#include <thread>

using namespace GridTest;

namespace {

using Position = QPair<int, int>;

// The first visible row whose bottom passes the offset, walked from the top as the rule
// reads; (0, 0) when none does.
Position ReferenceWalk(const QList<WGridListRow*>& rows, int rowHeight, int value)
{
    qint64 remaining = value;
    for (int r = 0; r < rows.size(); ++r) {
        if (!rows.at(r) || !rows.at(r)->Visible)
            continue;
        if (rowHeight > remaining)
            return {r, int(remaining)};
        remaining -= rowHeight;
    }
    return {0, 0};
}

bool WaitFor(const std::atomic<bool>& flag)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!flag.load()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

QImage SolidImage(const QSize& size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestWGridList : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        WGridList grid;
        QCOMPARE(grid.CanChangeColumnWidth(), true);
        QCOMPARE(grid.ColumnHeaderHeight(), 30);
        QCOMPARE(grid.RowHeight(), 20);
        for (const QColor* c :
             {&grid.ColumnHeaderBackColor(), &grid.ColumnHeaderBackColorHover(),
              &grid.ColumnHeaderForeColor(), &grid.ColumnHeaderForeColorHover(),
              &grid.ColumnHeaderGridLineColor(), &grid.SingleRowBackColor(),
              &grid.DoubleRowBackColor(), &grid.SelectedRowBackColor(), &grid.RowForeColor(),
              &grid.LockedRowForeColor(), &grid.CheckFlagColor()})
            QVERIFY(!c->isValid());
        QCOMPARE(grid.Padding(), (WPadding{30, 0, 0, 0}));
        QVERIFY(grid.testAttribute(Qt::WA_Hover));
        QVERIFY(grid.Columns().isEmpty());
        QCOMPARE(grid.DataSource(), nullptr);
        QCOMPARE(grid.SelectedRowIndex(), -1);
        QCOMPARE(grid.HoverColumn(), -1);
        QCOMPARE(grid.HoverRow(), -1);
        QCOMPARE(grid.FocusedEditor(), nullptr);
    }

    void columnStartIndex_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("offset");
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("inside the first") << 99 << 0 << 99;
        QTest::newRow("second starts") << 100 << 1 << 0;
        QTest::newRow("120") << 120 << 1 << 20;
        QTest::newRow("third starts") << 150 << 2 << 0;
        QTest::newRow("last pixel") << 229 << 2 << 79;
        QTest::newRow("total width") << 230 << 0 << 0;
        QTest::newRow("beyond") << 1000 << 0 << 0;
        QTest::newRow("INT_MAX") << INT_MAX << 0 << 0;
        QTest::newRow("negative") << -5 << 0 << -5;
        QTest::newRow("INT_MIN") << INT_MIN << 0 << INT_MIN;
    }
    void columnStartIndex()
    {
        QFETCH(int, h);
        QFETCH(int, column);
        QFETCH(int, offset);
        WGridList grid;
        grid.SetColumnWidth({100, 50, 80});
        grid.ComputeDrawColumnStartIndex(h);
        QCOMPARE(grid.FirstColumn(), column);
        QCOMPARE(grid.ColumnOffset(), offset);
    }

    // Scrolled by the bar to 120: the second column is 20 pixels in, so the third starts at
    // x = 30, where the header's grid line lies.
    void scrolledHeader()
    {
        Fixture f({100, 50, 80}, 3);
        f.Show(QSize(110, 120));
        QCOMPARE(f.grid.ScrollSize().width(), 230);
        f.grid.SetHScrollBarValue(120);
        QCOMPARE(f.grid.HScrollBarValue(), 120);
        QCOMPARE(f.grid.FirstColumn(), 1);
        QCOMPARE(f.grid.ColumnOffset(), 20);
        const QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(30, 10), gridLine);
        QCOMPARE(image.pixelColor(29, 10), headerBack);
        QCOMPARE(image.pixelColor(60, headerHeight - 1), gridLine); // the bottom line
        f.grid.SetHScrollBarValue(INT_MAX);                         // clamped to the bar's range
        QCOMPARE(f.grid.FirstColumn(), 1);
        QCOMPARE(f.grid.ColumnOffset(), 20);
        f.grid.ApplyColumn();
        QCOMPARE(f.grid.HScrollBarValue(), 0);
        QCOMPARE(f.grid.FirstColumn(), 0);
    }

    // The shortcuts of the row locator against the walk, on sequences of scroll offsets
    // that jump, step and go back, for models with and without invisible rows.
    void rowLocatorMatchesWalk_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("hiddenEvery"); // 0: none
        QTest::addColumn<bool>("nullRows");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<bool>("counted");
        QTest::newRow("all visible, counted") << 3000 << 0 << false << 20 << true;
        QTest::newRow("all visible, not counted") << 3000 << 0 << false << 20 << false;
        QTest::newRow("some hidden") << 3000 << 7 << false << 20 << true;
        QTest::newRow("most hidden") << 3000 << 1 << false << 13 << true;
        QTest::newRow("null rows") << 500 << 0 << true << 20 << true;
        QTest::newRow("height 1") << 500 << 3 << false << 1 << true;
        QTest::newRow("height 0") << 50 << 3 << false << 0 << true;
        QTest::newRow("negative height") << 50 << 3 << false << -7 << true;
        QTest::newRow("huge height") << 50 << 0 << false << INT_MAX << true;
        QTest::newRow("empty") << 0 << 0 << false << 20 << true;
    }
    void rowLocatorMatchesWalk()
    {
        QFETCH(int, rows);
        QFETCH(int, hiddenEvery);
        QFETCH(bool, nullRows);
        QFETCH(int, rowHeight);
        QFETCH(bool, counted);
        WGridListData data(1);
        QRandomGenerator rng(7);
        for (int i = 0; i < rows; ++i) {
            if (nullRows && i % 5 == 2) {
                data.AddRow(nullptr);
                continue;
            }
            WGridListRow* row = data.CreateRow();
            row->Visible = hiddenEvery == 0 || rng.bounded(hiddenEvery) != 0;
            data.AddRow(row);
        }
        WGridListRowLocator locator;
        if (counted) {
            int visible = 0;
            for (const WGridListRow* row : qAsConst(data.Rows))
                visible += row && row->Visible ? 1 : 0;
            QCOMPARE(locator.CountVisible(data.Rows), visible);
        }
        const qint64 extent = qint64(qMax(rowHeight, 1)) * rows;
        int previous = 0;
        for (int step = 0; step < 2000; ++step) {
            int v;
            switch (rng.bounded(6)) {
            case 0: // anywhere, and beyond the end
                v = int(qMin<qint64>(qint64(rng.generate64() % quint64(extent + 100)), INT_MAX));
                break;
            case 1:
                v = step % 2 ? INT_MAX : INT_MIN;
                break;
            case 2:
                v = -rng.bounded(50);
                break;
            default: // a small step from the previous offset
                v = int(qBound<qint64>(-100, qint64(previous) + rng.bounded(-40, 41), INT_MAX));
                break;
            }
            previous = v;
            const auto found = locator.Locate(data.Rows, rowHeight, v);
            const Position expected = ReferenceWalk(data.Rows, rowHeight, v);
            QCOMPARE(Position(found.row, found.offset), expected);
        }
    }

    // The same through the widget: scroll bar values map to the walk's row, before and after
    // rows are hidden and the model is read again.
    void scrollingFindsFirstRow_data()
    {
        QTest::addColumn<int>("hiddenEvery");
        QTest::newRow("all visible") << 0;
        QTest::newRow("every third hidden") << 3;
    }
    void scrollingFindsFirstRow()
    {
        QFETCH(int, hiddenEvery);
        Fixture f({100, 100}, 2000);
        for (int i = 0; i < f.data->Rows.size(); ++i)
            f.data->Rows.at(i)->Visible = hiddenEvery == 0 || i % hiddenEvery != 1;
        f.grid.UpdateData();
        f.Show(QSize(300, 230));
        QRandomGenerator rng(11);
        const auto check = [&] {
            const int v = f.grid.VScrollBarValue();
            const Position expected = ReferenceWalk(f.data->Rows, rowHeight, v);
            QCOMPARE(Position(f.grid.FirstRow(), f.grid.RowOffset()), expected);
        };
        for (int i = 0; i < 300; ++i) {
            const int v = rng.bounded(3) == 0 ? rng.bounded(f.grid.ScrollSize().height())
                                              : f.grid.VScrollBarValue() + rng.bounded(-30, 31);
            f.grid.SetVScrollBarValue(v);
            check();
        }
        // Hide more rows and read the model again: the mapping follows.
        for (int i = 0; i < f.data->Rows.size(); i += 5)
            f.data->Rows.at(i)->Visible = false;
        f.grid.UpdateData();
        check();
        QVERIFY(f.grid.FirstRow() > 0);
        for (int i = 0; i < 100; ++i) {
            f.grid.SetVScrollBarValue(rng.bounded(f.grid.ScrollSize().height()));
            check();
        }
        // The first row drawn is the one found: its colour is that of its index's parity.
        f.grid.SetVScrollBarValue(rowHeight * 101 + 5);
        check();
        const QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(250, headerHeight),
                 f.grid.FirstRow() % 2 ? singleRow : doubleRow);
    }

    // Row 0 is filled with DoubleRowBackColor, row 1 with SingleRowBackColor; parity is the
    // index in Rows, so hiding row 0 leaves row 1 as it was.
    void rowColours()
    {
        Fixture f({100, 100}, 4);
        f.Show(QSize(300, 200));
        const auto rowColour = [&](int line) {
            return Grab(f.grid).pixelColor(250, headerHeight + line * rowHeight + 10);
        };
        QCOMPARE(rowColour(0), doubleRow);
        QCOMPARE(rowColour(1), singleRow);
        QCOMPARE(rowColour(2), doubleRow);
        QCOMPARE(rowColour(4), back); // below the last row

        f.data->Rows.at(0)->Visible = false;
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), 3 * rowHeight);
        QCOMPARE(rowColour(0), singleRow); // row 1, now on the first line
        QCOMPARE(rowColour(1), doubleRow);
        QCOMPARE(rowColour(3), back);

        f.grid.SetSelectedRow(f.data->Rows.at(2));
        QCOMPARE(f.grid.SelectedRowIndex(), 2);
        QCOMPARE(rowColour(1), selectedRow);
        QCOMPARE(rowColour(2), singleRow);

        // A row hidden without UpdateData is skipped by the paint all the same.
        f.data->Rows.at(1)->Visible = false;
        QCOMPARE(rowColour(0), selectedRow);
    }

    // The new height is drawn at once; the scrolled extent waits for UpdateData.
    void rowHeightWithoutUpdateData()
    {
        Fixture f({100}, 3);
        f.Show(QSize(200, 200));
        QCOMPARE(f.grid.ScrollSize().height(), 60);
        f.grid.SetRowHeight(30);
        QCOMPARE(f.grid.ScrollSize().height(), 60);
        QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(150, headerHeight + 29), doubleRow);
        QCOMPARE(image.pixelColor(150, headerHeight + 30), singleRow);
        QCOMPARE(image.pixelColor(150, headerHeight + 89), doubleRow);
        QCOMPARE(image.pixelColor(150, headerHeight + 90), back);
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), 90);
    }

    void cellKinds()
    {
        Fixture f({60, 60, 60, 60}, 0);
        const QImage red = SolidImage(QSize(8, 6), Qt::red);
        WGridListRow* first = f.data->CreateRow();
        first->Cells[0] = true;
        first->Cells[1] = false;
        first->Cells[2] = &red;
        auto* panel = new WPanel;
        panel->resize(20, 10);
        panel->SetBackColor(Qt::blue);
        first->Cells[3] = panel;
        f.data->AddRow(first);
        const QString block = QString(4, QChar(0x2588));
        for (int i = 0; i < 2; ++i) {
            WGridListRow* row = f.data->CreateRow();
            row->Cells[0] = block;
            f.data->AddRow(row);
        }
        f.data->AddRow(new WGridListRow(1)); // shorter than the model's rows
        f.data->AddRow(new WGridListRow(9)); // longer
        f.data->AddRow(nullptr);             // and no row at all
        f.data->Rows.at(4)->Cells[8] = &red; // beyond the columns: never drawn
        f.grid.SetLockedRow(f.data->Rows.at(1));
        f.grid.UpdateData(); // clears LockedRow
        f.grid.SetLockedRow(f.data->Rows.at(1));
        f.Show(QSize(300, 200));

        const auto cell = [](int column, int line) {
            return QRect(column * 60, headerHeight + line * rowHeight, 60, rowHeight);
        };
        QImage image = Grab(f.grid);
        // No CheckFlagColor yet: check cells show nothing.
        QCOMPARE(CountColour(image, cell(0, 0), doubleRow), 60 * rowHeight);
        QCOMPARE(CountColour(image, cell(1, 0), doubleRow), 60 * rowHeight);
        // The image, at its own size, centred: ((60 - 8) / 2, (20 - 6) / 2) into the cell.
        QCOMPARE(CountColour(image, cell(2, 0), Qt::red), 8 * 6);
        QCOMPARE(image.pixelColor(120 + 26, headerHeight + 7), QColor(Qt::red));
        QCOMPARE(image.pixelColor(120 + 25, headerHeight + 7), doubleRow);
        // The widget, moved to the centre of its cell in cell coordinates and painted there.
        QCOMPARE(panel->pos(), QPoint(20, 5));
        QCOMPARE(CountColour(image, cell(3, 0), Qt::blue), 20 * 10);
        QCOMPARE(image.pixelColor(180 + 20, headerHeight + 5), QColor(Qt::blue));
        // Text: the locked row in its own colour, the next in the row colour.
        QVERIFY(CountColour(image, cell(0, 1), lockedFore) > 0);
        QCOMPARE(CountColour(image, cell(0, 1), rowFore), 0);
        QVERIFY(CountColour(image, cell(0, 2), rowFore) > 0);
        QCOMPARE(CountColour(image, cell(0, 2), lockedFore), 0);
        // Nothing drawn past the columns.
        QCOMPARE(CountColour(image, QRect(240, headerHeight, 60, 5 * rowHeight), Qt::red), 0);

        f.grid.SetCheckFlagColor(checkFlag);
        image = Grab(f.grid);
        const int checked = CountColour(image, cell(0, 0), checkFlag);
        const int unchecked = CountColour(image, cell(1, 0), checkFlag);
        QVERIFY(unchecked > 0);       // the box
        QVERIFY(checked > unchecked); // the box and the tick
        // Clicking state flips are drawn by the next paint.
        first->Cells[0].Value.Check = 0;
        first->Cells[1].Value.Check = 1;
        image = Grab(f.grid);
        QCOMPARE(CountColour(image, cell(0, 0), checkFlag), unchecked);
        QCOMPARE(CountColour(image, cell(1, 0), checkFlag), checked);
    }

    // Cell texts look exactly as drawText puts them centred in the cell, clipped to it when
    // they do not fit, whatever the parity of the cell's size, the text or the row's pen.
    void textAsDrawTextDrawsIt_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("even rows") << 20;
        QTest::newRow("odd rows") << 23;
    }
    void textAsDrawTextDrawsIt()
    {
        QFETCH(int, height);
        const QStringList texts{QStringLiteral("Order #0012"),   QStringLiteral("Lisbon"),
                                QString::fromUtf8("Grüße 漢字"), QStringLiteral("a\tb"),
                                QStringLiteral("two\nlines"),    QStringLiteral("&Save"),
                                QString(300, QLatin1Char('x'))};
        const QVector<int> widths{101, 96, 75, 60, 83, 70, 44};
        Fixture f(widths, 0);
        f.grid.SetRowHeight(height);
        for (int r = 0; r < 3; ++r) {
            WGridListRow* row = f.data->CreateRow();
            for (int c = 0; c < texts.size(); ++c)
                row->Cells[c] = texts.at((c + r) % texts.size());
            f.data->AddRow(row);
        }
        f.grid.UpdateData();
        f.grid.SetLockedRow(f.data->Rows.at(1));
        f.Show(QSize(560, 160));
        const QImage image = Grab(f.grid);
        // Drawn at the widget's resolution, which a QImage need not have by itself.
        QImage expected = image;
        expected.setDotsPerMeterX(qRound(f.grid.logicalDpiX() / 0.0254));
        expected.setDotsPerMeterY(qRound(f.grid.logicalDpiY() / 0.0254));
        QPainter p(&expected);
        p.setFont(f.grid.font());
        for (int r = 0; r < 3; ++r) {
            // Texts wider than their cell run into the next one, as drawText lets them.
            p.fillRect(QRect(0, headerHeight + r * height, 560, height),
                       r % 2 ? singleRow : doubleRow);
            int x = 0;
            for (int c = 0; c < texts.size(); ++c) {
                const QRect cell(x, headerHeight + r * height, widths.at(c), height);
                p.setPen(r == 1 ? lockedFore : rowFore);
                p.drawText(cell, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                           texts.at((c + r) % texts.size()));
                x += widths.at(c);
            }
        }
        p.end();
        const QRect rows(0, headerHeight, 529, 3 * height);
        QCOMPARE(image.copy(rows), expected.copy(rows));
        QVERIFY(CountColour(image, rows, rowFore) > 0);
    }

    // Columns the model does not have get a header but no cells; with fewer columns than the
    // model, the extra cells are not drawn.
    void columnsAndModelDisagree()
    {
        WGridListData data(2);
        const QImage red = SolidImage(QSize(8, 8), Qt::red);
        WGridListRow* row = new WGridListRow(4);
        for (int c = 0; c < 4; ++c)
            row->Cells[c] = &red;
        data.AddRow(row);
        WGridList grid;
        Style(grid);
        grid.AddColumn(50, QString());
        grid.AddColumn(50, QString());
        grid.AddColumn(50, QString());
        grid.AddColumn(50, QString(4, QChar(0x2588)));
        grid.ApplyColumn();
        grid.SetDataSource(&data);
        grid.UpdateData();
        Show(grid, QSize(250, 100));
        const QImage image = Grab(grid);
        QCOMPARE(CountColour(image, QRect(0, 30, 100, 20), Qt::red), 2 * 64);
        QCOMPARE(CountColour(image, QRect(100, 30, 150, 20), Qt::red), 0);
        QVERIFY(CountColour(image, QRect(150, 0, 50, 29), headerFore) > 0); // its title
    }

    void withoutRowsToDraw()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(250, 120));
        QCOMPARE(Grab(f.grid).pixelColor(220, 40), doubleRow);
        f.data->ShowRows = false;
        QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(220, 40), back);
        QCOMPARE(image.pixelColor(220, 10), headerBack);
        f.data->ShowRows = true;
        f.grid.SetColumnWidth({});
        image = Grab(f.grid);
        QCOMPARE(image.pixelColor(220, 40), back);
        QCOMPARE(image.pixelColor(220, 10), back); // no columns, no header
        f.grid.SetColumnWidth({100});
        f.grid.SetDataSource(nullptr);
        image = Grab(f.grid);
        QCOMPARE(image.pixelColor(50, 40), back);
        QCOMPARE(image.pixelColor(50, 10), headerBack);
    }

    // A paint while another thread holds the model shows header and background only, and
    // comes back while the lock is still held.
    void lockedModelPaintsNoRows()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(250, 120));
        std::atomic<bool> held{false};
        std::atomic<bool> release{false};
        std::atomic<bool> released{false};
        std::thread holder([&] {
            f.data->Lock();
            held = true;
            WaitFor(release);
            released = true;
            f.data->Unlock();
        });
        QVERIFY(WaitFor(held));
        const QImage image = Grab(f.grid);
        f.grid.repaint();
        f.grid.SetVScrollBarValue(10); // scrolling does not wait either
        const bool stillHeld = !released.load();
        release = true;
        holder.join();
        QVERIFY(stillHeld);
        QCOMPARE(image.pixelColor(150, 40), back);
        QCOMPARE(image.pixelColor(150, 10), headerBack);
        QCOMPARE(Grab(f.grid).pixelColor(150, 40), doubleRow);
    }

    // Replacing the model waits for the old model's lock: no paint may be half-way through
    // the rows of a model that is being swapped away.
    void setDataSourceTakesOldLock()
    {
        WGridListData first(1);
        WGridListData second(1);
        WGridList grid;
        grid.SetDataSource(&first);
        std::atomic<bool> held{false};
        std::atomic<bool> unlocking{false};
        std::thread holder([&] {
            first.Lock();
            held = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            unlocking = true;
            first.Unlock();
        });
        QVERIFY(WaitFor(held));
        grid.SetDataSource(&second);
        const bool waited = unlocking.load();
        holder.join();
        QVERIFY(waited);
        QCOMPARE(grid.DataSource(), &second);
        QVERIFY(first.TryLock()); // and left unlocked
        first.Unlock();
    }

    void updateDataResetsAndLaysOutCells()
    {
        Fixture f({100, 50, 80}, 0);
        for (int i = 0; i < 30; ++i) {
            WGridListRow* row = f.data->CreateRow();
            auto* edit = new WLineEdit;
            edit->SetDock(DockType::Fill);
            row->Cells[0] = edit;
            auto* panel = new WPanel;
            panel->resize(30, 10);
            row->Cells[1] = panel;
            auto* label = new WLabel;
            label->SetAlignment(Qt::AlignCenter);
            label->SetText(QStringLiteral("ab"));
            label->SetDock(DockType::Fill);
            row->Cells[2] = label;
            row->Visible = i % 4 != 0;
            f.data->AddRow(row);
        }
        f.grid.UpdateData();
        f.Show(QSize(200, 150));
        f.grid.SetHScrollBarValue(30);
        f.grid.SetVScrollBarValue(40);
        f.grid.SetSelectedRow(f.data->Rows.at(3));
        f.grid.SetLockedRow(f.data->Rows.at(5));
        QCOMPARE(f.grid.HScrollBarValue(), 30);
        QCOMPARE(f.grid.VScrollBarValue(), 40);
        // Sizes the next layout has to put right.
        for (const WGridListRow* row : qAsConst(f.data->Rows)) {
            row->Cells[0].Widget()->setGeometry(3, 3, 7, 7);
            row->Cells[2].Widget()->resize(10, 10);
            static_cast<WLabel*>(row->Cells[2].Widget())->UpdateTextBounding();
            QVERIFY(static_cast<WLabel*>(row->Cells[2].Widget())->TextBounding().left() < 10);
        }

        f.grid.UpdateData();
        QCOMPARE(f.grid.SelectedRow(), nullptr);
        QCOMPARE(f.grid.LockedRow(), nullptr);
        QCOMPARE(f.grid.HScrollBarValue(), 0);
        QCOMPARE(f.grid.VScrollBarValue(), 0);
        QCOMPARE(f.grid.FirstRow(), 1); // row 0 is hidden
        QCOMPARE(f.grid.ScrollSize().height(), 22 * rowHeight);
        for (const WGridListRow* row : qAsConst(f.data->Rows)) {
            // Filled to the cell, hidden rows too.
            QCOMPARE(row->Cells[0].Widget()->geometry(), QRect(0, 0, 100, rowHeight));
            QCOMPARE(row->Cells[1].Widget()->size(), QSize(30, 10)); // not Fill: kept
            QCOMPARE(static_cast<WPanel*>(row->Cells[1].Widget())->ContainerArea(),
                     QRect(0, 0, 30, 10));
            auto* label = static_cast<WLabel*>(row->Cells[2].Widget());
            QCOMPARE(label->size(), QSize(80, rowHeight));
            QVERIFY(label->TextBounding().left() > 10); // centred in the new width
        }

        // A selection whose row left the model matches nothing.
        f.grid.SetSelectedRow(f.data->Rows.at(2));
        QCOMPARE(f.grid.SelectedRowIndex(), 2);
        f.data->RemoveRow(2);
        QCOMPARE(f.grid.SelectedRowIndex(), -1);
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), 21 * rowHeight); // a visible row went
    }

    void geometryFollowsHeaderAndBorder()
    {
        Fixture f({100}, 1);
        f.Show(QSize(300, 200));
        QCOMPARE(f.grid.HeaderRect(), QRect(QPoint(0, 0), QPoint(299, 29)));
        QCOMPARE(f.grid.RowsRect(), QRect(0, 30, 300, 170));

        f.grid.SetColumnHeaderHeight(50);
        QCOMPARE(f.grid.Padding(), (WPadding{50, 0, 0, 0}));
        Settle();
        QCOMPARE(f.grid.HeaderRect(), QRect(QPoint(0, 0), QPoint(299, 49)));
        QCOMPARE(f.grid.RowsRect(), QRect(0, 50, 300, 150));
        QImage image = Grab(f.grid);
        QCOMPARE(image.pixelColor(50, 49), gridLine);
        QCOMPARE(image.pixelColor(50, 50), doubleRow);

        f.grid.SetBorder(PositionFlag::All);
        f.grid.SetBorderWidth(2);
        f.grid.SetBorderColor(Qt::black);
        Settle();
        QCOMPARE(f.grid.HeaderRect(), QRect(QPoint(2, 2), QPoint(297, 51)));
        QCOMPARE(f.grid.RowsRect(), QRect(2, 52, 296, 146));
        image = Grab(f.grid);
        QCOMPARE(image.pixelColor(1, 60), QColor(Qt::black));
        QCOMPARE(image.pixelColor(2, 52), doubleRow);
        QCOMPARE(image.pixelColor(60, 71), doubleRow);
        QCOMPARE(image.pixelColor(60, 72), back);

        // A border that only moves the area, keeping its size, still moves the rows.
        f.grid.SetBorder(PositionFlag::Top | PositionFlag::Left);
        f.grid.SetBorderWidth(4);
        Settle();
        QCOMPARE(f.grid.RowsRect(), QRect(4, 54, 296, 146));
    }

    void scrolledExtent()
    {
        Fixture f({100, 50}, 0);
        f.Show(QSize(300, 100));
        QCOMPARE(f.grid.ScrollSize(), QSize(300, 0)); // at least the area's width
        f.grid.resize(200, 100);
        Settle();
        QCOMPARE(f.grid.ScrollSize(), QSize(300, 0)); // until the columns are applied again
        f.grid.ApplyColumn();
        QCOMPARE(f.grid.ScrollSize(), QSize(200, 0));
        f.grid.SetColumnWidth({200, 250});
        QCOMPARE(f.grid.ScrollSize().width(), 450);
        AddRows(*f.data, 10);
        QCOMPARE(f.grid.ScrollSize().height(), 0); // until the model is read again
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), 200);
        f.grid.SetColumnWidth({INT_MAX, INT_MAX});
        QCOMPARE(f.grid.ScrollSize().width(), INT_MAX);
        f.grid.SetRowHeight(INT_MAX);
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), INT_MAX);
        f.grid.SetRowHeight(-3);
        f.grid.UpdateData();
        QCOMPARE(f.grid.ScrollSize().height(), 0);
    }

    // Absurd numbers everywhere: nothing overflows (the sanitizer build checks) and rows of no
    // height draw nothing.
    void extremeValues_data()
    {
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("headerHeight");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scroll");
        const int values[] = {INT_MIN, -7, 0, 1, INT_MAX};
        for (int a : values)
            for (int b : values)
                QTest::addRow("row %d, header %d", a, b)
                    << a << b << (a ^ b)
                    << int(qBound<qint64>(INT_MIN, qint64(a) - b / 2, INT_MAX));
    }
    void extremeValues()
    {
        QFETCH(int, rowHeight);
        QFETCH(int, headerHeight);
        QFETCH(int, width);
        QFETCH(int, scroll);
        Fixture f({width, 40, width}, 0);
        const QImage red = SolidImage(QSize(5, 5), Qt::red);
        for (int i = 0; i < 20; ++i) {
            WGridListRow* row = f.data->CreateRow();
            row->Cells[0] = QStringLiteral("text");
            row->Cells[1] = &red;
            auto* panel = new WPanel;
            panel->SetDock(DockType::Fill);
            row->Cells[2] = panel;
            f.data->AddRow(row);
        }
        f.grid.SetRowHeight(rowHeight);
        f.grid.SetColumnHeaderHeight(headerHeight);
        f.grid.SetCheckFlagColor(checkFlag);
        f.grid.UpdateData();
        f.Show(QSize(200, 150));
        f.grid.ComputeDrawRowStartIndex(scroll);
        f.grid.ComputeDrawColumnStartIndex(scroll);
        f.grid.CellControlLayout(-1);
        f.grid.CellControlLayout(INT_MAX);
        f.grid.SetVScrollBarValue(scroll);
        f.grid.SetHScrollBarValue(scroll);
        const QImage image = Grab(f.grid);
        if (rowHeight <= 0)
            QCOMPARE(CountColour(image, image.rect(), doubleRow), 0);
        QVERIFY(f.grid.FirstRow() >= 0 && f.grid.FirstRow() < 20);
    }
};

QTEST_MAIN(TestWGridList)
#include "tst_wgridlist.moc"
