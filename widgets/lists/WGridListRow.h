#pragma once

#include "wexal_export.h"

#include "WGridListCell.h"

#include <cstddef>

class WGridListData;

// One grid row: a fixed array of cells, made with the row, and a visibility flag. An
// invisible row takes no height and cannot be hit but keeps its index. Rows are owned by
// pointer (by the data model once added) and never copied; every row, however it was made, is
// deleted with delete.
class WEXAL_EXPORT WGridListRow
{
public:
    // A negative count makes a row without cells.
    explicit WGridListRow(int columnCount);
    ~WGridListRow();
    WGridListRow(const WGridListRow&) = delete;
    WGridListRow& operator=(const WGridListRow&) = delete;

    // Rows from WGridListData::CreateRow share one block of memory with their cells; these
    // keep new and delete of every row on one allocator, whichever kind of row it is.
    static void* operator new(std::size_t size);
    static void operator delete(void* block);

    // How many cells Cells holds; code that may meet rows made for another column count
    // checks an index against it before reading.
    int CellCount() const { return cellCount; }

    WGridListCell* const Cells;
    bool Visible = true;

private:
    friend class WGridListData;
    // A row with its cells in the same block, right behind it.
    static WGridListRow* CreateWithCells(int columnCount);
    WGridListRow(int columnCount, WGridListCell* cells);

    // Fills what was padding behind Visible: the row is no larger for it.
    const bool cellsInBlock = false;
    const int cellCount;
};
