// The input half of WGridList: hit testing, column resizing, selection, check toggling, the
// grid's signals, and the hand delivery of events to the widgets that live in its cells, which
// Qt's own delivery never reaches because the grid paints them itself.
#include "WGridList.h"
#include "WGridList_p.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WDrawAPI.h"
#include "WEvent.h"
#include "WGridListData.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"
#include "WRightPress_p.h"

#include <QCursor>
#include <QFocusEvent>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <climits>

namespace {

// Straight to the receiver's handler: no event filters, no propagation to its parents, no
// focus or hover side effects of QApplication. QObject::event is public, and the call is
// virtual, so the widget's own override runs.
bool deliver(QWidget* receiver, QEvent* e)
{
    return static_cast<QObject*>(receiver)->event(e);
}

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

} // namespace

// Right to left the columns run from the right: a pointer is hit-tested as the mirror image of
// where it is, across the header's width, so that hovering, the resize grip (then at a cell's
// left edge) and dragging a column wider all work as left to right.
static QPoint logical(const QPoint& pos, const QRect& header, bool mirrored)
{
    const qint64 x = WMirror::X<qint64>(pos.x(), header.left(), header.right(), mirrored);
    return QPoint(WPixels::Bounded(x), pos.y());
}

WGridListRowsLock::WGridListRowsLock(WGridListData* data)
    : data(data), taken(data && data->TryLock())
{
}

WGridListRowsLock::~WGridListRowsLock()
{
    Release();
}

void WGridListRowsLock::Release()
{
    if (taken)
        data->Unlock();
    taken = false;
}

