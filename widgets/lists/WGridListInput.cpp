// The input half of WGridList: hit testing, column resizing, selection, check toggling, the
// grid's signals, and the hand delivery of events to the widgets that live in its cells, which
// Qt's own delivery never reaches because the grid paints them itself.
#include "WGridList.h"
#include "WGridList_p.h"

#include "WDrawAPI.h"
#include "WEvent.h"
#include "WGridListData.h"
#include "WPixels_p.h"

#include <QFocusEvent>
#include <QHoverEvent>
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

void WGridList::MouseMoveDispose(const QPoint& pos)
{
    d->hoverColumn = -1;
    d->hoverRow = -1;
    d->overHeader = false;
    d->overResizeZone = false;
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
    if (pos.y() > d->headerRect.bottom() && d->dataSource) {
        const QList<WGridListRow*>& rows = d->dataSource->Rows;
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

    if (d->hoverRow >= 0 && d->hoverColumn >= 0)
        d->cellPoint = QPoint(WPixels::Bounded(x), WPixels::Bounded(y));
    if (d->canChangeColumnWidth)
        setCursor(d->overResizeZone ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

bool WGridList::ForwardMouseEvent(QEvent* e, const QPoint& cellPoint)
{
    QWidget* target = nullptr;
    QPoint local = cellPoint;
    const WGridListData* data = d->dataSource;
    const int column = d->hoverColumn;
    const int row = d->hoverRow;
    if (data && column >= 0 && row >= 0 && column < d->UsableColumns() && row < data->Rows.size()) {
        const WGridListRow* r = data->Rows.at(row);
        WBase* widget = r && column < r->CellCount() ? r->Cells[column].Widget() : nullptr;
        if (widget && widget->geometry().contains(cellPoint)) {
            local = cellPoint - widget->pos();
            target = WDrawAPI::GetChildAt(widget, local, true, true);
        }
    }

    bool taken = false;
    const QEvent::Type type = e->type();
    auto* mouse = isMouseEvent(type) ? static_cast<QMouseEvent*>(e) : nullptr;
    // A handler may delete widgets (a slot removing the row, say); the guard notices.
    const QPointer<QWidget> guard(target);
    if (target && mouse) {
        if (type == QEvent::MouseButtonPress) {
            d->pressedWidget = target;
            if (target != d->focusedEditor)
                SetFocusedEditor(qobject_cast<WLineEdit*>(target));
        }
        if (guard && type != QEvent::MouseButtonRelease) {
            QMouseEvent forwarded(type, QPointF(local), mouse->button(), mouse->buttons(),
                                  mouse->modifiers());
            deliver(target, &forwarded);
            taken = true;
        }
    }
    if (type == QEvent::MouseButtonRelease && d->pressedWidget) {
        QMouseEvent forwarded(type, QPointF(guard ? local : QPoint(0, 0)), mouse->button(),
                              mouse->buttons(), mouse->modifiers());
        QWidget* pressed = d->pressedWidget;
        d->pressedWidget = nullptr;
        deliver(pressed, &forwarded);
        taken = true;
    }
    if (guard.data() != d->hoverWidget.data()) {
        if (QWidget* left = d->hoverWidget) {
            QEvent leave(QEvent::Leave);
            deliver(left, &leave);
        }
        d->hoverWidget = guard.data();
        if (guard) {
            const QPointF at(local);
            QEnterEvent enter(at, at, at);
            deliver(guard, &enter);
        }
        taken = true;
    }
    return taken;
}

// The old editor hears that it lost the focus before it is forgotten; the new one hears that
// it has it and from then on sends its repaint requests to the grid, which paints it.
void WGridList::SetFocusedEditor(WLineEdit* editor)
{
    if (editor == d->focusedEditor)
        return;
    if (WLineEdit* old = d->focusedEditor) {
        d->focusedEditor = nullptr;
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        deliver(old, &out);
    }
    if (!editor)
        return;
    QPointer<WLineEdit> guard(editor);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    deliver(editor, &in);
    if (!guard)
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
        d->dragLast = WPixels::Round(e->localPos());
    } else if (!data) {
        if (!left)
            emit RightClicked();
    } else if (d->overHeader) {
        if (left)
            emit ColumnHeaderClicked(d->hoverColumn);
        else
            emit RightClicked();
    } else {
        const int r = d->hoverRow;
        const int c = d->hoverColumn;
        WGridListRow* row = r >= 0 && r < data->Rows.size() ? data->Rows.at(r) : nullptr;
        d->selectedRow = row;
        if (!left) {
            emit RightClicked();
        } else if (c >= 0 && r >= 0) {
            if (row && c < d->UsableColumns() && c < row->CellCount()) {
                WGridListCell& cell = row->Cells[c];
                if (cell.Type == WGridListCell::CheckCell)
                    cell.Value.Check = cell.Value.Check ? 0 : 1;
            }
            emit RowClicked(r, c);
        }
    }
}

bool WGridList::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(e);
        MouseMoveDispose(WPixels::Round(mouse->localPos()));
        if (!ForwardMouseEvent(e, d->cellPoint))
            HandlePress(mouse);
        update();
        break;
    }
    case QEvent::MouseButtonRelease:
        d->resizing = false;
        MouseMoveDispose(WPixels::Round(static_cast<QMouseEvent*>(e)->localPos()));
        if (ForwardMouseEvent(e, d->cellPoint))
            update();
        break;
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(e);
        MouseMoveDispose(WPixels::Round(mouse->localPos()));
        if (ForwardMouseEvent(e, d->cellPoint))
            update();
        else if (mouse->button() == Qt::LeftButton && d->hoverRow >= 0)
            emit RowDoubleClicked(d->hoverRow, d->hoverColumn);
        break;
    }
    case QEvent::MouseMove:
        // No hit test: the drag inside a cell widget goes on with the cell of the last hover.
        if (ForwardMouseEvent(e, d->cellPoint))
            update();
        break;
    case QEvent::HoverMove: {
        const QPoint pos = WPixels::Round(static_cast<QHoverEvent*>(e)->posF());
        const int c = d->hoverColumn;
        if (d->resizing && c >= 0 && c < d->columns.size()) {
            // The dragged column stays the one grabbed, wherever the pointer goes.
            WGridListColumn& column = d->columns[c];
            const qint64 width = qint64(column.Width) + pos.x() - d->dragLast.x();
            column.Width = int(qBound(qint64(10), width, qint64(INT_MAX)));
            d->dragLast = pos;
            ComputeColumnTotalWidth();
            CellControlLayout(c);
        } else {
            MouseMoveDispose(pos);
            ForwardMouseEvent(e, d->cellPoint);
        }
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
    case QEvent::InputMethod:
        if (WLineEdit* editor = d->focusedEditor)
            deliver(editor, e);
        break;
    case QEvent::FocusOut:
        SetFocusedEditor(nullptr);
        break;
    case WEvent::ContainerAreaChanged: {
        // The rows area may have moved without changing size, which the scroll container
        // does not report.
        const bool result = WScrollContainer::event(e);
        ComputeDrawArea();
        return result;
    }
    default:
        break;
    }
    return WScrollContainer::event(e);
}
