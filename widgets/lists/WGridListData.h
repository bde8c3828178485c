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
/// The rows a grid list shows, owned by the application rather than by the grid.
///
/// The model holds its rows in Rows, each with ColumnCount cells. Another thread may change the
/// model while a grid paints it, as long as it holds the model's lock (Lock() ... Unlock()) for the
/// whole change; the grid paints rows only when TryLock() succeeds. None of the operations below
/// lock by themselves: they run under the caller's lock. After a change of the rows, their order or
/// their visibility, call WGridList::UpdateData() on each grid that shows the model, from the GUI
/// thread.
///
/// \sa WGridList, WGridListRow
class WEXAL_EXPORT WGridListData
{
public:
    // A negative count is taken as 0.
    /// Constructs an empty model whose rows have \a columnCount cells; a negative count is taken as
    /// 0.
    explicit WGridListData(int columnCount);
    // Deletes the rows still in Rows. Grids still showing the model let go of it first, at
    // once, as if SetDataSource(nullptr) and UpdateData() had been called on each.
    /// Deletes the rows still in Rows. Grids still showing the model let go of it first, at once,
    /// as if WGridList::SetDataSource() with null and WGridList::UpdateData() had been called on
    /// each.
    ~WGridListData();
    /// Models are not copied.
    WGridListData(const WGridListData&) = delete;
    /// Models are not copied.
    WGridListData& operator=(const WGridListData&) = delete;

    // A new row of ColumnCount cells, not yet in Rows: it belongs to the caller until AddRow.
    /// Returns a new, visible row of ColumnCount empty cells, not yet in Rows: it belongs to the
    /// caller until AddRow().
    WGridListRow* CreateRow() const;
    // Appends the row; the model owns it from now on.
    /// Appends \a row to Rows; the model owns it from now on and deletes it.
    void AddRow(WGridListRow* row);
    // Deletes the row at index; an index outside the list does nothing.
    /// Deletes the row at \a index and takes it out of Rows; an index outside the list does
    /// nothing.
    void RemoveRow(int index);
    // Deletes every row and empties Rows.
    /// Deletes every row and empties Rows.
    void Clear();
    // Reorders Rows by the Text of Cells[column] (QString's operator<). Sorting the column of
    // the previous sort again flips the direction; a new column sorts ascending. A column
    // outside 0 .. ColumnCount - 1 does nothing. The order of equal keys is unspecified.
    /// Reorders Rows by the Text of each row's cell in \a column, in the order of QString's
    /// operator< (a row without that cell sorts as an empty text). Sorting the column of the
    /// previous sort again flips the direction; another column sorts ascending. SortColumn and
    /// SortDescending record the outcome. A column outside 0 ... ColumnCount - 1 does nothing.
    /// Rows with equal keys may end up in any order.
    void Sort(int column);

    // The lock knows which thread holds it when it was taken through these (not through Mutex
    // directly), so that a grid asked to let go of a model by the thread that holds its lock
    // does not wait for that thread.
    /// Takes the model's lock, waiting for it if another thread holds it. The lock is not
    /// recursive.
    void Lock();
    /// Releases the lock taken by Lock() or TryLock().
    void Unlock();
    // Takes the lock only if it is free; never waits.
    /// Takes the lock only if it is free, without waiting; returns whether it was taken.
    bool TryLock();

    /// The column of the last Sort(); 1 before any sort, so that the first Sort(1) on a new model
    /// sorts descending.
    int SortColumn = 1;
    /// Whether the last Sort() ordered descending; false by default.
    bool SortDescending = false;
    /// The lock itself. Take it through Lock(), Unlock() and TryLock(), not directly: only these
    /// let a grid see which thread holds it.
    QMutex Mutex;
    /// The rows, in the order the grid shows them; the model owns every row in the list. Grids skip
    /// null entries.
    QList<WGridListRow*> Rows;
    /// The number of cells of the rows CreateRow() makes; grids draw and hit only the columns that
    /// both they and the model have.
    int ColumnCount;
    /// Whether grids draw the rows; true by default. While false, grids show their header and
    /// background only, and the keys select no row.
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
