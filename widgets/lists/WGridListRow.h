#pragma once

#include "wexal_export.h"

#include "WGridListCell.h"

// One grid row: a fixed array of cells, made with the row, and a visibility flag. An
// invisible row takes no height and cannot be hit but keeps its index. Rows are owned by
// pointer (by the data model once added) and never copied.
/// One grid row: a fixed array of cells, made with the row, and a visibility flag.
///
/// An invisible row takes no height and cannot be hit, but keeps its index in WGridListData::Rows.
/// Rows are owned by pointer (by the data model once added) and never copied; make them with
/// WGridListData::CreateRow() so that they have the model's number of cells.
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
    const int cellCount;
};
