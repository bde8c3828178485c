// The grid list's data model: sorting a million rows by a text column against a
// QSortFilterProxyModel over a table model serving the same strings, and what a row costs in
// memory (and time to build) against QStandardItemModel, Qt's ready-made table of items.
#include "BenchSupport.h"

#include "WGridListData.h"

#include <QAbstractTableModel>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QVector>

#include <malloc.h>

#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

constexpr int columnCount = 5;

// Random lower-case words of eight letters, columnCount per row, row after row; made once
// for the largest run and shared by every case.
const QVector<QString>& Words(int rows)
{
    static QVector<QString> words;
    const int needed = rows * columnCount;
    if (words.size() < needed) {
        QRandomGenerator rng(1234);
        words.reserve(needed);
        while (words.size() < needed) {
            QChar letters[8];
            for (QChar& c : letters)
                c = QChar('a' + rng.bounded(26));
            words.append(QString(letters, 8));
        }
    }
    return words;
}

class WordTable : public QAbstractTableModel
{
public:
    WordTable(const QVector<QString>& words, int rows) : words(words), rows(rows) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : ::columnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return words.at(index.row() * ::columnCount + index.column());
    }

private:
    const QVector<QString>& words;
    const int rows;
};

void WexalSort(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QVector<QString>& words = Words(rows);
    WGridListData data(columnCount);
    for (int r = 0; r < rows; ++r) {
        WGridListRow* row = data.CreateRow();
        for (int c = 0; c < columnCount; ++c)
            row->Cells[c] = words.at(r * columnCount + c);
        data.AddRow(row);
    }
    // Alternating between two columns of unrelated words makes every sort a full one, from an
    // order that is random with respect to its key.
    int column = 0;
    for (auto _ : state) {
        column = 1 - column;
        data.Sort(column);
        benchmark::DoNotOptimize(data.Rows.constFirst());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void QtSort(benchmark::State& state)
{
    const int rows = int(state.range(0));
    WordTable table(Words(rows), rows);
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&table);
    int column = 0;
    for (auto _ : state) {
        column = 1 - column;
        proxy.sort(column, Qt::AscendingOrder);
        benchmark::DoNotOptimize(proxy.mapToSource(proxy.index(0, 0)).row());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

// Bytes of heap in use, from the allocator's own books: exact, and not blurred by pages the
// process keeps from earlier cases the way resident size is.
qint64 HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

qint64 ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Each cell gets a string of its own (not one shared with the word list), as text read from a
// file or a database would be.
QString Copy(const QString& word)
{
    return QString(word.constData(), word.size());
}

void Report(benchmark::State& state, qint64 heap, qint64 resident, int rows)
{
    state.counters["heap_B/row"] = double(heap) / rows;
    state.counters["rss_B/row"] = double(resident) / rows;
}

void WexalRowMemory(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QVector<QString>& words = Words(rows);
    for (auto _ : state) {
        const qint64 heap = HeapInUse();
        const qint64 resident = ResidentBytes();
        auto data = std::make_unique<WGridListData>(columnCount);
        for (int r = 0; r < rows; ++r) {
            WGridListRow* row = data->CreateRow();
            for (int c = 0; c < columnCount; ++c)
                row->Cells[c] = Copy(words.at(r * columnCount + c));
            data->AddRow(row);
        }
        state.PauseTiming();
        Report(state, HeapInUse() - heap, ResidentBytes() - resident, rows);
        data.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void QtRowMemory(benchmark::State& state)
{
    const int rows = int(state.range(0));
    const QVector<QString>& words = Words(rows);
    for (auto _ : state) {
        const qint64 heap = HeapInUse();
        const qint64 resident = ResidentBytes();
        auto model = std::make_unique<QStandardItemModel>(rows, columnCount);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columnCount; ++c)
                model->setItem(r, c, new QStandardItem(Copy(words.at(r * columnCount + c))));
        }
        state.PauseTiming();
        Report(state, HeapInUse() - heap, ResidentBytes() - resident, rows);
        model.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

const int sort = WexalBench::RegisterPair("GridSortText", WexalSort, QtSort, [](auto* b) {
    b->Arg(1000000)->Unit(benchmark::kMillisecond);
});
const int memory =
    WexalBench::RegisterPair("GridRowMemory", WexalRowMemory, QtRowMemory, [](auto* b) {
        b->Arg(1000000)->Iterations(2)->Unit(benchmark::kMillisecond);
    });

} // namespace
