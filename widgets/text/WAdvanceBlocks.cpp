#include "WAdvanceBlocks_p.h"

#include <algorithm>
#include <numeric>

namespace {

// Blocks made for inserted text are half full, so that typing into them splits them rarely.
constexpr int freshBlock = WAdvanceBlocks::maxBlock / 2;
// A block this short after a removal joins a neighbour when their states allow.
constexpr int minBlock = WAdvanceBlocks::maxBlock / 8;
// Blocks with more dear positions than this are measured as a whole until a query looks inside.
constexpr int dearLimit = 16;

int highestPowerOfTwo(int n)
{
    int p = 1;
    while (p * 2 <= n)
        p *= 2;
    return p;
}

} // namespace

qint64 WAdvanceBlocks::Block::SumBefore(int offset)
{
    if (offset > summed) {
        if (sums.size() < values.size() + 1)
            sums.resize(values.size() + 1);
        sums[0] = 0;
        for (int k = summed; k < offset; ++k)
            sums[size_t(k) + 1] = sums[size_t(k)] + values[size_t(k)];
        summed = offset;
    }
    return sums[size_t(offset)];
}

void WAdvanceBlocks::Clear()
{
    blocks.clear();
    totalTree.clear();
    lengthTree.clear();
    size = 0;
    pending = 0;
    pendingFrom = 0;
}

int WAdvanceBlocks::TotalledBlocks() const
{
    return int(std::count_if(blocks.cbegin(), blocks.cend(),
                             [](const Block& b) { return b.state == State::Totalled; }));
}

void WAdvanceBlocks::Rebuild()
{
    const int n = int(blocks.size());
    totalTree.assign(size_t(n) + 1, 0);
    lengthTree.assign(size_t(n) + 1, 0);
    pending = 0;
    for (int i = 1; i <= n; ++i) {
        const Block& b = blocks[size_t(i - 1)];
        totalTree[size_t(i)] += b.total;
        lengthTree[size_t(i)] += b.length;
        if (b.state == State::Unmeasured)
            ++pending;
        const int parent = i + (i & -i);
        if (parent <= n) {
            totalTree[size_t(parent)] += totalTree[size_t(i)];
            lengthTree[size_t(parent)] += lengthTree[size_t(i)];
        }
    }
    pendingFrom = 0;
}

void WAdvanceBlocks::AddToTrees(int block, qint64 total, int length)
{
    const int n = int(blocks.size());
    for (int i = block + 1; i <= n; i += i & -i) {
        totalTree[size_t(i)] += total;
        lengthTree[size_t(i)] += length;
    }
}

int WAdvanceBlocks::Start(int block) const
{
    int start = 0;
    for (int i = block; i > 0; i -= i & -i)
        start += lengthTree[size_t(i)];
    return start;
}

int WAdvanceBlocks::Locate(int pos, int& offset) const
{
    const int n = int(blocks.size());
    int k = 0;
    for (int step = highestPowerOfTwo(n); step > 0; step /= 2) {
        if (k + step <= n && lengthTree[size_t(k + step)] <= pos) {
            k += step;
            pos -= lengthTree[size_t(k)];
        }
    }
    offset = pos;
    return k;
}

void WAdvanceBlocks::SetTotal(int block, qint64 total)
{
    Block& b = blocks[size_t(block)];
    AddToTrees(block, total - b.total, 0);
    b.total = total;
}

void WAdvanceBlocks::MarkUnmeasured(int block)
{
    Block& b = blocks[size_t(block)];
    if (b.state == State::Unmeasured)
        return;
    SetTotal(block, 0);
    b.state = State::Unmeasured;
    b.values.clear();
    b.values.shrink_to_fit();
    b.sums.clear();
    b.sums.shrink_to_fit();
    b.summed = 0;
    ++pending;
    pendingFrom = std::min(pendingFrom, block);
}

void WAdvanceBlocks::Resolve(int block, Source& source)
{
    Block& b = blocks[size_t(block)];
    if (b.state == State::Resolved)
        return;
    const int start = Start(block);
    b.values.resize(size_t(b.length));
    b.summed = 0;
    qint64 total = 0;
    for (int i = 0; i < b.length; ++i) {
        b.values[size_t(i)] = source.One(start + i);
        total += b.values[size_t(i)];
    }
    if (b.state == State::Unmeasured)
        --pending;
    b.state = State::Resolved;
    SetTotal(block, total);
}

