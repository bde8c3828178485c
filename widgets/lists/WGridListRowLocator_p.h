#pragma once

#include "wexal_export.h"

#include <QList>

class WGridListRow;

// Maps a vertical scroll offset to the first row that reaches into view: the first visible
// row whose bottom lies below the offset, and how many of its pixels are scrolled off. The
// plain answer walks every row from the top, which for a million rows scrolled far down costs
// milliseconds per scroll step. Two shortcuts give exactly the walk's answer faster:
// - when the rows were last seen all visible (SetVisibility), the row is offset / height;
// - otherwise the walk resumes from the row found last time, forwards or backwards, so a
//   scroll step costs the rows it scrolls past.
// Both rest on the rows not changing between calls except through the grid's knowledge: the
// owner calls Reset() whenever the model, its rows or their visibility may have changed. A
// change of row count or row height is noticed here as well.
class WEXAL_AUTOTEST_EXPORT WGridListRowLocator
{
public:
    struct Position
    {
        int row = 0;
        int offset = 0;
    };

    // Forgets what is known about the rows.
    void Reset();
    // Counts the visible rows (null entries count as invisible) and remembers whether any
    // row was invisible, which enables the direct computation when none was.
    int CountVisible(const QList<WGridListRow*>& rows);
    Position Locate(const QList<WGridListRow*>& rows, int rowHeight, int value);

private:
    Position WalkFromAnchor(const QList<WGridListRow*>& rows, int rowHeight, int value);

    enum class Visibility { Unknown, AllVisible, SomeHidden };
    Visibility visibility = Visibility::Unknown;
    int visibilityRowCount = -1;
    // The walk's resume point: a row index in 0 .. count and the summed height of the visible
    // rows before it, valid for this row count and row height.
    int anchorRow = 0;
    qint64 anchorTop = 0;
    int anchorRowCount = -1;
    int anchorRowHeight = 0;
};
