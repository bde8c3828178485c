#pragma once

#include "WGridListColumn.h"
#include "WScrollContainer.h"

#include <QList>
#include <QVector>

class QKeyEvent;
class WGridListData;
class WGridListRow;
class WLineEdit;
struct WGridListPrivate;

// A scrolling table over an application-owned WGridListData: a row of column headers and,
// below it, one line per visible row, each cell showing text, an image, a check mark or a live
// widget. The grid keeps only its column descriptions; the rows stay in the model, which
// another thread may fill under the model's lock while the grid is shown. Painting takes the
// model only by TryLock: a paint that finds it locked shows the header and background alone.
//
// Widgets in cells are not shown as ordinary children: the grid centres each in its cell,
// paints it itself and hands it mouse, hover, focus and key input by hand.
//
// After changing the model (rows, their order, their visibility) call UpdateData() from the
// GUI thread, which also returns the view to the top left. Painting reads visibility as it
// goes, but the scrolled extent and the mapping of scroll offsets to rows follow the model as
// it was at the last UpdateData().
class WEXAL_EXPORT WGridList : public WScrollContainer
{
    Q_OBJECT
    Q_PROPERTY(bool CanChangeColumnWidth READ CanChangeColumnWidth WRITE SetCanChangeColumnWidth)
    Q_PROPERTY(int ColumnHeaderHeight READ ColumnHeaderHeight WRITE SetColumnHeaderHeight)
    Q_PROPERTY(
        QColor ColumnHeaderBackColor READ ColumnHeaderBackColor WRITE SetColumnHeaderBackColor)
    Q_PROPERTY(QColor ColumnHeaderBackColorHover READ ColumnHeaderBackColorHover WRITE
                   SetColumnHeaderBackColorHover)
    Q_PROPERTY(
        QColor ColumnHeaderForeColor READ ColumnHeaderForeColor WRITE SetColumnHeaderForeColor)
    Q_PROPERTY(QColor ColumnHeaderForeColorHover READ ColumnHeaderForeColorHover WRITE
                   SetColumnHeaderForeColorHover)
    Q_PROPERTY(QColor ColumnHeaderGridLineColor READ ColumnHeaderGridLineColor WRITE
                   SetColumnHeaderGridLineColor)
    Q_PROPERTY(int RowHeight READ RowHeight WRITE SetRowHeight)
    Q_PROPERTY(QColor SingleRowBackColor READ SingleRowBackColor WRITE SetSingleRowBackColor)
    Q_PROPERTY(QColor DoubleRowBackColor READ DoubleRowBackColor WRITE SetDoubleRowBackColor)
    Q_PROPERTY(QColor SelectedRowBackColor READ SelectedRowBackColor WRITE SetSelectedRowBackColor)
    Q_PROPERTY(QColor RowForeColor READ RowForeColor WRITE SetRowForeColor)
    Q_PROPERTY(QColor LockedRowForeColor READ LockedRowForeColor WRITE SetLockedRowForeColor)
    Q_PROPERTY(QColor CheckFlagColor READ CheckFlagColor WRITE SetCheckFlagColor)

public:
    Q_INVOKABLE explicit WGridList(QWidget* parent = nullptr);
    ~WGridList() override;

    // Columns: appended as given (any width); ApplyColumn() makes them take effect.
    void AddColumn(int width, const QString& text);
    // One untitled column per entry, then ApplyColumn().
    void SetColumnWidth(const QVector<int>& widths);
    // Recomputes the scrolled width (the columns' total, at least the width of the grid's area
    // as it is now) and scrolls back to the first column.
    void ApplyColumn();
    const QList<WGridListColumn>& Columns() const;

    // The model is not owned. Replacing one holds the old model's lock while the pointer
    // changes (unless the calling thread holds it already); call UpdateData() afterwards. A
    // model destroyed while shown is let go of at once.
    WGridListData* DataSource() const;
    void SetDataSource(WGridListData* data);
    // Re-reads the model after a change: clears selection, locked row and hover, recomputes
    // the scrolled height, scrolls to the top left and lays out the cell widgets. Reads the
    // model without its lock: call it while no other thread changes the model (holding the
    // lock around the call is fine).
    void UpdateData();

    // The row drawn in SelectedRowBackColor; set by mouse presses, cleared by UpdateData().
    WGridListRow* SelectedRow() const;
    void SetSelectedRow(WGridListRow* row);
    // The row whose text cells are drawn in LockedRowForeColor; cleared by UpdateData().
    WGridListRow* LockedRow() const;
    void SetLockedRow(WGridListRow* row);
    // SelectedRow's index in the model's Rows; -1 without model or selection, or when the row
    // is no longer in the model.
    int SelectedRowIndex() const;