void WGridList::MouseMoveDispose(const QPoint& widgetPos)
{
    const QPoint pos = logical(widgetPos, d->headerRect, isRightToLeft());
    d->hoverColumn = -1;
    d->hoverRow = -1;
    d->overHeader = false;
    d->overResizeZone = false;
    const WGridListRowsLock locked(d->dataSource);
    if (locked.Rows())
        ResolvePendingFirstRow();

    qint64 x = qint64(pos.x()) + d->columnOffset - d->headerRect.left();
    for (int c = d->firstColumn; c < d->columns.size(); ++c) {
        const int width = d->columns.at(c).Width;
        if (width > x) {
            d->hoverColumn = c;
            if (pos.y() < d->headerRect.bottom()) {
                d->overHeader = true;
                // The grip is the last four pixels of the header cell.
                d->overResizeZone = d->canChangeColumnWidth && x >= qint64(width) - 4;
            }
            break;
        }
        x -= width;
    }

    qint64 y = qint64(pos.y()) + d->rowOffset - d->rowsRect.top();
    const int rowHeight = d->rowHeight;
    if (pos.y() > d->headerRect.bottom() && locked.Rows()) {
        const QList<WGridListRow*>& rows = locked.Rows()->Rows;
        for (int r = d->firstRow; r < rows.size(); ++r) {
            const WGridListRow* row = rows.at(r);
            if (!row || !row->Visible)
                continue;
            if (rowHeight > y) {
                d->hoverRow = r;
                break;
            }
            // Rows without height never shrink what is left: no later row can be hit.
            if (rowHeight <= 0)
                break;
            y -= rowHeight;
        }
    }

    // The point in the cell, from the cell's own left edge on screen: what a cell widget hears.
    if (d->hoverRow >= 0 && d->hoverColumn >= 0 && isRightToLeft())
        x = qint64(d->columns.at(d->hoverColumn).Width) - 1 - x;
    if (d->hoverRow >= 0 && d->hoverColumn >= 0)
        d->cellPoint = QPoint(WPixels::Bounded(x), WPixels::Bounded(y));
    if (d->canChangeColumnWidth)
        setCursor(d->overResizeZone ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

bool WGridList::ForwardMouseEvent(QEvent* e, const QPoint& cellPoint)
{
    QWidget* target = nullptr;
    QPoint local = cellPoint;
    const int column = d->hoverColumn;
    const int row = d->hoverRow;
    {
        const WGridListRowsLock locked(d->dataSource);
        const WGridListData* data = locked.Rows();
        if (data && column >= 0 && row >= 0 && column < d->UsableColumns() &&
            row < data->Rows.size()) {
            const WGridListRow* r = data->Rows.at(row);
            WBase* widget = r && column < r->CellCount() ? r->Cells[column].Widget() : nullptr;
            if (widget && widget->geometry().contains(cellPoint)) {
                local = cellPoint - widget->pos();
                target = WDrawAPI::GetChildAt(widget, local, true, true);
            }
        }
    }

    // Every delivery runs a cell widget's code, which may delete that widget, others (by
    // changing the model) or this grid; the grid then reports the event as taken and stops.
    const WAliveGuard alive(this);
    const WAliveGuard targetAlive(target);
    bool taken = false;
    const QEvent::Type type = e->type();
    auto* mouse = isMouseEvent(type) ? static_cast<QMouseEvent*>(e) : nullptr;
    if (target && mouse) {
        if (type == QEvent::MouseButtonPress) {
            d->pressedWidget = target;
            if (target != d->focusedEditor) {
                SetFocusedEditor(qobject_cast<WLineEdit*>(target));
                if (!alive)
                    return true;
            }
        }
        if (targetAlive && type != QEvent::MouseButtonRelease) {
            QMouseEvent forwarded(type, QPointF(local), QPointF(local), QPointF(QCursor::pos()),
                                  mouse->button(), mouse->buttons(), mouse->modifiers());
            deliver(target, &forwarded);
            if (!alive)
                return true;
            taken = true;
        }
    }
    if (type == QEvent::MouseButtonRelease && d->pressedWidget) {
        const QPointF at(targetAlive ? local : QPoint(0, 0));
        QMouseEvent forwarded(type, at, at, QPointF(QCursor::pos()), mouse->button(),
                              mouse->buttons(), mouse->modifiers());
        QWidget* pressed = d->pressedWidget;
        d->pressedWidget = nullptr;
        deliver(pressed, &forwarded);
        if (!alive)
            return true;
        taken = true;
    }
    QWidget* hovered = targetAlive ? target : nullptr;
    if (hovered != d->hoverWidget.data()) {
        if (QWidget* left = d->hoverWidget) {
            d->hoverWidget = nullptr;
            QEvent leave(QEvent::Leave);
            deliver(left, &leave);
            if (!alive)
                return true;
        }
        // The Leave may have taken the target with it.
        if (targetAlive) {
            d->hoverWidget = target;
            const QPointF at(local);
            QEnterEvent enter(at, at, at);
            deliver(target, &enter);
            if (!alive)
                return true;
        }
        taken = true;
    }
    return taken;
}

// The old editor hears that it lost the focus before it is forgotten; the new one hears that
// it has it and from then on sends its repaint requests to the grid, which paints it. Either
// editor's handler may delete editors (by changing the model, say) or this grid.
void WGridList::SetFocusedEditor(WLineEdit* editor)
{
    if (editor == d->focusedEditor)
        return;
    const WAliveGuard alive(this);
    const WAliveGuard editorAlive(editor);
    if (WLineEdit* old = d->focusedEditor) {
        d->focusedEditor = nullptr;
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        deliver(old, &out);
        if (!alive)
            return;
    }
    if (!editorAlive)
        return;
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    deliver(editor, &in);
    if (!alive || !editorAlive)
        return;
    d->focusedEditor = editor;
    editor->SetUpdateHook(this);
}

void WGridList::HandlePress(QMouseEvent* e)
{
    const bool left = e->button() == Qt::LeftButton;
    WGridListData* data = d->dataSource;
    if (d->overResizeZone) {
        d->resizing = true;
        d->dragLast = logical(WPixels::Round(WEventPos(e)), d->headerRect, isRightToLeft());
    } else if (!data) {
        if (!left)
            WRightPress::Emit(this, [this] { emit RightClicked(); });
    } else if (d->overHeader) {
        if (left)
            emit ColumnHeaderClicked(d->hoverColumn);
        else
            WRightPress::Emit(this, [this] { emit RightClicked(); });
    } else {
        WGridListRowsLock locked(data);
        if (!locked.Rows())
            return;
        const int r = d->hoverRow;
        const int c = d->hoverColumn;
        WGridListRow* row = r >= 0 && r < data->Rows.size() ? data->Rows.at(r) : nullptr;
        d->selectedRow = row;
        if (left && row && c >= 0 && c < d->UsableColumns() && c < row->CellCount()) {
            WGridListCell& cell = row->Cells[c];
            if (cell.Type == WGridListCell::CheckCell)
                cell.Value.Check = cell.Value.Check ? 0 : 1;
        }
        locked.Release();
        AnnounceSelectedRow();
        if (!left) {
            WRightPress::Emit(this, [this] { emit RightClicked(); });
        } else if (c >= 0 && r >= 0) {
            emit RowClicked(r, c);
        }
    }
}

bool WGridList::ClickCell(int row, int column)
{
    WGridListRowsLock locked(d->dataSource);
    WGridListData* data = locked.Rows();
    WGridListRow* target =
        data && row >= 0 && row < data->Rows.size() ? data->Rows.at(row) : nullptr;
    if (!target)
        return true;
    d->selectedRow = target;
    if (column >= 0 && column < d->UsableColumns() && column < target->CellCount()) {
        WGridListCell& cell = target->Cells[column];
        if (cell.Type == WGridListCell::CheckCell)
            cell.Value.Check = cell.Value.Check ? 0 : 1;
    }
    locked.Release();
    update();
    AnnounceSelectedRow();
    const WAliveGuard alive(this);
    emit RowClicked(row, column);
    return alive.Alive();
}

// Up, Down, Page Up, Page Down, Home and End move the selection over the rows the grid shows
// and scroll it into view; Space clicks the selected row's first cell and Enter double-clicks
// it. The model is read under its lock, which is not waited for: while another thread holds
// it, the key does nothing.
bool WGridList::HandleKey(QKeyEvent* e)
{
    const int key = e->key();
    const bool activate = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Space || activate) {
        const int row = SelectedRowIndex();
        if (row < 0)
            return true;
        if (key == Qt::Key_Space)
            ClickCell(row, 0);
        else
            emit RowDoubleClicked(row, 0);
        return true;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_PageUp &&
        key != Qt::Key_PageDown && key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    WGridListData* data = d->dataSource;
    if (!data || !data->TryLock())
        return true;
    QVector<int> shown;
    int current = -1;
    if (data->ShowRows) {
        for (int r = 0; r < data->Rows.size(); ++r) {
            const WGridListRow* row = data->Rows.at(r);
            if (!row || !row->Visible)
                continue;
            if (row == d->selectedRow)
                current = shown.size();
            shown.append(r);
        }
    }
    if (shown.isEmpty()) {
        data->Unlock();
        return true;
    }
    const int last = shown.size() - 1;
    const int page = d->rowHeight > 0 ? qMax(1, d->rowsRect.height() / d->rowHeight) : 1;
    int target = current;
    switch (key) {
    case Qt::Key_Up:
        target = current - 1;
        break;
    case Qt::Key_Down:
        target = current + 1;
        break;
    case Qt::Key_PageUp:
        target = current - page;
        break;
    case Qt::Key_PageDown:
        target = current + page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    default:
        target = last;
        break;
    }
    target = qBound(0, target, last);
    WGridListRow* row = data->Rows.at(shown.at(target));
    data->Unlock();
    if (row == d->selectedRow)
        return true;
    d->selectedRow = row;
    // The rows scroll by whole row heights over the shown rows.
    const qint64 top = qint64(target) * d->rowHeight;
    const qint64 view = d->rowsRect.height();
    if (top < VScrollBarValue())
        SetVScrollBarValue(int(top));
    else if (top + d->rowHeight > VScrollBarValue() + view)
        SetVScrollBarValue(int(qMin<qint64>(top, top + d->rowHeight - view)));
    update();
    AnnounceSelectedRow();
    return true;
}

// Forwarding runs cell widgets' code and the signals run the application's: after each, the
// grid may be gone (deleted, or its parent deleted), and the event ends there.
bool WGridList::event(QEvent* e)
{
    const WAliveGuard alive(this);
    switch (static_cast<int>(e->type())) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(e);
        MouseMoveDispose(WPixels::Round(WEventPos(mouse)));
        const bool taken = ForwardMouseEvent(e, d->cellPoint);
        if (alive && !taken)
            HandlePress(mouse);
        if (!alive)
            return true;
        update();
        break;
    }
    case QEvent::MouseButtonRelease: {
        d->resizing = false;
        MouseMoveDispose(WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e))));
        const bool taken = ForwardMouseEvent(e, d->cellPoint);
        if (!alive)
            return true;
        if (taken)
            update();
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(e);
        MouseMoveDispose(WPixels::Round(WEventPos(mouse)));
        const bool taken = ForwardMouseEvent(e, d->cellPoint);
        if (!alive)
            return true;
        if (taken)
            update();
        else if (mouse->button() == Qt::LeftButton && d->hoverRow >= 0)
            emit RowDoubleClicked(d->hoverRow, d->hoverColumn);
        if (!alive)
            return true;
        break;
    }
    case QEvent::MouseMove: {
        // No hit test: the drag inside a cell widget goes on with the cell of the last hover.
        const bool taken = ForwardMouseEvent(e, d->cellPoint);
        if (!alive)
            return true;
        if (taken)
            update();
        break;
    }
    case QEvent::HoverMove: {
        const QPoint pos = WPixels::Round(WEventPos(static_cast<QHoverEvent*>(e)));
        const int c = d->hoverColumn;
        if (d->resizing && c >= 0 && c < d->columns.size()) {
            // The dragged column stays the one grabbed, wherever the pointer goes.
            WGridListColumn& column = d->columns[c];
            const QPoint at = logical(pos, d->headerRect, isRightToLeft());
            const qint64 width = qint64(column.Width) + at.x() - d->dragLast.x();
            column.Width = int(qBound(qint64(10), width, qint64(INT_MAX)));
            d->dragLast = at;
            ComputeColumnTotalWidth();
            CellControlLayout(c);
        } else {
            MouseMoveDispose(pos);
            ForwardMouseEvent(e, d->cellPoint);
        }
        if (!alive)
            return true;
        update();
        break;
    }
    case QEvent::HoverLeave:
        if (!d->resizing) {
            d->hoverColumn = -1;
            d->hoverRow = -1;
            update();
        }
        break;
    case QEvent::KeyPress:
        if (IsKeyboardAccess()) {
            auto* key = static_cast<QKeyEvent*>(e);
            // Escape hands the keys back from a cell's editor to the grid.
            if (d->focusedEditor && key->key() == Qt::Key_Escape) {
                SetFocusedEditor(nullptr);
                if (alive)
                    update();
                return true;
            }
            if (!d->focusedEditor && HandleKey(key)) {
                if (alive)
                    e->accept();
                return true;
            }
        }
        if (WLineEdit* editor = d->focusedEditor) {
            deliver(editor, e);
            if (!alive)
                return true;
        }
        break;
    case QEvent::InputMethod:
        if (WLineEdit* editor = d->focusedEditor) {
            deliver(editor, e);
            if (!alive)
                return true;
        }
        break;
    case QEvent::FocusOut:
        SetFocusedEditor(nullptr);
        if (!alive)
            return true;
        break;
    case WEvent::ContainerAreaChanged: {
        // The rows area may have moved without changing size, which the scroll container
        // does not report.
        const bool result = WScrollContainer::event(e);
        if (!alive)
            return true;
        ComputeDrawArea();
        return result;
    }
    default:
        break;
    }
    return WScrollContainer::event(e);
}
