// The model shared between a worker thread that changes it under Lock and the GUI thread that
// reads it only when TryLock succeeds, alone and behind a shown grid list. Also built with
// ThreadSanitizer by the test command, which fails on any access the lock does not order.
// Synchronisation outside the model uses std::thread and std::atomic only, which the sanitizer
// sees; Qt's own primitives it does not.
#include "WGridList.h"
#include "WGridListData.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Spins until flag is set or a generous deadline passes; returns whether it was set.
bool WaitFor(const std::atomic<bool>& flag)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!flag.load()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::yield();
    }
    return true;
}

QString Reversed(const QString& text)
{
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

constexpr int columnCount = 5;

// A model plus what the worker says about its state. The extra fields are plain members,
// written and read only under the model's lock, so a lock that failed to exclude would show
// up as a mismatch here and as a race under the sanitizer.
struct Shared
{
    WGridListData data{columnCount};
    QImage image{3, 3, QImage::Format_ARGB32};
    int rowCount = 0;
    bool sorted = false;
};

// What a paint does with the model: every row and every cell, read through the lock the grid
// takes. Returns an error text for the first thing that contradicts the worker's invariants.
QString ReadEverything(const Shared& s)
{
    const WGridListData& data = s.data;
    if (data.Rows.size() != s.rowCount)
        return QStringLiteral("%1 rows, the worker made %2").arg(data.Rows.size()).arg(s.rowCount);
    const int sortColumn = data.SortColumn;
    const QString* previous = nullptr;
    for (const WGridListRow* row : data.Rows) {
        if (!row || row->CellCount() != data.ColumnCount)
            return QStringLiteral("a row of the wrong shape");
        const WGridListCell* c = row->Cells;
        bool ok = false;
        const int n = c[1].Text.toInt(&ok);
        if (!ok || c[0].Type != 0 || c[1].Type != 0 || c[1].Value.Check != 0)
            return QStringLiteral("key or number cell damaged");
        if (c[2].Type != 2 || c[2].IsChecked() != (n % 2 == 1) || c[2].Text != c[0].Text)
            return QStringLiteral("check cell of row %1 damaged").arg(n);
        if (c[3].Type != 1 || c[3].Image() != &s.image || !c[3].Text.isEmpty())
            return QStringLiteral("image cell of row %1 damaged").arg(n);
        if (c[4].Type != 0 || c[4].Text != Reversed(c[0].Text))
            return QStringLiteral("reversed cell of row %1 damaged").arg(n);
        if (row->Visible != (n % 3 != 0) || c[0].Widget())
            return QStringLiteral("row %1 flags damaged").arg(n);
        const QString& key = c[sortColumn].Text;
        if (s.sorted && previous && (data.SortDescending ? *previous < key : key < *previous))
            return QStringLiteral("rows out of order by column %1").arg(sortColumn);
        previous = &key;
    }
    return QString();
}

void Fill(Shared& s, QRandomGenerator& rng, int rows)
{
    for (int n = 0; n < rows; ++n) {
        WGridListRow* row = s.data.CreateRow();
        QString key;
        for (int i = 0, length = 1 + rng.bounded(8); i < length; ++i)
            key += QChar('a' + rng.bounded(26));
        row->Cells[0] = key;
        row->Cells[1] = n;
        row->Cells[2] = key;
        row->Cells[2] = n % 2 == 1;
        row->Cells[3] = static_cast<const QImage*>(&s.image);
        row->Cells[4] = Reversed(key);
        row->Visible = n % 3 != 0;
        s.data.AddRow(row);
    }
    s.rowCount = rows;
    s.sorted = false;
}

} // namespace

class TestWGridListThreads : public QObject
{
    Q_OBJECT

private slots:
    void tryLockFailsAtOnceWhileAnotherThreadHolds()
    {
        WGridListData data(1);
        std::atomic<bool> held{false};
        std::atomic<bool> release{false};
        std::atomic<bool> released{false};
        std::thread holder([&] {
            data.Lock();
            held = true;
            WaitFor(release); // bounded, so a wrong answer below fails instead of hanging
            released = true;
            data.Unlock();
        });
        QVERIFY(WaitFor(held));
        const bool taken = data.TryLock();
        // It came back while the holder still had the lock, so it did not wait for it.
        const bool stillHeld = !released.load();
        release = true;
        holder.join();
        QVERIFY(!taken);
        QVERIFY(stillHeld);
        QVERIFY(data.TryLock());
        data.Unlock();

        // And the other way round: the GUI thread holds, a worker is refused.
        data.Lock();
        bool workerTook = true;
        std::thread probe([&] { workerTook = data.TryLock(); });
        probe.join();
        data.Unlock();
        QVERIFY(!workerTook);
    }

