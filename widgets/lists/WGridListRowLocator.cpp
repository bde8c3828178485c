#include "WGridListRowLocator_p.h"

#include "WGridListRow.h"

namespace {

inline bool IsShown(const WGridListRow* row)
{
    return row && row->Visible;
}

// With a height of 0 or less the remaining offset never shrinks: the first visible row
// qualifies at once or no row ever does.
WGridListRowLocator::Position FlatRows(const QList<WGridListRow*>& rows, int rowHeight, int value)
{
    for (int r = 0; r < rows.size(); ++r) {
        if (IsShown(rows.at(r)))
            return rowHeight > value ? WGridListRowLocator::Position{r, value}
                                     : WGridListRowLocator::Position{};
    }
    return {};
}

} // namespace

void WGridListRowLocator::Reset()
{
    visibility = Visibility::Unknown;
    visibilityRowCount = -1;
    anchorRowCount = -1;
}

int WGridListRowLocator::CountVisible(const QList<WGridListRow*>& rows)
{
    int count = 0;
    for (const WGridListRow* row : rows)
        count += IsShown(row) ? 1 : 0;
    visibility = count == rows.size() ? Visibility::AllVisible : Visibility::SomeHidden;
    visibilityRowCount = rows.size();
    return count;
}

WGridListRowLocator::Position WGridListRowLocator::Locate(const QList<WGridListRow*>& rows,
                                                          int rowHeight, int value)
{
    const int count = rows.size();
    if (count == 0)
        return {};
    if (rowHeight <= 0)
        return FlatRows(rows, rowHeight, value);
    if (visibility == Visibility::AllVisible && visibilityRowCount == count) {
        // Every row takes rowHeight: the walk stops at row value / rowHeight.
        if (value < 0)
            return {0, value};
        const int row = value / rowHeight;
        return row < count ? Position{row, value % rowHeight} : Position{};
    }
    return WalkFromAnchor(rows, rowHeight, value);
}

// The rows before the resume point take anchorTop pixels. The walk's answer is the first
// visible row whose bottom passes value; no row before a point whose top is at most value can
// be it, so the walk steps back until that holds and then forwards as the plain walk does.
WGridListRowLocator::Position WGridListRowLocator::WalkFromAnchor(const QList<WGridListRow*>& rows,
                                                                  int rowHeight, int value)
{
    const int count = rows.size();
    if (anchorRowCount != count || anchorRowHeight != rowHeight) {
        anchorRow = 0;
        anchorTop = 0;
        anchorRowCount = count;
        anchorRowHeight = rowHeight;
    }
    int r = anchorRow;
    qint64 top = anchorTop;
    while (r > 0 && top > value) {
        --r;
        if (IsShown(rows.at(r)))
            top -= rowHeight;
    }
    for (; r < count; ++r) {
        if (!IsShown(rows.at(r)))
            continue;
        if (top + rowHeight > value) {
            anchorRow = r;
            anchorTop = top;
            return {r, int(qint64(value) - top)};
        }
        top += rowHeight;
    }
    anchorRow = count;
    anchorTop = top;
    return {};
}