    bool CanChangeColumnWidth() const;
    void SetCanChangeColumnWidth(bool can);
    int ColumnHeaderHeight() const;
    void SetColumnHeaderHeight(int height);
    const QColor& ColumnHeaderBackColor() const;
    void SetColumnHeaderBackColor(const QColor& color);
    const QColor& ColumnHeaderBackColorHover() const;
    void SetColumnHeaderBackColorHover(const QColor& color);
    const QColor& ColumnHeaderForeColor() const;
    void SetColumnHeaderForeColor(const QColor& color);
    const QColor& ColumnHeaderForeColorHover() const;
    void SetColumnHeaderForeColorHover(const QColor& color);
    const QColor& ColumnHeaderGridLineColor() const;
    void SetColumnHeaderGridLineColor(const QColor& color);
    // The scrolled extent follows a new height at the next UpdateData().
    int RowHeight() const;
    void SetRowHeight(int height);
    const QColor& SingleRowBackColor() const;
    void SetSingleRowBackColor(const QColor& color);
    const QColor& DoubleRowBackColor() const;
    void SetDoubleRowBackColor(const QColor& color);
    const QColor& SelectedRowBackColor() const;
    void SetSelectedRowBackColor(const QColor& color);
    const QColor& RowForeColor() const;
    void SetRowForeColor(const QColor& color);
    const QColor& LockedRowForeColor() const;
    void SetLockedRowForeColor(const QColor& color);
    // Also recolours the check marks; until it is first set, check cells show nothing.
    const QColor& CheckFlagColor() const;
    void SetCheckFlagColor(const QColor& color);

    // Layout steps, run by the grid itself as sizes, columns and scroll values change.
    void ComputeDrawArea();
    void ComputeColumnTotalWidth();
    void ComputeRowTotalHeight();
    void ComputeDrawColumnStartIndex(int hValue);
    // Reads the model without its lock, as UpdateData() does.
    void ComputeDrawRowStartIndex(int vValue);
    // Fits the widgets of one column's cells to the column width and the row height.
    void CellControlLayout(int column);
    void DrawColumnsHeader(QPainter* painter);
    void DrawRow(QPainter* painter);

    // Input steps: the hit test at a point in widget coordinates, and the delivery of a mouse
    // event to the cell widget under the pointer (true when the grid treats it as taken).
    void MouseMoveDispose(const QPoint& pos);
    bool ForwardMouseEvent(QEvent* e, const QPoint& cellPoint);

    // Where the header and the rows are drawn, and what the last layout and hit test found.
    const QRect& HeaderRect() const;
    const QRect& RowsRect() const;
    int FirstColumn() const;
    int ColumnOffset() const;
    int FirstRow() const;
    int RowOffset() const;
    int HoverColumn() const;
    int HoverRow() const;
    bool IsOverHeader() const;
    bool IsOverResizeZone() const;
    bool IsResizing() const;
    const QPoint& CellPoint() const;
    // The line edit in a cell that receives the grid's keys, if any.
    WLineEdit* FocusedEditor() const;

signals:
    void ColumnHeaderClicked(int ColumnIndex);
    void RowClicked(int RowIndex, int ColumnIndex);
    void RowDoubleClicked(int RowIndex, int ColumnIndex);
    void RightClicked();

protected:
    bool event(QEvent* e) override;
    void Paint(QPainter* painter) override;
    void ScrollContainerAreaChangedEvent() override;
    void HScrollBarValueChangedEvent(int value) override;
    void VScrollBarValueChangedEvent(int value) override;

private:
    friend class WGridListData;
    // Screen readers select rows and click cells as the keys and the mouse do.
    friend class WAccessibleGridList;
    friend class WAccessibleGridCell;
    // The shown model is being destroyed: let go of it without touching it again.
    void ForgetDataSource(WGridListData* data);
    // Fits the cell widgets of columns first .. end - 1, in one walk over the rows. False when
    // the grid was deleted or let go of its model on the way.
    bool LayoutCellWidgets(int first, int end);
    void LocateFirstRow(int vValue);
    void ResolvePendingFirstRow();
    void HandlePress(QMouseEvent* e);
    // Tells a screen reader which row is selected now.
    void AnnounceSelectedRow();
    void SetFocusedEditor(WLineEdit* editor);
    // What a left click on the cell does (the row selected, a check cell flipped, RowClicked);
    // row is the model's index. False when a slot deleted the grid.
    bool ClickCell(int row, int column);
    // The keys of the keyboard switch: true when the key was used. A slot may delete the grid.
    bool HandleKey(QKeyEvent* e);

    const std::unique_ptr<WGridListPrivate> d;
};
