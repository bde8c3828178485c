// The model shared between a worker thread that changes it under Lock and the GUI thread that
// reads it, and paints a grid over it, only when TryLock succeeds. The test command also runs
// this file built with ThreadSanitizer, which fails on any access the lock does not order;
// synchronisation outside the model uses std::thread and std::atomic only, which it sees.
#include "GridListTestSupport.h"
#include "WTestMouse.h"
#include "WTestSuite.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace GridTest;

// Waits for another thread to move counter on from seen; false if it did not in generous time.
static bool AwaitChange(const std::atomic<int>& counter, int seen)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (counter == seen && std::chrono::steady_clock::now() < end)
        std::this_thread::yield();
    return counter != seen;
}

class TestWGridListThreads : public QObject
{
    Q_OBJECT

private slots:
    // While another thread holds the lock, TryLock and a paint come back at once, the paint
    // with the header alone; but the grid told to let go of the model waits for its release.
    void anotherThreadHolds()
    {
        Fixture f({100, 100}, 3);
        f.Show(QSize(250, 120));
        WGridListData other(2);
        std::atomic<int> phase{0}; // held, then the GUI thread is done looking, then released
        std::thread holder([&] {
            f.data->Lock();
            phase = 1;
            AwaitChange(phase, 1); // bounded: a paint that waits fails instead of hanging
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            phase = 3;
            f.data->Unlock();
        });
        while (phase == 0)
            std::this_thread::yield();
        const bool taken = f.data->TryLock();
        const QImage image = Grab(f.grid);
        const bool stillHeld = phase.exchange(2) == 1;
        f.grid.SetDataSource(&other);
        const int seen = phase;
        holder.join();
        QCOMPARE(qMakePair(taken, stillHeld), qMakePair(false, true));
        QCOMPARE(image.pixelColor(150, 40), back);
        QCOMPARE(image.pixelColor(150, 10), headerBack);
        QCOMPARE(seen, 3);
    }

    // The thread that holds the lock of the shown model may replace the model: the grid does
    // not wait for a lock its own thread holds.
    void replacingAModelItsThreadHolds_data()
    {
        QTest::addColumn<int>("next");
        QTest::newRow("by another model") << 0;
        QTest::newRow("by none") << 1;
        QTest::newRow("by itself") << 2;
    }
    void replacingAModelItsThreadHolds()
    {
        QFETCH(int, next);
        Fixture f({100}, 2);
        WGridListData other(1);
        WGridListData* const models[] = {&other, nullptr, f.data.get()};
        std::atomic<int> returned{0};
        std::thread watchdog([&] {
            if (AwaitChange(returned, 0))
                return;
            qCritical("SetDataSource waits for the lock its own thread holds");
            std::abort();
        });
        f.data->Lock();
        f.grid.SetDataSource(models[next]);
        returned = 1;
        watchdog.join();
        f.data->Unlock();
        QCOMPARE(f.grid.DataSource(), models[next]);
    }