    void workerChangesWhileReaderPolls()
    {
        Shared s;
        constexpr int iterations = 300;
        constexpr int rows = 120;
        constexpr int handshakeEvery = 20;
        std::atomic<bool> done{false};
        std::atomic<int> reads{0};
        std::atomic<int> missedHandshakes{0};

        std::thread worker([&] {
            QRandomGenerator rng(42);
            for (int i = 0; i < iterations; ++i) {
                s.data.Lock();
                s.data.Clear();
                Fill(s, rng, rows);
                s.data.Unlock();

                s.data.Lock();
                const int column = rng.bounded(-1, columnCount + 1); // sometimes out of range
                s.data.Sort(column);
                if (column >= 0 && column < columnCount)
                    s.sorted = true;
                s.data.Unlock();

                s.data.Lock();
                for (int k = 0; k < 3; ++k)
                    s.data.RemoveRow(rng.bounded(s.data.Rows.size()));
                s.data.RemoveRow(-1);
                s.data.RemoveRow(s.data.Rows.size());
                s.rowCount -= 3;
                s.data.Unlock();

                if (i % 10 == 9) {
                    s.data.Lock();
                    s.data.Clear();
                    s.rowCount = 0;
                    s.data.Unlock();
                }
                // Make sure the reader gets in now and then, however the threads are scheduled.
                if (i % handshakeEvery == 0) {
                    const int seen = reads.load();
                    const auto deadline = Clock::now() + std::chrono::seconds(30);
                    while (reads.load() == seen && Clock::now() < deadline)
                        std::this_thread::yield();
                    if (reads.load() == seen)
                        ++missedHandshakes;
                }
                std::this_thread::yield();
            }
            done = true;
        });

        QString error;
        int nonEmptyReads = 0;
        while (!done.load() && error.isEmpty()) {
            if (!s.data.TryLock()) {
                std::this_thread::yield();
                continue;
            }
            error = ReadEverything(s);
            nonEmptyReads += s.data.Rows.isEmpty() ? 0 : 1;
            s.data.Unlock();
            ++reads;
            std::this_thread::yield(); // as a paint would, leave the lock to the worker for a while
        }
        worker.join();
        QCOMPARE(error, QString());
        QCOMPARE(missedHandshakes.load(), 0);
        QVERIFY(reads.load() >= iterations / handshakeEvery);
        QVERIFY(nonEmptyReads > 0);

        s.data.Lock();
        QCOMPARE(ReadEverything(s), QString());
        s.data.Clear();
        s.data.Unlock();
    }

    // A shown grid repaints and scrolls while a worker refills and sorts its model under the
    // lock, over and over. Now and then the GUI thread takes the lock itself to have the grid
    // read the model again, as an application does after a change.
    void gridPaintsWhileWorkerChangesModel()
    {
        Shared s;
        QRandomGenerator seed(3);
        s.data.Lock();
        Fill(s, seed, 300);
        s.data.Unlock();
        s.image.fill(Qt::darkGreen);

        const QColor rows(10, 200, 10);
        WGridList grid;
        grid.SetBackColor(Qt::white);
        grid.SetDoubleRowBackColor(rows);
        grid.SetSingleRowBackColor(rows);
        grid.SetRowForeColor(Qt::black);
        grid.SetCheckFlagColor(Qt::blue);
        grid.resize(320, 240);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.SetColumnWidth({90, 50, 30, 40, 90});
        grid.SetDataSource(&s.data);
        grid.UpdateData();

        constexpr int iterations = 300;
        constexpr int handshakeEvery = 10;
        std::atomic<bool> done{false};
        std::atomic<int> frames{0};
        std::atomic<int> missedHandshakes{0};
        std::thread worker([&] {
            QRandomGenerator rng(99);
            for (int i = 0; i < iterations; ++i) {
                s.data.Lock();
                s.data.Clear();
                Fill(s, rng, rng.bounded(0, 400));
                s.data.Unlock();
                for (int k = 0; k < 3; ++k) {
                    s.data.Lock();
                    s.data.Sort(rng.bounded(columnCount));
                    s.sorted = true;
                    s.data.Unlock();
                }
                if (i % handshakeEvery == 0) {
                    const int seen = frames.load();
                    const auto deadline = Clock::now() + std::chrono::seconds(30);
                    while (frames.load() == seen && Clock::now() < deadline)
                        std::this_thread::yield();
                    if (frames.load() == seen)
                        ++missedHandshakes;
                }
            }
            done = true;
        });

        QRandomGenerator rng(1);
        int withRows = 0;
        int frame = 0;
        while (!done.load()) {
            grid.SetVScrollBarValue(rng.bounded(qMax(grid.ScrollSize().height(), 1)));
            grid.SetHScrollBarValue(rng.bounded(120));
            if (frame % 2) {
                grid.repaint();
            } else {
                // Rows drawn, or background only when the worker had the lock (or no rows).
                const QImage image = grid.grab().toImage();
                int green = 0;
                for (int x = 0; x < image.width(); ++x)
                    green += image.pixelColor(x, 40) == rows ? 1 : 0;
                withRows += green > 50 ? 1 : 0;
            }
            if (frame % 25 == 24) {
                s.data.Lock();
                grid.UpdateData();
                s.data.Unlock();
            }
            QCoreApplication::processEvents();
            ++frame;
            ++frames;
        }
        worker.join();
        QCOMPARE(missedHandshakes.load(), 0);
        QVERIFY(frame >= iterations / handshakeEvery);
        QVERIFY(withRows > 0);

        grid.UpdateData();
        s.data.Lock();
        QCOMPARE(ReadEverything(s), QString());
        s.data.Unlock();
        grid.SetDataSource(nullptr);
    }
};

QTEST_MAIN(TestWGridListThreads)
#include "tst_wgridlistthreads.moc"
