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
/// A scrolling table over an application-owned WGridListData.
///
/// The grid shows a row of column headers and, below it, one line per visible row of the model,
/// each cell holding a text, an image, a check mark or a live widget (see WGridListCell). The grid
/// keeps only its column descriptions; the rows stay in the model, which another thread may fill
/// under the model's lock while the grid is shown. Painting takes the model only by
/// WGridListData::TryLock(): a paint that finds it locked shows the header and background alone.
/// Widgets in cells are not shown as ordinary children: the grid centres each in its cell, paints
/// it itself and hands it mouse, hover, focus and key input by hand.
///
/// After changing the model (rows, their order, their visibility) call UpdateData() from the GUI
/// thread, which also returns the view to the top left. Painting reads visibility as it goes, but
/// the scrolled extent and the mapping of scroll offsets to rows follow the model as it was at the
/// last UpdateData().
///
/// The header is drawn in the ColumnHeader... colours, the rows in alternating DoubleRowBackColor()
/// and SingleRowBackColor(), the selected one in SelectedRowBackColor(); the grid's own background
/// and border come from the inherited look properties. The user selects a row by pressing it and
/// widens or narrows a column by dragging the last four pixels of its header cell, at its right (at
/// its left right to left; see CanChangeColumnWidth()). ColumnHeaderClicked(), RowClicked(),
/// RowDoubleClicked() and RightClicked() report presses. With the keyboard switch on
/// (WBase::SetKeyboardAccess()), Up, Down, Page Up, Page Down, Home and End move the selection over
/// the shown rows, Space clicks the selected row's first cell and Enter double-clicks it; Escape
/// hands the keys back from a cell's line edit to the grid.
///
/// \image html WGridList.png
/// \sa WGridListData, WGridListRow, WGridListCell, WGridListColumn
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
    /// Constructs a grid without columns or model, with horizontal and vertical scroll bars, as a
    /// child of \a parent.
    Q_INVOKABLE explicit WGridList(QWidget* parent = nullptr);
    /// Destroys the grid; the model and its rows are left to the application.
    ~WGridList() override;

    // Columns: appended as given (any width); ApplyColumn() makes them take effect.
    /// Appends a column \a width pixels wide titled \a text, taken as given. ApplyColumn() makes
    /// new columns take effect.
    void AddColumn(int width, const QString& text);
    // One untitled column per entry, then ApplyColumn().
    /// Replaces the columns with one untitled column per entry of \a widths, then runs
    /// ApplyColumn().
    void SetColumnWidth(const QVector<int>& widths);
    // Recomputes the scrolled width (the columns' total, at least the width of the grid's area
    // as it is now) and scrolls back to the first column.
    /// Recomputes the scrolled width (the columns' total, at least the width of the grid's area as
    /// it is now), scrolls back to the first column and repaints.
    void ApplyColumn();
    /// The columns, in order; empty by default. A column the user drags keeps its new width here.
    const QList<WGridListColumn>& Columns() const;

    // The model is not owned. Replacing one holds the old model's lock while the pointer
    // changes (unless the calling thread holds it already); call UpdateData() afterwards. A
    // model destroyed while shown is let go of at once.
    /// The model shown, or null (the default). The grid does not own it.
    WGridListData* DataSource() const;
    /// Sets the model to show; see DataSource(). Replacing one holds the old model's lock while the
    /// pointer changes (unless the calling thread holds it already); call UpdateData() afterwards.
    /// A model destroyed while shown is let go of at once.
    void SetDataSource(WGridListData* data);
    // Re-reads the model after a change: clears selection, locked row and hover, recomputes
    // the scrolled height, scrolls to the top left and lays out the cell widgets. Reads the
    // model without its lock: call it while no other thread changes the model (holding the
    // lock around the call is fine).
    /// Re-reads the model after a change: clears the selection, the locked row and the hover,
    /// recomputes the scrolled height, scrolls to the top left and lays out the cell widgets. Reads
    /// the model without its lock: call it while no other thread changes the model (holding the
    /// lock around the call is fine).
    void UpdateData();

    // The row drawn in SelectedRowBackColor; set by mouse presses, cleared by UpdateData().
    /// The row drawn in SelectedRowBackColor(), or null (the default). Set by presses on rows (a
    /// press on no row clears it) and by the keys; cleared by UpdateData().
    WGridListRow* SelectedRow() const;
    /// Selects \a row, which should be one of the model's rows; null clears the selection. See
    /// SelectedRow(). An equal row does nothing; the view does not scroll to it.
    void SetSelectedRow(WGridListRow* row);
    // The row whose text cells are drawn in LockedRowForeColor; cleared by UpdateData().
    /// The row whose text cells are drawn in LockedRowForeColor(), or null (the default); cleared
    /// by UpdateData().
    WGridListRow* LockedRow() const;
    /// Sets the row drawn in the locked colour; see LockedRow(). An equal row does nothing.
    void SetLockedRow(WGridListRow* row);
    // SelectedRow's index in the model's Rows; -1 without model or selection, or when the row
    // is no longer in the model.
    /// SelectedRow()'s index in the model's Rows; -1 without a model or a selection, or when the
    /// row is no longer in the model.
    int SelectedRowIndex() const;

    /// Whether the user can drag the last four pixels of a header cell to change the column's
    /// width; true by default. A dragged column keeps at least 10 pixels.
    bool CanChangeColumnWidth() const;
    /// Sets whether columns can be resized by dragging; see CanChangeColumnWidth(). Takes effect at
    /// the next pointer move.
    void SetCanChangeColumnWidth(bool can);
    /// The height of the header row, in pixels; 30 by default. The rows start below it.
    int ColumnHeaderHeight() const;
    /// Sets the height of the header row; see ColumnHeaderHeight(). An equal value does nothing;
    /// otherwise the rows area moves and the grid repaints.
    void SetColumnHeaderHeight(int height);
    /// The header row's background; an invalid QColor until set.
    const QColor& ColumnHeaderBackColor() const;
    /// Sets the header row's background; see ColumnHeaderBackColor(). An equal colour does nothing.
    void SetColumnHeaderBackColor(const QColor& color);
    /// The background of the header cell under the pointer; an invalid QColor until set.
    const QColor& ColumnHeaderBackColorHover() const;
    /// Sets the background of the header cell under the pointer; see ColumnHeaderBackColorHover().
    /// An equal colour does nothing.
    void SetColumnHeaderBackColorHover(const QColor& color);
    /// The colour of the column titles; an invalid QColor until set.
    const QColor& ColumnHeaderForeColor() const;
    /// Sets the colour of the column titles; see ColumnHeaderForeColor(). An equal colour does
    /// nothing.
    void SetColumnHeaderForeColor(const QColor& color);
    /// The colour of the title under the pointer; an invalid QColor until set.
    const QColor& ColumnHeaderForeColorHover() const;
    /// Sets the colour of the title under the pointer; see ColumnHeaderForeColorHover(). An equal
    /// colour does nothing.
    void SetColumnHeaderForeColorHover(const QColor& color);
    /// The colour of the lines between the header cells and below the header; an invalid QColor
    /// until set. No lines are drawn while it is fully transparent.
    const QColor& ColumnHeaderGridLineColor() const;
    /// Sets the colour of the header's lines; see ColumnHeaderGridLineColor(). An equal colour does
    /// nothing.
    void SetColumnHeaderGridLineColor(const QColor& color);
    // The scrolled extent follows a new height at the next UpdateData().
    /// The height of every row, in pixels; 20 by default. Rows of 0 or less are not drawn.
    int RowHeight() const;
    /// Sets the height of the rows; see RowHeight(). An equal value does nothing; otherwise the
    /// grid repaints, and the scrolled extent follows the new height at the next UpdateData().
    void SetRowHeight(int height);
    /// The background of the rows at odd indexes in the model's Rows (1, 3, ...; hidden rows
    /// count); an invalid QColor until set.
    const QColor& SingleRowBackColor() const;
    /// Sets the background of the rows at odd indexes; see SingleRowBackColor(). An equal colour
    /// does nothing.
    void SetSingleRowBackColor(const QColor& color);
    /// The background of the rows at even indexes in the model's Rows (0, 2, ...; hidden rows
    /// count); an invalid QColor until set.
    const QColor& DoubleRowBackColor() const;
    /// Sets the background of the rows at even indexes; see DoubleRowBackColor(). An equal colour
    /// does nothing.
    void SetDoubleRowBackColor(const QColor& color);
    /// The background of SelectedRow(); an invalid QColor until set.
    const QColor& SelectedRowBackColor() const;
    /// Sets the background of the selected row; see SelectedRowBackColor(). An equal colour does
    /// nothing.
    void SetSelectedRowBackColor(const QColor& color);
    /// The colour of the text cells; an invalid QColor until set.
    const QColor& RowForeColor() const;
    /// Sets the colour of the text cells; see RowForeColor(). An equal colour does nothing.
    void SetRowForeColor(const QColor& color);
    /// The colour of the text cells of LockedRow(); an invalid QColor until set.
    const QColor& LockedRowForeColor() const;
    /// Sets the colour of the locked row's text; see LockedRowForeColor(). An equal colour does
    /// nothing.
    void SetLockedRowForeColor(const QColor& color);
    // Also recolours the check marks; until it is first set, check cells show nothing.
    /// The colour of the check marks of check cells; an invalid QColor until set, and check cells
    /// show nothing until it is.
    const QColor& CheckFlagColor() const;
    /// Sets the colour of the check marks and recolours them; see CheckFlagColor(). An equal colour
    /// does nothing.
    void SetCheckFlagColor(const QColor& color);

    // Layout steps, run by the grid itself as sizes, columns and scroll values change.
    /// Recomputes HeaderRect() and RowsRect() from the container area. The grid runs this and the
    /// steps below itself as sizes, columns and scroll values change.
    void ComputeDrawArea();
    /// Recomputes the scrolled width: the columns' total, at least the width of the grid's area.
    void ComputeColumnTotalWidth();
    /// Recomputes the scrolled height from RowHeight() and the model's visible rows. Reads the
    /// model without its lock, as UpdateData() does.
    void ComputeRowTotalHeight();
    /// Finds FirstColumn() and ColumnOffset() for a horizontal scroll offset of \a hValue pixels.
    void ComputeDrawColumnStartIndex(int hValue);
    // Reads the model without its lock, as UpdateData() does.
    /// Finds FirstRow() and RowOffset() for a vertical scroll offset of \a vValue pixels, counting
    /// only visible rows.
    void ComputeDrawRowStartIndex(int vValue);
    // Fits the widgets of one column's cells to the column width and the row height.
    /// Fits the widgets in the cells of \a column: those docked to fill take the column's width and
    /// the row height, and panels and labels lay out their content again. An index outside the
    /// usable columns does nothing.
    void CellControlLayout(int column);
    /// Draws the header row: the cells, their titles, the hover and the grid lines.
    void DrawColumnsHeader(QPainter* painter);
    /// Draws the rows in view with their cells. Reads the model: call it with the model's lock
    /// held, as Paint() does.
    void DrawRow(QPainter* painter);

    // Input steps: the hit test at a point in widget coordinates, and the delivery of a mouse
    // event to the cell widget under the pointer (true when the grid treats it as taken).
    /// The hit test at \a pos, in widget coordinates: sets HoverColumn(), HoverRow(),
    /// IsOverHeader(), IsOverResizeZone() and CellPoint(), and the resize cursor over a column's
    /// grip.
    void MouseMoveDispose(const QPoint& pos);
    /// Delivers the mouse or hover event \a e to the widget in the cell under the pointer, at
    /// \a cellPoint in the cell's coordinates, with the enter and leave events the move implies.
    /// Returns true when the grid treats the event as taken by a cell widget.
    bool ForwardMouseEvent(QEvent* e, const QPoint& cellPoint);

    // Where the header and the rows are drawn, and what the last layout and hit test found.
    /// Where the header row is drawn, in widget coordinates.
    const QRect& HeaderRect() const;
    /// Where the rows are drawn and clipped, in widget coordinates.
    const QRect& RowsRect() const;
    /// The index of the first column in view, from the last horizontal scroll.
    int FirstColumn() const;
    /// How many pixels of FirstColumn() are scrolled out of view.
    int ColumnOffset() const;
    /// The model index of the first row in view, from the last vertical scroll.
    int FirstRow() const;
    /// How many pixels of FirstRow() are scrolled out of view.
    int RowOffset() const;
    /// The column under the pointer at the last hit test, or -1.
    int HoverColumn() const;
    /// The model index of the row under the pointer at the last hit test, or -1.
    int HoverRow() const;
    /// Whether the pointer was over a header cell at the last hit test.
    bool IsOverHeader() const;
    /// Whether the pointer was over a column's resize grip at the last hit test.
    bool IsOverResizeZone() const;
    /// Whether the user is dragging a column's width: from a press on the grip to the release.
    bool IsResizing() const;
    /// The pointer's position in the cell under it at the last hit test, from the cell's own top
    /// left corner (its top right corner right to left).
    const QPoint& CellPoint() const;
    // The line edit in a cell that receives the grid's keys, if any.
    /// The line edit in a cell that receives the grid's keys, or null. A press on a cell's line
    /// edit makes it the one and a press on another cell widget ends it, as do UpdateData(), the
    /// grid losing the focus, and Escape with the keyboard switch on.
    WLineEdit* FocusedEditor() const;

