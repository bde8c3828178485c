#pragma once

#include "wexal_export.h"

#include <QtGlobal>

#include <algorithm>
#include <vector>

// The advances of the characters of one line, in 1/64 pixels, kept so that an edit anywhere and
// the sum of any prefix cost O(log n) and a block's worth of work, however long the line.
//
// The line is cut into blocks of up to a few hundred positions. Each block is in one of three
// states: its values are not measured yet (a fresh paste, a text just set); only its total is
// known (measuring it position by position would be dear, so it was measured as a whole); or
// every value is known. Fenwick trees over the block totals and lengths find the block of a
// position and the sum before it. Nothing is measured before a query needs it, and a query
// measures only the blocks before the position it asks about.
class WEXAL_AUTOTEST_EXPORT WAdvanceBlocks
{
public:
    // What the owner measures. Positions are indexes into the line as it is now.
    class Source
    {
    public:
        virtual ~Source() = default;
        // The advance of position i.
        virtual qint32 One(int i) = 0;
        // The advances of positions from .. to - 1 summed, measured as a whole.
        virtual qint64 Span(int from, int to) = 0;
        // Whether One(i) is dear: blocks with many such positions are measured by Span until a
        // query needs their positions.
        virtual bool Dear(int i) = 0;
    };

    static constexpr int maxBlock = 256;

    int Size() const { return size; }
    void Clear();
    // Positions from .. from + removed - 1 make room for inserted new ones; then positions
    // from .. refreshEnd - 1 (indexes after the edit) are measured again, or left to the next
    // query when their block is not measured.
    void Replace(int from, int removed, int inserted, int refreshEnd, Source& source);
    // The sum of the first n advances; n is clamped to 0 .. Size().
    qint64 Prefix(int n, Source& source);
    // The largest n in 0 .. Size() whose Prefix is below limit, 0 when none is. Prefixes are
    // taken to grow with n, as advances are not negative.
    int CountBelow(qint64 limit, Source& source);

    // For tests: the number of blocks in each state.
    int Blocks() const { return int(blocks.size()); }
    int UnmeasuredBlocks() const { return pending; }
    int TotalledBlocks() const;

private:
    enum class State : quint8 { Unmeasured, Totalled, Resolved };
    struct Block
    {
        int length = 0;
        qint64 total = 0; // 0 while unmeasured
        State state = State::Unmeasured;
        std::vector<qint32> values; // only when resolved
        // sums[k] is the sum of values[0 .. k - 1] for k up to summed; extended on demand, cut
        // back by every change, so that the binary search of a click costs no block scans.
        std::vector<qint64> sums;
        int summed = 0;
        qint64 SumBefore(int offset);
        void Changed(int offset) { summed = std::min(summed, offset); }
    };

    int Start(int block) const; // first position of a block
    // The block holding position pos (pos < size) and pos's offset in it.
    int Locate(int pos, int& offset) const;
    void Rebuild();
    void AddToTrees(int block, qint64 total, int length);
    void SetTotal(int block, qint64 total);
    void MarkUnmeasured(int block);
    // Brings every block before `before` to a known total.
    void MeasureBefore(int before, Source& source);
    void Measure(int block, Source& source);
    void Resolve(int block, Source& source);
    // Cuts block b so that a new block starts at offset; returns the index of the second part.
    int SplitAt(int block, int offset);
    void InsertPositions(int pos, int count, bool& structural);
    void RemovePositions(int pos, int count, bool& structural);

    std::vector<Block> blocks;
    std::vector<qint64> totalTree; // Fenwick trees, 1-based
    std::vector<int> lengthTree;
    int size = 0;
    int pending = 0;     // unmeasured blocks
    int pendingFrom = 0; // no unmeasured block below this index
};
