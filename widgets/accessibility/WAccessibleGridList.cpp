#include "WAccessibleGridList_p.h"

#include "WBase.h"
#include "WGridList.h"
#include "WGridListData.h"

#include <QPointer>
#include <QTimer>

#include <climits>

#include <algorithm>

namespace {

// Children: the header row, then the cells, each row as wide as the table.
qint64 cellKey(int row, int column)
{
    return (qint64(row + 1) << 32) | quint32(column);
}

// What a cell says: its text, else what its widget says of itself. Read under the model's lock,
// which is not waited for.
struct CellFacts
{
    bool found = false;
    QString text;
    int type = WGridListCell::TextCell;
    bool checked = false;
};

CellFacts readCell(const WGridList* grid, int modelRow, int column)
{
    CellFacts facts;
    WGridListData* data = grid->DataSource();
    if (!data || !data->TryLock())
        return facts;
    const WGridListRow* row =
        modelRow >= 0 && modelRow < data->Rows.size() ? data->Rows.at(modelRow) : nullptr;
    QPointer<WBase> widget;
    if (row && column >= 0 && column < row->CellCount()) {
        const WGridListCell& cell = row->Cells[column];
        facts.found = true;
        facts.text = cell.Text;
        facts.type = cell.Type;
        facts.checked = cell.IsChecked();
        widget = cell.Widget();
    }
    data->Unlock();
    // The widget is asked outside the lock: its interface is the widget's own code.
    if (facts.text.isEmpty() && widget) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget.data())) {
            facts.text = face->text(QAccessible::Name);
            if (facts.text.isEmpty())
                facts.text = face->text(QAccessible::Value);
        }
    }
    return facts;
}

// The left edge of a column in grid coordinates, as the grid draws it from its first column.
qint64 columnLeft(const WGridList* grid, int column)
{
    const QList<WGridListColumn>& columns = grid->Columns();
    qint64 x = qint64(grid->HeaderRect().left()) - grid->ColumnOffset();
    const int first = grid->FirstColumn();
    for (int c = first; c < column && c < columns.size(); ++c)
        x += columns.at(c).Width;
    for (int c = column; c < first && c < columns.size(); ++c)
        x -= columns.at(c).Width;
    return x;
}

QRect boundedRect(qint64 x, qint64 y, qint64 w, qint64 h)
{
    constexpr qint64 limit = qint64(1) << 28;
    return QRect(int(qBound(-limit, x, limit)), int(qBound(-limit, y, limit)),
                 int(qBound(qint64(0), qint64(w), qint64(limit))),
                 int(qBound(qint64(0), qint64(h), qint64(limit))));
}

} // namespace

WAccessibleGridList::WAccessibleGridList(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::Table)
{
}

WAccessibleGridList::~WAccessibleGridList() = default;

void WAccessibleGridList::Forget(const Snapshot& s) const
{
    // A model being filled elsewhere reads as empty for a moment; its cells are still there.
    if (!s.read && Grid()->DataSource())
        return;
    const int rows = int(s.rows.size());
    if (rows < seenRows || s.columns < seenColumns) {
        cells.RemoveIf([rows, columns = s.columns](qint64 key) {
            return (key >> 32) - 1 >= rows || int(quint32(key)) >= columns;
        });
    }
    seenRows = rows;
    seenColumns = s.columns;
}

WGridList* WAccessibleGridList::Grid() const
{
    return static_cast<WGridList*>(widget());
}

WAccessibleGridList::Snapshot WAccessibleGridList::Take(const WGridList* grid)
{
    Snapshot s;
    WGridListData* data = grid->DataSource();
    if (!data || !data->TryLock())
        return s;
    s.read = true;
    s.columns = qBound(0, data->ColumnCount, int(grid->Columns().size()));
    if (data->ShowRows) {
        const WGridListRow* selected = grid->SelectedRow();
        for (int r = 0; r < data->Rows.size(); ++r) {
            const WGridListRow* row = data->Rows.at(r);
            if (!row || !row->Visible)
                continue;
            if (row == selected)
                s.selected = s.rows.size();
            s.rows.append(r);
        }
    }
    data->Unlock();
    return s;
}

QAccessibleInterface* WAccessibleGridList::Cell(int row, int column) const
{
    if (QAccessibleInterface* kept = cells.Find(cellKey(row, column)))
        return kept;
    auto* self = const_cast<WAccessibleGridList*>(this);
    return cells.Insert(cellKey(row, column), new WAccessibleGridCell(self, row, column));
}

void* WAccessibleGridList::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return WAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* WAccessibleGridList::focusChild() const
{
    if (!Grid()->hasFocus())
        return nullptr;
    const Snapshot s = Take(Grid());
    return s.selected >= 0 && s.columns > 0 ? Cell(s.selected, 0) : nullptr;
}

int WAccessibleGridList::childCount() const
{
    const Snapshot s = Take(Grid());
    Forget(s);
    return int(qMin<qint64>(INT_MAX, qint64(s.rows.size() + 1) * s.columns));
}

