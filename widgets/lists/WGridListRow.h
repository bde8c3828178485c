#pragma once

#include "wexal_export.h"

#include "WGridListCell.h"

// One grid row: a fixed array of cells, made with the row, and a visibility flag. An
// invisible row takes no height and cannot be hit but keeps its index. Rows are owned by
// pointer (by the data model once added) and never copied.
class WEXAL_EXPORT WGridListRow
{
public:
    // A negative count makes a row without cells.
    explicit WGridListRow(int columnCount);
    ~WGridListRow();
    WGridListRow(const WGridListRow&) = delete;
    WGridListRow& operator=(const WGridListRow&) = delete;

    // How many cells Cells holds; code that may meet rows made for another column count
    // checks an index against it before reading.
    int CellCount() const { return cellCount; }

    WGridListCell* const Cells;
    bool Visible = true;

private:
    const int cellCount;
};
