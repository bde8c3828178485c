#pragma once

#include "wexal_export.h"

#include "WGridListCell.h"

#include <cstddef>

class WGridListData;

/// One grid row: a fixed array of cells, made with the row, and a visibility flag.
///
/// An invisible row takes no height and cannot be hit, but keeps its index in WGridListData::Rows.
/// Rows are owned by pointer (by the data model once added) and never copied; make them with
/// WGridListData::CreateRow() so that they have the model's number of cells. Every row, however it
/// was made, is deleted with delete.
///
/// \sa WGridListData, WGridListCell
class WEXAL_EXPORT WGridListRow
{
public:
    // A negative count makes a row without cells.
    /// Constructs a visible row of \a columnCount empty text cells; a negative count makes a row
    /// without cells.
    explicit WGridListRow(int columnCount);
    /// Destroys the row and its cells, from the last to the first, with the widgets they own.
    ~WGridListRow();
    /// Rows are not copied.
    WGridListRow(const WGridListRow&) = delete;
    /// Rows are not copied.
    WGridListRow& operator=(const WGridListRow&) = delete;

    /// Allocates a row. Rows from WGridListData::CreateRow() share one block of memory with their
    /// cells; new and delete of every row go through one allocator, whichever kind of row it is.
    static void* operator new(std::size_t size);
    /// Frees a row allocated by operator new(), with its cells when they share its block.
    static void operator delete(void* block);

    // How many cells Cells holds; code that may meet rows made for another column count
    // checks an index against it before reading.
    /// How many cells Cells holds. Code that may meet rows made for another column count checks an
    /// index against it before reading.
    int CellCount() const { return cellCount; }

    /// The row's cells, CellCount() of them, indexed by column; null for a row without cells.
    WGridListCell* const Cells;
    /// Whether the row is shown; true by default. Grids read it as they paint; the scrolled height
    /// follows at the next WGridList::UpdateData().
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