QAccessibleInterface* WAccessibleGridList::child(int index) const
{
    const Snapshot s = Take(Grid());
    Forget(s);
    if (index < 0 || s.columns == 0 || index >= qint64(s.rows.size() + 1) * s.columns)
        return nullptr;
    return Cell(index / s.columns - 1, index % s.columns);
}

int WAccessibleGridList::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = dynamic_cast<const WAccessibleGridCell*>(child);
    return cell && cell->table() == this && cell->isValid() ? cell->ChildIndex() : -1;
}

QAccessibleInterface* WAccessibleGridList::childAt(int x, int y) const
{
    const WGridList* grid = Grid();
    const QPoint local = grid->mapFromGlobal(QPoint(x, y));
    const Snapshot s = Take(grid);
    Forget(s);
    for (int c = 0; c < s.columns; ++c) {
        const qint64 left = columnLeft(grid, c);
        if (local.x() < left || local.x() >= left + grid->Columns().at(c).Width)
            continue;
        if (grid->HeaderRect().contains(local))
            return Cell(-1, c);
        for (int r = 0; r < s.rows.size(); ++r) {
            QAccessibleInterface* cell = Cell(r, c);
            if (cell->rect().contains(x, y))
                return cell;
        }
    }
    return nullptr;
}

QAccessibleInterface* WAccessibleGridList::caption() const
{
    return nullptr;
}

QAccessibleInterface* WAccessibleGridList::summary() const
{
    return nullptr;
}

QAccessibleInterface* WAccessibleGridList::cellAt(int row, int column) const
{
    const Snapshot s = Take(Grid());
    Forget(s);
    if (row < 0 || row >= s.rows.size() || column < 0 || column >= s.columns)
        return nullptr;
    return Cell(row, column);
}

int WAccessibleGridList::columnCount() const
{
    return Take(Grid()).columns;
}

int WAccessibleGridList::rowCount() const
{
    const Snapshot s = Take(Grid());
    return s.columns > 0 ? int(s.rows.size()) : 0;
}

int WAccessibleGridList::selectedCellCount() const
{
    const Snapshot s = Take(Grid());
    return s.selected >= 0 ? s.columns : 0;
}

int WAccessibleGridList::selectedColumnCount() const
{
    return 0;
}

int WAccessibleGridList::selectedRowCount() const
{
    const Snapshot s = Take(Grid());
    return s.selected >= 0 && s.columns > 0 ? 1 : 0;
}

QString WAccessibleGridList::columnDescription(int column) const
{
    return Grid()->Columns().value(column).Text;
}

QString WAccessibleGridList::rowDescription(int) const
{
    return QString();
}

QList<QAccessibleInterface*> WAccessibleGridList::selectedCells() const
{
    const Snapshot s = Take(Grid());
    QList<QAccessibleInterface*> selected;
    if (s.selected >= 0) {
        for (int c = 0; c < s.columns; ++c)
            selected.append(Cell(s.selected, c));
    }
    return selected;
}

QList<int> WAccessibleGridList::selectedColumns() const
{
    return {};
}

QList<int> WAccessibleGridList::selectedRows() const
{
    const Snapshot s = Take(Grid());
    if (s.selected >= 0 && s.columns > 0)
        return {s.selected};
    return {};
}

bool WAccessibleGridList::isColumnSelected(int) const
{
    return false;
}

bool WAccessibleGridList::isRowSelected(int row) const
{
    const Snapshot s = Take(Grid());
    return row >= 0 && row == s.selected;
}

// One row at most is selected: selecting another moves the selection, as a click would (but
// without the click's signal).
bool WAccessibleGridList::selectRow(int row)
{
    const Snapshot s = Take(Grid());
    WGridListData* data = Grid()->DataSource();
    if (row < 0 || row >= s.rows.size() || !data || !data->TryLock())
        return false;
    const int modelRow = s.rows.at(row);
    WGridListRow* target = modelRow < data->Rows.size() ? data->Rows.at(modelRow) : nullptr;
    data->Unlock();
    if (!target)
        return false;
    Grid()->SetSelectedRow(target);
    return true;
}

bool WAccessibleGridList::selectColumn(int)
{
    return false;
}

bool WAccessibleGridList::unselectRow(int row)
{
    if (!isRowSelected(row))
        return false;
    Grid()->SetSelectedRow(nullptr);
    return true;
}

bool WAccessibleGridList::unselectColumn(int)
{
    return false;
}

// Cells are kept by position and read afresh every time: nothing is cached that a change of
// the model could make wrong.
void WAccessibleGridList::modelChange(QAccessibleTableModelChangeEvent*) {}

WAccessibleGridCell::WAccessibleGridCell(WAccessibleGridList* table, int row, int column)
    : gridInterface(table), row(row), column(column)
{
}

int WAccessibleGridCell::ChildIndex() const
{
    const WAccessibleGridList::Snapshot s = WAccessibleGridList::Take(gridInterface->Grid());
    return (row + 1) * s.columns + column;
}

