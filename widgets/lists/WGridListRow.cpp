#include "WGridListRow.h"

#include <QtGlobal>

#include <new>

static_assert(sizeof(WGridListRow) == sizeof(void*) + 2 * sizeof(int),
              "a row is its cell pointer, its flags and its cell count");

namespace {

// Where the cells of a row made by CreateWithCells begin, from the start of its block.
constexpr std::size_t cellsOffset = (sizeof(WGridListRow) + alignof(WGridListCell) - 1) /
                                    alignof(WGridListCell) * alignof(WGridListCell);

} // namespace

WGridListRow::WGridListRow(int columnCount)
    : Cells(columnCount > 0 ? new WGridListCell[columnCount] : nullptr),
      cellCount(qMax(columnCount, 0))
{
}

WGridListRow::WGridListRow(int columnCount, WGridListCell* cells)
    : Cells(cells), cellsInBlock(true), cellCount(columnCount)
{
}

// A model of a hundred thousand rows made two allocations per row, the row and its cell
// array; one block holds both, which saves the allocator's bookkeeping of the second and a
// pointer chase from the row to its cells.
WGridListRow* WGridListRow::CreateWithCells(int columnCount)
{
    const int count = qMax(columnCount, 0);
    void* block = ::operator new(cellsOffset + sizeof(WGridListCell) * std::size_t(count));
    auto* cells = reinterpret_cast<WGridListCell*>(static_cast<char*>(block) + cellsOffset);
    for (int i = 0; i < count; ++i)
        ::new (cells + i) WGridListCell;
    return ::new (block) WGridListRow(count, count > 0 ? cells : nullptr);
}

// The cells go from the last to the first, as delete[] takes them, so owned widgets go in that
// order whichever way the row was made.
WGridListRow::~WGridListRow()
{
    if (!cellsInBlock) {
        delete[] Cells;
        return;
    }
    for (int i = cellCount; i-- > 0;)
        Cells[i].~WGridListCell();
}

void* WGridListRow::operator new(std::size_t size)
{
    return ::operator new(size);
}

void WGridListRow::operator delete(void* block)
{
    ::operator delete(block);
}