void WAdvanceBlocks::Measure(int block, Source& source)
{
    Block& b = blocks[size_t(block)];
    if (b.state != State::Unmeasured)
        return;
    const int start = Start(block);
    int dear = 0;
    for (int i = 0; i < b.length && dear <= dearLimit; ++i)
        dear += source.Dear(start + i) ? 1 : 0;
    if (dear <= dearLimit) {
        Resolve(block, source);
        return;
    }
    const qint64 total = source.Span(start, start + b.length);
    b.state = State::Totalled;
    --pending;
    SetTotal(block, total);
}

void WAdvanceBlocks::MeasureBefore(int before, Source& source)
{
    const int n = int(blocks.size());
    before = std::min(before, n);
    while (pending > 0) {
        int i = pendingFrom;
        while (i < n && blocks[size_t(i)].state != State::Unmeasured)
            ++i;
        pendingFrom = i;
        if (i >= before)
            return;
        Measure(i, source);
    }
}

int WAdvanceBlocks::SplitAt(int block, int offset)
{
    Block& b = blocks[size_t(block)];
    Block second;
    second.length = b.length - offset;
    b.length = offset;
    if (b.state == State::Resolved) {
        second.state = State::Resolved;
        second.values.assign(b.values.begin() + offset, b.values.end());
        b.values.resize(size_t(offset));
        b.Changed(offset);
        second.total = std::accumulate(second.values.cbegin(), second.values.cend(), qint64(0));
        b.total -= second.total;
    } else {
        // A total measured as a whole cannot be shared out: both parts are measured again.
        b.state = State::Unmeasured;
        b.total = 0;
        b.values.clear();
        b.summed = 0;
    }
    blocks.insert(blocks.begin() + block + 1, std::move(second));
    return block + 1;
}

void WAdvanceBlocks::InsertPositions(int pos, int count, bool& structural)
{
    if (blocks.empty() || count >= freshBlock) {
        int at = int(blocks.size());
        if (pos < size) {
            int offset = 0;
            at = Locate(pos, offset);
            if (offset > 0)
                at = SplitAt(at, offset);
        }
        std::vector<Block> fresh(size_t((count + freshBlock - 1) / freshBlock));
        for (size_t i = 0; i < fresh.size(); ++i)
            fresh[i].length = std::min(freshBlock, count - int(i) * freshBlock);
        blocks.insert(blocks.begin() + at, std::make_move_iterator(fresh.begin()),
                      std::make_move_iterator(fresh.end()));
        size += count;
        structural = true;
        return;
    }
    int offset = 0;
    int at = 0;
    if (pos >= size) {
        at = int(blocks.size()) - 1;
        offset = blocks.back().length;
    } else {
        at = Locate(pos, offset);
    }
    if (blocks[size_t(at)].state == State::Totalled)
        MarkUnmeasured(at);
    Block& b = blocks[size_t(at)];
    if (b.state == State::Resolved) {
        b.values.insert(b.values.begin() + offset, size_t(count), 0);
        b.Changed(offset);
    }
    b.length += count;
    size += count;
    AddToTrees(at, 0, count);
    if (b.length > maxBlock) {
        SplitAt(at, b.length / 2);
        structural = true;
    }
}

