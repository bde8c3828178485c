#include "WGridListRow.h"

#include <QtGlobal>

WGridListRow::WGridListRow(int columnCount)
    : Cells(columnCount > 0 ? new WGridListCell[columnCount] : nullptr),
      cellCount(qMax(columnCount, 0))
{
}

// delete[] destroys the cells from the last to the first, so owned widgets go in that order.
WGridListRow::~WGridListRow()
{
    delete[] Cells;
}