    // A worker fills, sorts and thins out the rows under the lock while the GUI thread checks
    // the model whenever TryLock lets it, repaints and scrolls the shown grid, and moves and
    // clicks the pointer over it; now and then
    // it takes the lock to have the grid read the model again, as an application does.
    void workerChangesWhileGuiReadsAndPaints()
    {
        Fixture f({200, 60, 40, 100});
        WGridListData& data = *f.data;
        QImage image(3, 3, QImage::Format_ARGB32);
        image.fill(Qt::darkGreen);
        // What the worker says about the model: written and read only under the model's lock,
        // so a lock that failed to exclude shows up as a mismatch and as a race.
        int rowCount = 0;
        bool sorted = false;
        // Rows n = 0 .. count - 1 of a random key, n, a check cell (checked for odd n) with the
        // key as its text, and the image; every third row hidden.
        const auto fill = [&](QRandomGenerator& rng, int count) {
            data.Clear();
            for (int n = 0; n < count; ++n) {
                WGridListRow* row = data.CreateRow();
                const QString key = QString::number(rng.generate(), 36);
                row->Cells[0] = key;
                row->Cells[1] = n;
                (row->Cells[2] = key) = n % 2 == 1;
                row->Cells[3] = &image;
                row->Visible = n % 3 != 0;
                data.AddRow(row);
            }
            rowCount = count;
            sorted = false;
        };
        // Reads everything a paint reads: the first thing that contradicts fill or the sort.
        const auto check = [&]() -> QString {
            if (data.Rows.size() != rowCount)
                return QString("%1 rows, the worker made %2").arg(data.Rows.size()).arg(rowCount);
            for (int r = 0; r < rowCount; ++r) {
                const WGridListCell* c = data.Rows.at(r)->Cells;
                const int n = c[1].Text.toInt();
                const QString& key = c[data.SortColumn].Text;
                const QString& last = data.Rows.at(qMax(r - 1, 0))->Cells[data.SortColumn].Text;
                if (c[1].Type != 0 || c[2].IsChecked() != (n % 2 == 1) || c[2].Text != c[0].Text ||
                    c[3].Image() != &image || data.Rows.at(r)->Visible != (n % 3 != 0) ||
                    (sorted && (data.SortDescending ? last < key : key < last)))
                    return QString("row %1 damaged or out of order").arg(n);
            }
            return QString();
        };
        // Rows and their text in one colour, broken only by the images right of the first column.
        f.grid.SetSingleRowBackColor(doubleRow);
        f.grid.SetRowForeColor(doubleRow);
        f.Show(QSize(320, 240));
        std::atomic<int> reads{0}; // frames that found the model free
        std::atomic<bool> done{false}, stalled{false};
        std::thread worker([&] {
            QRandomGenerator rng(42);
            for (int i = 0; i < 300; ++i) {
                data.Lock();
                fill(rng, rng.bounded(3, 300));
                data.Unlock();
                const int column = rng.bounded(-1, data.ColumnCount + 1); // maybe out of range
                for (int k = 0; k < 2; ++k) { // the second sort reverses the first
                    data.Lock();
                    data.Sort(column);
                    sorted = column >= 0 && column < data.ColumnCount;
                    data.RemoveRow(rng.bounded(rowCount--));
                    data.RemoveRow(k ? -1 : rowCount); // out of range: nothing happens
                    data.Unlock();
                }
                // Lets the GUI thread in, however the threads are scheduled.
                stalled = stalled || !AwaitChange(reads, reads);
            }
            done = true;
        });
        QString error;
        int withRows = 0;
        for (int frame = 0; !done; ++frame) {
            const bool read = data.TryLock();
            if (read) {
                error = error.isEmpty() ? check() : error;
                data.Unlock();
            }
            f.grid.SetVScrollBarValue(frame * 997 % qMax(f.grid.ScrollSize().height(), 1));
            f.grid.SetHScrollBarValue(frame * 7 % 120);
            f.grid.repaint();
            // The pointer over the rows (the text column: a click toggles no check cell), as a
            // user moves and clicks while rows arrive.
            const QPoint at(50, headerHeight + 1 + frame * 13 % 200);
            WexalTest::MouseMove(&f.grid, at);
            WexalTest::MousePress(&f.grid, at);
            WexalTest::MouseRelease(&f.grid, at);
            // Rows, or the background alone when the worker had the lock.
            withRows += Grab(f.grid).pixelColor(50, headerHeight + 1) == doubleRow;
            if (frame % 25 == 24) {
                data.Lock();
                f.grid.UpdateData();
                data.Unlock();
            }
            QCoreApplication::processEvents();
            reads += read;
        }
        worker.join();
        QCOMPARE(error, QString());
        QVERIFY(!stalled);
        QVERIFY(withRows > 0);
    }
};

WEXAL_TEST_MAIN(TestWGridListThreads)
#include "tst_wgridlistthreads.moc"