void WAdvanceBlocks::RemovePositions(int pos, int count, bool& structural)
{
    int offset = 0;
    const int first = Locate(pos, offset);
    int at = first;
    // Whole blocks in between go in one erase: one by one would cost their number squared.
    int wholeFrom = -1;
    int wholeCount = 0;
    size -= count;
    while (count > 0) {
        Block& b = blocks[size_t(at)];
        const int take = std::min(count, b.length - offset);
        count -= take;
        if (take == b.length) {
            if (wholeFrom < 0)
                wholeFrom = at;
            ++wholeCount;
            ++at;
            continue;
        }
        if (b.state == State::Totalled)
            MarkUnmeasured(at);
        if (b.state == State::Resolved) {
            const auto from = b.values.begin() + offset;
            const qint64 removed = std::accumulate(from, from + take, qint64(0));
            b.values.erase(from, from + take);
            b.Changed(offset);
            b.total -= removed;
            AddToTrees(at, -removed, -take);
        } else {
            AddToTrees(at, 0, -take);
        }
        b.length -= take;
        offset = 0;
        ++at;
    }
    if (wholeCount > 0) {
        blocks.erase(blocks.begin() + wholeFrom, blocks.begin() + wholeFrom + wholeCount);
        structural = true;
    }
    // Many small removals would leave many short blocks: the one at the cut joins a neighbour.
    for (int i = std::max(0, first - 1); i <= first && i + 1 < int(blocks.size()); ++i) {
        Block& a = blocks[size_t(i)];
        Block& b = blocks[size_t(i + 1)];
        if ((a.length >= minBlock && b.length >= minBlock) || a.length + b.length > maxBlock ||
            a.state == State::Totalled || b.state == State::Totalled || a.state != b.state)
            continue;
        a.values.insert(a.values.end(), b.values.begin(), b.values.end());
        a.length += b.length;
        a.total += b.total;
        blocks.erase(blocks.begin() + i + 1);
        structural = true;
        break;
    }
}

void WAdvanceBlocks::Replace(int from, int removed, int inserted, int refreshEnd, Source& source)
{
    from = std::clamp(from, 0, size);
    removed = std::clamp(removed, 0, size - from);
    inserted = std::max(0, inserted);
    bool structural = false;
    if (removed > 0)
        RemovePositions(from, removed, structural);
    if (structural) {
        Rebuild();
        structural = false;
    }
    if (inserted > 0)
        InsertPositions(from, inserted, structural);
    if (structural)
        Rebuild();

    refreshEnd = std::clamp(refreshEnd, from, size);
    for (int pos = from; pos < refreshEnd;) {
        int offset = 0;
        const int at = Locate(pos, offset);
        Block& b = blocks[size_t(at)];
        const int end = std::min(refreshEnd, pos - offset + b.length);
        if (b.state == State::Resolved) {
            b.Changed(offset);
            qint64 delta = 0;
            for (int p = pos; p < end; ++p) {
                qint32& v = b.values[size_t(offset + p - pos)];
                const qint32 now = source.One(p);
                delta += qint64(now) - v;
                v = now;
            }
            SetTotal(at, b.total + delta);
        } else {
            MarkUnmeasured(at);
        }
        pos = end;
    }
}

qint64 WAdvanceBlocks::Prefix(int n, Source& source)
{
    n = std::clamp(n, 0, size);
    if (n == 0)
        return 0;
    int offset = 0;
    const int at = n == size ? int(blocks.size()) : Locate(n, offset);
    MeasureBefore(at, source);
    qint64 sum = 0;
    for (int i = at; i > 0; i -= i & -i)
        sum += totalTree[size_t(i)];
    if (offset == 0)
        return sum;
    Resolve(at, source);
    return sum + blocks[size_t(at)].SumBefore(offset);
}

int WAdvanceBlocks::CountBelow(qint64 limit, Source& source)
{
    if (limit <= 0 || size == 0)
        return 0;
    const int n = int(blocks.size());
    // Totals are needed up to the block where the sum reaches the limit.
    while (pending > 0) {
        int u = pendingFrom;
        while (u < n && blocks[size_t(u)].state != State::Unmeasured)
            ++u;
        pendingFrom = u;
        if (u >= n)
            break;
        qint64 before = 0;
        for (int i = u; i > 0; i -= i & -i)
            before += totalTree[size_t(i)];
        if (before >= limit)
            break;
        Measure(u, source);
    }
    int k = 0;
    qint64 sum = 0;
    for (int step = highestPowerOfTwo(n); step > 0; step /= 2) {
        if (k + step <= n && sum + totalTree[size_t(k + step)] < limit) {
            k += step;
            sum += totalTree[size_t(k)];
        }
    }
    if (k >= n)
        return size;
    const int start = Start(k);
    Resolve(k, source);
    const std::vector<qint32>& values = blocks[size_t(k)].values;
    int count = 0;
    while (count < int(values.size()) && sum + values[size_t(count)] < limit)
        sum += values[size_t(count++)];
    return start + count;
}
