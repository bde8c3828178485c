// Grid list: painting one 800x600 frame after a scroll step of a five-column grid (four text
// columns and a check column), for 1,000 and 1,000,000 rows, against QTableView on a
// QAbstractTableModel serving the same strings and check states, with fixed row heights.
#include "BenchSupport.h"

#include "WGridList.h"
#include "WGridListData.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTableView>
#include <QVector>

#include <map>

namespace {

constexpr int frameWidth = 800;
constexpr int frameHeight = 600;
constexpr int rowHeight = 20;
constexpr int headerHeight = 30;
constexpr int columnWidth = 160;
constexpr int textColumns = 4;
constexpr int checkColumn = 2;
constexpr int scrollStep = 10;

const QColor evenRow(0xFF, 0xFF, 0xFF);
const QColor oddRow(0xF3, 0xF6, 0xFA);
const QColor selected(0xDB, 0xEA, 0xFE);

// The texts of one run, made once per size. Fixed-width numbers give both sizes cells of the
// same length, so frames differ only in the number of rows.
struct Table
{
    QVector<QString> texts; // textColumns per row
    int rows = 0;

    const QString& Text(int row, int column) const
    {
        return texts.at(row * textColumns + (column < checkColumn ? column : column - 1));
    }
    static bool Checked(int row) { return row % 3 == 0; }
};

const Table& table(int rows)
{
    static std::map<int, Table> cache;
    Table& t = cache[rows];
    if (t.rows == 0) {
        static const char* const cities[] = {"Lisbon", "Oslo", "Krakow", "Tallinn", "Porto",
                                             "Ghent",  "Graz", "Bergen", "Utrecht", "Lyon"};
        t.rows = rows;
        t.texts.reserve(rows * textColumns);
        for (int r = 0; r < rows; ++r) {
            t.texts << QStringLiteral("#%1").arg(r, 7, 10, QLatin1Char('0'))
                    << QString::fromLatin1(cities[r % 10])
                    << QStringLiteral("%1.%2 EUR")
                           .arg((r * 7919) % 10000, 4, 10, QLatin1Char('0'))
                           .arg(r % 100, 2, 10, QLatin1Char('0'))
                    << (r % 4 ? QStringLiteral("Shipped") : QStringLiteral("Pending"));
        }
    }
    return t;
}

// Both views scroll through the same offsets: a hundred steps around the middle.
int offsetAt(int rows, qint64 step)
{
    return rows / 2 * rowHeight + int(step % 100) * scrollStep;
}

class TableModel : public QAbstractTableModel
{
public:
    explicit TableModel(const Table& t) : t(t) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : t.rows; }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : textColumns + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return QVariant();
        if (index.column() == checkColumn) {
            if (role == Qt::CheckStateRole)
                return Table::Checked(index.row()) ? Qt::Checked : Qt::Unchecked;
            return QVariant();
        }
        if (role == Qt::DisplayRole)
            return t.Text(index.row(), index.column());
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.column() == checkColumn)
            f |= Qt::ItemIsUserCheckable;
        return f;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QStringLiteral("Column %1").arg(section + 1);
        return QVariant();
    }

private:
    const Table& t;
};

void WexalPaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const Table& t = table(rows);
    WGridListData data(textColumns + 1);
    for (int r = 0; r < rows; ++r) {
        WGridListRow* row = data.CreateRow();
        for (int c = 0; c <= textColumns; ++c) {
            if (c == checkColumn)
                row->Cells[c] = Table::Checked(r);
            else
                row->Cells[c] = t.Text(r, c);
        }
        data.AddRow(row);
    }

    WGridList grid;
    grid.setAttribute(Qt::WA_DontShowOnScreen);
    grid.resize(frameWidth, frameHeight);
    grid.SetBackColor(Qt::white);
    grid.SetColumnHeaderHeight(headerHeight);
    grid.SetColumnHeaderBackColor(QColor(0xF8, 0xFA, 0xFC));
    grid.SetColumnHeaderForeColor(Qt::black);
    grid.SetColumnHeaderGridLineColor(QColor(0xDD, 0xE2, 0xEA));
    grid.SetDoubleRowBackColor(evenRow);
    grid.SetSingleRowBackColor(oddRow);
    grid.SetSelectedRowBackColor(selected);
    grid.SetRowForeColor(Qt::black);
    grid.SetCheckFlagColor(QColor(0x25, 0x63, 0xEB));
    grid.SetSliderColor(Qt::gray);
    grid.show();
    WexalBench::Settle();
    for (int c = 0; c <= textColumns; ++c)
        grid.AddColumn(columnWidth, QStringLiteral("Column %1").arg(c + 1));
    grid.ApplyColumn();
    grid.SetDataSource(&data);
    grid.UpdateData();
    grid.SetSelectedRow(data.Rows.at(rows / 2 + 3));
    QImage image(grid.size(), QImage::Format_ARGB32_Premultiplied);
    qint64 step = 0;
    for (auto _ : state) {
        grid.SetVScrollBarValue(offsetAt(rows, ++step));
        grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    grid.SetDataSource(nullptr);
}

void QtPaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TableModel model(table(rows));
    QTableView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setAlternatingRowColors(true);
    view.setShowGrid(false);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.verticalHeader()->hide(); // the grid draws no row numbers either
    view.horizontalHeader()->setFixedHeight(headerHeight);
    view.horizontalHeader()->setDefaultSectionSize(columnWidth);
    view.setModel(&model);
    view.resize(frameWidth, frameHeight);
    view.show();
    WexalBench::Settle();
    QCoreApplication::processEvents();
    view.selectRow(rows / 2 + 3);
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    qint64 step = 0;
    for (auto _ : state) {
        view.verticalScrollBar()->setValue(offsetAt(rows, ++step));
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

const int paint =
    WexalBench::RegisterPair("GridListPaint800x600", WexalPaint, QtPaint, [](auto* b) {
        b->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
    });

} // namespace
