#pragma once

// The grid the accessibility tests read: three columns, a check and two texts headed by nothing,
// "Order" and nothing; row r reads "r-a" and "r-b", is checked when r % 3 == 0, and rows 2 and
// 4 are hidden, so that shown rows and model rows differ.
#include "../lists/GridListTestSupport.h"
#include "AccessTestSupport.h"

struct AccessGrid : GridTest::Fixture
{
    explicit AccessGrid(int rows = 6) : Fixture({40, 60, 80}, rows)
    {
        for (int r = 0; r < rows; ++r) {
            WGridListRow* row = data->Rows.at(r);
            row->Cells[0] = r % 3 == 0;
            row->Cells[1] = QStringLiteral("%1-a").arg(r);
            row->Cells[2] = QStringLiteral("%1-b").arg(r);
            row->Visible = r != 2 && r != 4;
        }
        const_cast<QList<WGridListColumn>&>(grid.Columns())[1].Text = QStringLiteral("Order");
        grid.UpdateData();
    }
    QAccessibleInterface* Table() { return AccessTest::Face(&grid); }
    QAccessibleTableInterface* Tab() { return Table()->tableInterface(); }
};