bool WAccessibleGridCell::isValid() const
{
    if (!gridInterface->isValid())
        return false;
    const WAccessibleGridList::Snapshot s = WAccessibleGridList::Take(gridInterface->Grid());
    return column < s.columns && row < s.rows.size();
}

QObject* WAccessibleGridCell::object() const
{
    return nullptr;
}

QWindow* WAccessibleGridCell::window() const
{
    return gridInterface->window();
}

QAccessibleInterface* WAccessibleGridCell::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* WAccessibleGridCell::parent() const
{
    return gridInterface;
}

QAccessibleInterface* WAccessibleGridCell::child(int) const
{
    return nullptr;
}

int WAccessibleGridCell::childCount() const
{
    return 0;
}

int WAccessibleGridCell::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString WAccessibleGridCell::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name && t != QAccessible::Value)
        return QString();
    const WGridList* grid = gridInterface->Grid();
    if (row < 0)
        return t == QAccessible::Name ? grid->Columns().value(column).Text : QString();
    const WAccessibleGridList::Snapshot s = WAccessibleGridList::Take(grid);
    if (row >= s.rows.size())
        return QString();
    return readCell(grid, s.rows.at(row), column).text;
}

void WAccessibleGridCell::setText(QAccessible::Text, const QString&) {}

QRect WAccessibleGridCell::rect() const
{
    const WGridList* grid = gridInterface->Grid();
    const qint64 x = columnLeft(grid, column);
    const qint64 w = grid->Columns().value(column).Width;
    QRect local;
    if (row < 0) {
        local = boundedRect(x, grid->HeaderRect().top(), w, grid->HeaderRect().height());
    } else {
        const WAccessibleGridList::Snapshot s = WAccessibleGridList::Take(grid);
        // Rows are drawn from the first row in view down, one row height each.
        const auto first = std::lower_bound(s.rows.begin(), s.rows.end(), grid->FirstRow());
        const qint64 before = qint64(row) - (first - s.rows.begin());
        const qint64 y =
            qint64(grid->RowsRect().top()) - grid->RowOffset() + before * grid->RowHeight();
        local = boundedRect(x, y, w, grid->RowHeight());
    }
    return QRect(grid->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role WAccessibleGridCell::role() const
{
    return row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State WAccessibleGridCell::state() const
{
    const WGridList* grid = gridInterface->Grid();
    QAccessible::State s;
    s.invisible = !grid->isVisible();
    s.disabled = !grid->isEnabled();
    const QRect area = row < 0 ? grid->HeaderRect() : grid->RowsRect();
    const QRect shown(grid->mapToGlobal(area.topLeft()), area.size());
    s.offscreen = !shown.intersects(rect());
    if (row < 0)
        return s;
    const WAccessibleGridList::Snapshot snap = WAccessibleGridList::Take(grid);
    s.selectable = true;
    s.selected = row == snap.selected;
    s.focusable = true;
    s.focused = s.selected && column == 0 && grid->hasFocus();
    if (row < snap.rows.size()) {
        const CellFacts facts = readCell(grid, snap.rows.at(row), column);
        s.checkable = facts.type == WGridListCell::CheckCell;
        s.checked = facts.checked;
    }
    return s;
}

void* WAccessibleGridCell::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (t == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

bool WAccessibleGridCell::isSelected() const
{
    return row >= 0 && gridInterface->isRowSelected(row);
}

QList<QAccessibleInterface*> WAccessibleGridCell::columnHeaderCells() const
{
    if (row < 0)
        return {};
    return {gridInterface->Cell(-1, column)};
}

QList<QAccessibleInterface*> WAccessibleGridCell::rowHeaderCells() const
{
    return {};
}

int WAccessibleGridCell::columnIndex() const
{
    return column;
}

int WAccessibleGridCell::rowIndex() const
{
    return row;
}

int WAccessibleGridCell::columnExtent() const
{
    return 1;
}

int WAccessibleGridCell::rowExtent() const
{
    return 1;
}

QAccessibleInterface* WAccessibleGridCell::table() const
{
    return gridInterface;
}

QStringList WAccessibleGridCell::actionNames() const
{
    if (!gridInterface->Grid()->isEnabled() || !isValid())
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

// From the event loop, as a click comes: the signals run the application's slots, which may
// change the model or delete the grid.
void WAccessibleGridCell::doAction(const QString& actionName)
{
    if (!actionNames().contains(actionName))
        return;
    WGridList* grid = gridInterface->Grid();
    const int c = column;
    if (row < 0) {
        QTimer::singleShot(0, grid, [grid, c] { emit grid->ColumnHeaderClicked(c); });
        return;
    }
    const WAccessibleGridList::Snapshot s = WAccessibleGridList::Take(grid);
    const int modelRow = s.rows.value(row, -1);
    if (modelRow >= 0)
        QTimer::singleShot(0, grid, [grid, modelRow, c] { grid->ClickCell(modelRow, c); });
}

QStringList WAccessibleGridCell::keyBindingsForAction(const QString&) const
{
    return {};
}