signals:
    /// Emitted when a header cell is pressed with the left button, with its column's index, while
    /// the grid shows a model. Not emitted for a press on the resize grip.
    void ColumnHeaderClicked(int ColumnIndex);
    /// Emitted when a row is pressed with the left button, and by Space with the keyboard switch,
    /// with the row's index in the model and the column's index. A check cell pressed has been
    /// flipped already; a press taken by a cell widget emits nothing.
    void RowClicked(int RowIndex, int ColumnIndex);
    /// Emitted when a row is double-clicked with the left button, with the row's index in the model
    /// and the column's index (-1 beyond the last column), and by Enter with the keyboard switch
    /// (with column 0).
    void RowDoubleClicked(int RowIndex, int ColumnIndex);
    /// Emitted when the grid is pressed with the right button: on the header, on a row (which is
    /// selected first) or on empty space; not on a column's resize grip, nor on a cell widget that
    /// takes the press.
    void RightClicked();

protected:
    /// Handles the pointer (hit testing, column resizing, selection, forwarding to cell widgets),
    /// the keys and the focus.
    bool event(QEvent* e) override;
    /// Draws the background, the border, the header and, when the model's lock is free, the rows.
    void Paint(QPainter* painter) override;
    /// Recomputes HeaderRect() and RowsRect().
    void ScrollContainerAreaChangedEvent() override;
    /// Scrolls the columns to \a value pixels and repaints.
    void HScrollBarValueChangedEvent(int value) override;
    /// Scrolls the rows to \a value pixels and repaints; the first row is found under the model's
    /// lock, now if it is free, else at the next paint.
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
