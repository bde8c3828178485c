// The blocked prefix sums behind the line edit's positions: random edits against a plain array,
// what a query measures (only the blocks before it), and what an edit measures (only what it
// touched).
#include "WAdvanceBlocks_p.h"
#include "WTestSuite.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace {

// Advances held in a plain array; counts what the blocks ask for.
class ArraySource : public WAdvanceBlocks::Source
{
public:
    std::vector<qint32> values;
    std::vector<bool> dear;
    int ones = 0;
    int spans = 0;

    qint32 One(int i) override
    {
        ++ones;
        return values.at(size_t(i));
    }
    qint64 Span(int from, int to) override
    {
        ++spans;
        return std::accumulate(values.begin() + from, values.begin() + to, qint64(0));
    }
    bool Dear(int i) override { return dear.at(size_t(i)); }

    qint64 Prefix(int n) const
    {
        return std::accumulate(values.begin(), values.begin() + n, qint64(0));
    }
    void Replace(QRandomGenerator& rng, int from, int removed, int inserted, bool dearRun)
    {
        values.erase(values.begin() + from, values.begin() + from + removed);
        dear.erase(dear.begin() + from, dear.begin() + from + removed);
        std::vector<qint32> fresh(static_cast<size_t>(inserted));
        for (qint32& v : fresh)
            v = qint32(rng.bounded(0, 900));
        values.insert(values.begin() + from, fresh.begin(), fresh.end());
        dear.insert(dear.begin() + from, size_t(inserted), dearRun);
    }
};

} // namespace

class TestWAdvanceBlocks : public QObject
{
    Q_OBJECT

private slots:
    void randomEdits_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("largest"); // the largest insertion
        QTest::addColumn<bool>("dear");   // whether inserted runs are dear to measure one by one
        QTest::newRow("keystrokes") << 1u << 3 << false;
        QTest::newRow("pastes") << 2u << 2000 << false;
        QTest::newRow("dear pastes") << 3u << 2000 << true;
        QTest::newRow("mixed") << 4u << 700 << true;
    }

    // After every edit, and with edits that leave values to be measured again, prefixes and the
    // search agree with the plain array.
    void randomEdits()
    {
        QFETCH(quint32, seed);
        QFETCH(int, largest);
        QFETCH(bool, dear);
        QRandomGenerator rng(seed);
        ArraySource source;
        WAdvanceBlocks blocks;
        for (int step = 0; step < 400; ++step) {
            const int size = int(source.values.size());
            const int from = rng.bounded(size + 1);
            const int removed =
                rng.bounded(2) ? rng.bounded(size - from + 1) / (1 + rng.bounded(8)) : 0;
            const int inserted = rng.bounded(largest + 1);
            source.Replace(rng, from, removed, inserted, dear && rng.bounded(2));
            // Besides the new positions, a few after them change as context.
            const int after = from + inserted + rng.bounded(10);
            for (int i = from + inserted; i < after && i < int(source.values.size()); ++i)
                source.values[size_t(i)] = qint32(rng.bounded(0, 900));
            blocks.Replace(from, removed, inserted, after, source);
            QCOMPARE(blocks.Size(), int(source.values.size()));

            std::vector<qint64> prefix(source.values.size() + 1, 0);
            std::partial_sum(source.values.begin(), source.values.end(), prefix.begin() + 1);
            for (int probe = 0; probe < 8; ++probe) {
                const int n = rng.bounded(blocks.Size() + 1);
                QCOMPARE(blocks.Prefix(n, source), prefix[size_t(n)]);
                // The largest n whose prefix is below a limit just above, at and below a prefix.
                const qint64 limit = prefix[size_t(n)] + rng.bounded(-1, 2);
                const int expected =
                    int(std::lower_bound(prefix.begin(), prefix.end(), limit) - prefix.begin()) - 1;
                QCOMPARE(blocks.CountBelow(limit, source), qMax(0, expected));
            }
        }
        QCOMPARE(blocks.Prefix(INT_MAX, source), source.Prefix(blocks.Size()));
        QCOMPARE(blocks.Prefix(INT_MIN, source), 0);
        QCOMPARE(blocks.CountBelow(0, source), 0);
        QCOMPARE(blocks.CountBelow(std::numeric_limits<qint64>::max(), source), blocks.Size());
    }

    void queriesMeasureOnlyWhatTheyNeed()
    {
        QRandomGenerator rng(7);
        ArraySource source;
        WAdvanceBlocks blocks;
        const int n = 200000;
        source.Replace(rng, 0, 0, n, false);
        std::fill(source.dear.begin() + n / 2, source.dear.end(), true);
        blocks.Replace(0, 0, n, n, source);
        QCOMPARE(source.ones + source.spans, 0); // a new text is measured when it is looked at
        QCOMPARE(blocks.Prefix(10, source), source.Prefix(10));
        QVERIFY(source.ones <= WAdvanceBlocks::maxBlock);
        QVERIFY(blocks.UnmeasuredBlocks() > 0);

        // Dear blocks are measured as a whole; a query inside one measures that one alone.
        QCOMPARE(blocks.Prefix(n, source), source.Prefix(n));
        QVERIFY(source.spans > 0);
        const int totalled = blocks.TotalledBlocks();
        QVERIFY(totalled > 0);
        QCOMPARE(blocks.Prefix(n - 5, source), source.Prefix(n - 5));
        QCOMPARE(blocks.TotalledBlocks(), totalled - 1);
        QCOMPARE(blocks.UnmeasuredBlocks(), 0);
    }

    void typingMeasuresOnePosition()
    {
        QRandomGenerator rng(9);
        ArraySource source;
        WAdvanceBlocks blocks;
        const int n = 20000;
        source.Replace(rng, 0, 0, n, false);
        blocks.Replace(0, 0, n, n, source);
        QCOMPARE(blocks.Prefix(n, source), source.Prefix(n));
        // At the end and in the middle, through block splits.
        for (int i = 0; i < 2000; ++i) {
            const int at = i % 2 ? blocks.Size() : n / 2 + i;
            source.ones = 0;
            source.Replace(rng, at, 0, 1, false);
            blocks.Replace(at, 0, 1, at + 1, source);
            QCOMPARE(source.ones, 1);
            if (i % 50 == 0) {
                QCOMPARE(blocks.Prefix(at + 1, source), source.Prefix(at + 1));
                QCOMPARE(source.ones, 1);
            }
        }
        QCOMPARE(blocks.Prefix(blocks.Size(), source), source.Prefix(blocks.Size()));
    }
};

WEXAL_TEST_MAIN(TestWAdvanceBlocks)
#include "tst_wadvanceblocks.moc"
