#pragma once

#include "wexal_export.h"

#include "WGridListRow.h"

#include <QList>
#include <QMutex>

#include <memory>

class WGridList;
struct WGridListDataPrivate;

// The rows a grid list shows, owned by the application rather than by the grid. Another
// thread may change the model while a grid paints it, as long as it holds the model's lock
// (Lock ... Unlock) for the whole change; the grid paints rows only when TryLock succeeds.
// None of the operations below lock by themselves: they run under the caller's lock.
class WEXAL_EXPORT WGridListData
{
public:
    // A negative count is taken as 0.
    explicit WGridListData(int columnCount);
    // Deletes the rows still in Rows. Grids still showing the model let go of it first, at
    // once, as if SetDataSource(nullptr) and UpdateData() had been called on each.
    ~WGridListData();
    WGridListData(const WGridListData&) = delete;
    WGridListData& operator=(const WGridListData&) = delete;

    // A new row of ColumnCount cells, not yet in Rows: it belongs to the caller until AddRow.
    WGridListRow* CreateRow() const;
    // Appends the row; the model owns it from now on.
    void AddRow(WGridListRow* row);
    // Deletes the row at index; an index outside the list does nothing.
    void RemoveRow(int index);
    // Deletes every row and empties Rows.
    void Clear();
    // Reorders Rows by the Text of Cells[column] (QString's operator<). Sorting the column of
    // the previous sort again flips the direction; a new column sorts ascending. A column
    // outside 0 .. ColumnCount - 1 does nothing. The order of equal keys is unspecified.
    void Sort(int column);

    // The lock knows which thread holds it when it was taken through these (not through Mutex
    // directly), so that a grid asked to let go of a model by the thread that holds its lock
    // does not wait for that thread.
    void Lock();
    void Unlock();
    // Takes the lock only if it is free; never waits.
    bool TryLock();

    int SortColumn = 1;
    bool SortDescending = false;
    QMutex Mutex;
    QList<WGridListRow*> Rows;
    int ColumnCount;
    bool ShowRows = true;

private:
    friend class WGridList;
    // The grids showing this model, told when it is destroyed.
    void AddViewer(WGridList* grid);
    void RemoveViewer(WGridList* grid);
    // Whether the calling thread took the lock through Lock or TryLock and holds it still.
    bool HeldByCurrentThread() const;

    const std::unique_ptr<WGridListDataPrivate> d;
};
