#pragma once

#include "WAccessibleWidget_p.h"

#include "WAccessibleChildCache_p.h"

class WGridList;
class WGridListData;
class WGridListRow;

// The grid list: a table whose rows are the rows the grid shows (the model's visible rows, in
// model order) and whose columns are the columns both grid and model have. Its children are the
// column headers, then the cells row by row, as Qt's own tables list them.
//
// The model may be filled by another thread under its lock. Like the grid's painting, the
// interface never waits for that lock: while another thread holds it, the table reads as empty.
class WAccessibleGridList : public WAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit WAccessibleGridList(QWidget* widget);
    ~WAccessibleGridList() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessibleInterface* focusChild() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    WGridList* Grid() const;
    // Row -1 is the header. The interface for a cell, made on first use; null outside the table.
    QAccessibleInterface* Cell(int row, int column) const;

    // What the grid shows, read under the model's lock when it can be had: the model index of
    // each shown row, and the columns. Empty while the lock is held elsewhere.
    struct Snapshot
    {
        QVector<int> rows;
        int columns = 0;
        int selected = -1; // the selected row's position in rows
        bool read = false; // false while the lock was held elsewhere
    };
    static Snapshot Take(const WGridList* grid);

private:
    // Drops the cells past what the snapshot shows, once the grid shows fewer rows or columns
    // than when they were made.
    void Forget(const Snapshot& s) const;

    mutable WAccessibleChildCache<qint64> cells;
    mutable int seenRows = 0;
    mutable int seenColumns = 0;
};

// One cell of the grid, or one column header (row -1). Its name is the cell's text, or for a
// cell that holds a widget without text, what that widget says of itself; a check cell is
// checkable. "Press" does what a left click on the cell does (on a header: ColumnHeaderClicked).
class WAccessibleGridCell : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface
{
public:
    WAccessibleGridCell(WAccessibleGridList* table, int row, int column);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int ChildIndex() const;

private:
    WAccessibleGridList* const gridInterface;
    const int row;
    const int column;
};
