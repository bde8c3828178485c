#include "WGridList.h"
#include "WGridList_p.h"
#include "WMirror_p.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WDrawAPI.h"
#include "WEvent.h"
#include "WGridListData.h"
#include "WIconImage_p.h"
#include "WLabel.h"
#include "WPanel.h"
#include "WPixels_p.h"
#include "WRightPress_p.h"

#include <QFocusEvent>
#include <QPainter>

#include <climits>

namespace {

template <typename T> bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

int WGridListPrivate::UsableColumns() const
{
    return dataSource ? qBound(0, dataSource->ColumnCount, columns.size()) : 0;
}

WGridList::WGridList(QWidget* parent)
    : WScrollContainer(true, true, parent), d(std::make_unique<WGridListPrivate>())
{
    SetTakesTabFocus(true);
    setAttribute(Qt::WA_Hover);
    SetPadding(WPadding{d->columnHeaderHeight, 0, 0, 0});
    WRightPress::Watch();
}

WGridList::~WGridList()
{
    if (d->dataSource)
        d->dataSource->RemoveViewer(this);
}

void WGridList::AddColumn(int width, const QString& text)
{
    d->columns.append(WGridListColumn(width, text));
}

void WGridList::SetColumnWidth(const QVector<int>& widths)
{
    d->columns.clear();
    for (int w : widths)
        d->columns.append(WGridListColumn(w, QString()));
    ApplyColumn();
}

void WGridList::ApplyColumn()
{
    ComputeColumnTotalWidth();
    SetHScrollBarValue(0);
    // The bar may already have stood at 0 and so not report; the first column may still have
    // changed with the columns.
    ComputeDrawColumnStartIndex(HScrollBarValue());
    update();
}

const QList<WGridListColumn>& WGridList::Columns() const
{
    return d->columns;
}

WGridListData* WGridList::DataSource() const
{
    return d->dataSource;
}

void WGridList::SetDataSource(WGridListData* data)
{
    WGridListData* previous = d->dataSource;
    if (previous != data) {
        if (previous)
            previous->RemoveViewer(this);
        if (data)
            data->AddViewer(this);
    }
    // Held while the pointer changes, so that a thread changing the old model finishes first.
    // A thread that holds the lock itself excludes the others already; it would wait for
    // itself.
    const bool lock = previous && !previous->HeldByCurrentThread();
    if (lock)
        previous->Lock();
    d->dataSource = data;
    if (lock)
        previous->Unlock();
    // Nothing is known about the new rows: the next paint maps the scroll offset afresh.
    d->rowLocator.Reset();
    d->firstRowPending = true;
    d->pendingVValue = VScrollBarValue();
}

// The model is in its destructor: neither its lock nor its rows are touched again, and the
// grid resets as UpdateData does over no model.
void WGridList::ForgetDataSource(WGridListData* data)
{
    if (d->dataSource != data)
        return;
    d->dataSource = nullptr;
    d->rowLocator.Reset();
    d->firstRowPending = false;
    UpdateData();
}

// The focused editor hears that it lost the focus, and cell widgets hear of their new sizes:
// that is the application's code, which may change the model again or delete this grid.
void WGridList::UpdateData()
{
    const WAliveGuard alive(this);
    // The editor's row may be gone with the change; it is let go rather than kept to receive
    // keys in a widget that may no longer exist.
    SetFocusedEditor(nullptr);
    if (!alive)
        return;
    d->selectedRow = nullptr;
    d->lockedRow = nullptr;
    d->hoverWidget = nullptr;
    d->pressedWidget = nullptr;
    d->hoverColumn = -1;
    d->hoverRow = -1;
    d->rowLocator.Reset();
    ComputeRowTotalHeight();
    SetHScrollBarValue(0);
    SetVScrollBarValue(0);
    ComputeDrawRowStartIndex(0);
    ComputeDrawColumnStartIndex(0);
    // Should the widgets' code have switched the model meanwhile, the new one is fitted column
    // by column, each column stopping at the next switch.
    if (!LayoutCellWidgets(0, d->columns.size())) {
        for (int c = 0; alive && c < d->columns.size(); ++c)
            CellControlLayout(c);
        if (!alive)
            return;
    }
    update();
    WAnnounce::TableReset(this);
}

WGridListRow* WGridList::SelectedRow() const
{
    return d->selectedRow;
}

void WGridList::SetSelectedRow(WGridListRow* row)
{
    if (!assign(d->selectedRow, row))
        return;
    update();
    AnnounceSelectedRow();
}

// To a screen reader the grid is a table whose children are the column headers, then the cells
// of the shown rows, each row as wide as the shown columns: the selected row is announced by
// the child index of its first cell. Read under the model's lock when it can be had at once.
void WGridList::AnnounceSelectedRow()
{
    if (!WAnnounce::Active() || !d->selectedRow)
        return;
    WGridListRowsLock locked(d->dataSource);
    const WGridListData* data = locked.Rows();
    if (!data)
        return;
    const int columns = qBound(0, data->ColumnCount, int(d->columns.size()));
    int shown = 0, at = -1;
    for (int r = 0; data->ShowRows && r < data->Rows.size() && at < 0; ++r) {
        const WGridListRow* row = data->Rows.at(r);
        if (row == d->selectedRow)
            at = shown;
        else if (row && row->Visible)
            ++shown;
    }
    if (at >= 0 && !d->selectedRow->Visible)
        at = -1;
    locked.Release();
    if (at < 0 || columns == 0)
        return;
    const int child = int(qMin<qint64>(INT_MAX, (qint64(at) + 1) * columns));
    WAnnounce::SelectionChanged(this, child);
    if (hasFocus())
        WAnnounce::FocusChanged(this, child);
}

WGridListRow* WGridList::LockedRow() const
{
    return d->lockedRow;
}

void WGridList::SetLockedRow(WGridListRow* row)
{
    if (assign(d->lockedRow, row))
        update();
}

int WGridList::SelectedRowIndex() const
{
    if (!d->dataSource || !d->selectedRow)
        return -1;
    return d->dataSource->Rows.indexOf(d->selectedRow);
}

bool WGridList::CanChangeColumnWidth() const
{
    return d->canChangeColumnWidth;
}

void WGridList::SetCanChangeColumnWidth(bool can)
{
    d->canChangeColumnWidth = can;
}

int WGridList::ColumnHeaderHeight() const
{
    return d->columnHeaderHeight;
}

// The header is the top padding of the container: the rows area starts below it.
void WGridList::SetColumnHeaderHeight(int height)
{
    if (!assign(d->columnHeaderHeight, height))
        return;
    SetPadding(WPadding{height, 0, 0, 0});
    update();
}

#define WGRIDLIST_COLOR(Getter, Setter, field)                                                     \
    const QColor& WGridList::Getter() const                                                        \
    {                                                                                              \
        return d->field;                                                                           \
    }                                                                                              \
    void WGridList::Setter(const QColor& color)                                                    \
    {                                                                                              \
        if (assign(d->field, color))                                                               \
            update();                                                                              \
    }

WGRIDLIST_COLOR(ColumnHeaderBackColor, SetColumnHeaderBackColor, columnHeaderBackColor)
WGRIDLIST_COLOR(ColumnHeaderBackColorHover, SetColumnHeaderBackColorHover,
                columnHeaderBackColorHover)
WGRIDLIST_COLOR(ColumnHeaderForeColor, SetColumnHeaderForeColor, columnHeaderForeColor)
WGRIDLIST_COLOR(ColumnHeaderForeColorHover, SetColumnHeaderForeColorHover,
                columnHeaderForeColorHover)
WGRIDLIST_COLOR(ColumnHeaderGridLineColor, SetColumnHeaderGridLineColor, columnHeaderGridLineColor)
WGRIDLIST_COLOR(SingleRowBackColor, SetSingleRowBackColor, singleRowBackColor)
WGRIDLIST_COLOR(DoubleRowBackColor, SetDoubleRowBackColor, doubleRowBackColor)
WGRIDLIST_COLOR(SelectedRowBackColor, SetSelectedRowBackColor, selectedRowBackColor)
WGRIDLIST_COLOR(RowForeColor, SetRowForeColor, rowForeColor)
WGRIDLIST_COLOR(LockedRowForeColor, SetLockedRowForeColor, lockedRowForeColor)

#undef WGRIDLIST_COLOR

int WGridList::RowHeight() const
{
    return d->rowHeight;
}

void WGridList::SetRowHeight(int height)
{
    if (assign(d->rowHeight, height))
        update();
}

const QColor& WGridList::CheckFlagColor() const
{
    return d->checkFlagColor;
}

void WGridList::SetCheckFlagColor(const QColor& color)
{
    if (!assign(d->checkFlagColor, color))
        return;
    d->checkedImage.Load(color, devicePixelRatioF());
    d->uncheckImage.Load(color, devicePixelRatioF());
    update();
}

// Widths, heights and offsets come from applications and may be absurd; geometry is kept
// well inside int (WPixels::Bounded) so that sums of a few of them cannot overflow.
void WGridList::ComputeDrawArea()
{
    const QRect& area = containerArea;
    d->rowsRect = area;
    const qint64 top = area.top();
    d->headerRect = QRect(QPoint(area.left(), WPixels::Bounded(top - d->columnHeaderHeight)),
                          QPoint(area.right(), WPixels::Bounded(top - 1)));
}

void WGridList::ComputeColumnTotalWidth()
{
    qint64 total = 0;
    for (const WGridListColumn& c : qAsConst(d->columns))
        total += c.Width;
    const qint64 width =
        qBound(qint64(0), qMax(total, qint64(containerArea.width())), qint64(INT_MAX));
    if (assign(d->contentWidth, int(width)))
        SetScrollSize(QSize(d->contentWidth, d->contentHeight));
}

void WGridList::ComputeRowTotalHeight()
{
    const int visible = d->dataSource ? d->rowLocator.CountVisible(d->dataSource->Rows) : 0;
    const qint64 height = qBound(qint64(0), qint64(d->rowHeight) * visible, qint64(INT_MAX));
    if (assign(d->contentHeight, int(height)))
        SetScrollSize(QSize(d->contentWidth, d->contentHeight));
}

void WGridList::ComputeDrawColumnStartIndex(int hValue)
{
    d->firstColumn = 0;
    d->columnOffset = 0;
    qint64 remaining = hValue;
    for (int c = 0; c < d->columns.size(); ++c) {
        const int width = d->columns.at(c).Width;
        if (width > remaining) {
            d->firstColumn = c;
            d->columnOffset = int(remaining);
            return;
        }
        remaining -= width;
    }
}

void WGridList::ComputeDrawRowStartIndex(int vValue)
{
    LocateFirstRow(vValue);
}

void WGridList::LocateFirstRow(int vValue)
{
    d->firstRowPending = false;
    d->firstRow = 0;
    d->rowOffset = 0;
    if (!d->dataSource)
        return;
    const auto at = d->rowLocator.Locate(d->dataSource->Rows, d->rowHeight, vValue);
    d->firstRow = at.row;
    d->rowOffset = at.offset;
}

void WGridList::ResolvePendingFirstRow()
{
    if (d->firstRowPending)
        LocateFirstRow(d->pendingVValue);
}

// A shown cell widget hears of its new size at once, and its handler may change the model or
// delete this grid: the rows are walked by index and the walk ends as soon as the grid or its
// model is gone.
void WGridList::CellControlLayout(int column)
{
    if (column >= 0)
        LayoutCellWidgets(column, column + 1);
}

// A big model is walked once for all columns rather than once per column: the rows, not the
// few cell widgets, are what the walk costs. The widgets run the application's code, which may
// delete the grid, the row or the model, or change the columns: all is looked up again after it.
bool WGridList::LayoutCellWidgets(int first, int end)
{
    WGridListData* data = d->dataSource;
    if (!data || first < 0)
        return true;
    const WAliveGuard alive(this);
    for (int r = 0; r < data->Rows.size(); ++r) {
        WGridListRow* const row = data->Rows.at(r);
        for (int column = first; row && column < qMin(end, d->UsableColumns()); ++column) {
            if (column >= row->CellCount())
                break;
            WBase* widget = row->Cells[column].Widget();
            if (!widget)
                continue;
            const WAliveGuard widgetAlive(widget);
            // Qt takes sizes beyond its limits as they are, and QRect would overflow on them.
            if (widget->Dock() == DockType::Fill)
                widget->setGeometry(0, 0, qBound(0, d->columns.at(column).Width, QWIDGETSIZE_MAX),
                                    qBound(0, d->rowHeight, QWIDGETSIZE_MAX));
            if (widgetAlive) {
                if (auto* panel = qobject_cast<WPanel*>(widget))
                    panel->ComputeContainerArea();
                if (auto* label = qobject_cast<WLabel*>(widget))
                    label->UpdateTextBounding();
            }
            if (!alive || d->dataSource != data)
                return false;
            if (r >= data->Rows.size() || data->Rows.at(r) != row)
                break;
        }
    }
    return true;
}

void WGridList::Paint(QPainter* painter)
{
    WDrawAPI::DrawBackColor(painter, rect(), Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, rect(), Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());
    DrawColumnsHeader(painter);
    // Never waits: a model that another thread is changing is simply not drawn this time.
    const WGridListRowsLock locked(d->dataSource);
    if (!locked.Rows())
        return;
    ResolvePendingFirstRow();
    DrawRow(painter);
}

// Right to left the columns run from the right: every cell and line is placed as left to right
// and then mirrored, pixel for pixel, across the header's and rows' common width.
void WGridList::DrawColumnsHeader(QPainter* painter)
{
    if (d->columns.isEmpty())
        return;
    const QRect& header = d->headerRect;
    const bool mirrored = isRightToLeft();
    const auto mirror = [&](const QRect& r) {
        return WMirror::Rect(r, header.left(), header.right(), mirrored);
    };
    const auto mirrorX = [&](qint64 x) {
        return WPixels::Bounded(WMirror::X<qint64>(x, header.left(), header.right(), mirrored));
    };
    painter->fillRect(header, d->columnHeaderBackColor);
    painter->setPen(d->columnHeaderForeColor);
    const qint64 limit = qint64(header.right()) - header.left() + 1;
    const int top = header.top();
    const int height = WPixels::Bounded(d->columnHeaderHeight);
    const int count = d->columns.size();
    qint64 x = qint64(header.left()) - d->columnOffset;
    for (int c = d->firstColumn; c < count; ++c) {
        const WGridListColumn& column = d->columns.at(c);
        const QRect cell =
            mirror(QRect(WPixels::Bounded(x), top, WPixels::Bounded(column.Width), height));
        if (c == d->hoverColumn && d->overHeader) {
            painter->fillRect(cell, d->columnHeaderBackColorHover);
            if (!column.Text.isEmpty()) {
                painter->setPen(d->columnHeaderForeColorHover);
                painter->drawText(cell, Qt::AlignHCenter | Qt::AlignVCenter, column.Text);
                painter->setPen(d->columnHeaderForeColor);
            }
        } else if (!column.Text.isEmpty()) {
            painter->drawText(cell, Qt::AlignHCenter | Qt::AlignVCenter, column.Text);
        }
        x += column.Width;
        if (x > limit)
            break;
    }

    if (d->columnHeaderGridLineColor.alpha() < 1 || d->firstColumn >= count)
        return;
    painter->setPen(d->columnHeaderGridLineColor);
    qint64 lineX = qint64(header.left()) - d->columnOffset + d->columns.at(d->firstColumn).Width;
    for (int c = d->firstColumn + 1; c < count && lineX <= limit; ++c) {
        painter->drawLine(mirrorX(lineX), header.top(), mirrorX(lineX), header.bottom());
        lineX += d->columns.at(c).Width;
    }
    painter->drawLine(mirrorX(header.left()), header.bottom(), mirrorX(limit), header.bottom());
}

void WGridList::DrawRow(QPainter* painter)
{
    const WGridListData* data = d->dataSource;
    const int columnCount = d->UsableColumns();
    const int rowHeight = d->rowHeight;
    // Rows without height take no room and show nothing.
    if (!data || !data->ShowRows || columnCount == 0 || rowHeight <= 0)
        return;
    const QRect& area = d->rowsRect;
    const bool mirrored = isRightToLeft();
    const auto mirror = [&](const QRect& r) {
        return WMirror::Rect(r, area.left(), area.right(), mirrored);
    };
    painter->setPen(d->rowForeColor);
    painter->setClipRect(area, Qt::ReplaceClip);

    const QList<WGridListRow*>& rows = data->Rows;
    const int rowCount = rows.size();
    const qint64 limit = qint64(area.right()) - area.left() + 1;
    const qint64 bottom = qint64(height()) - 1;
    // Rows wholly above the rows area (a negative header height puts it above the widget)
    // are clipped away; they are stepped over without drawing.
    const qint64 clipTop = qMax(area.top(), 0);
    const qreal ratio = WIconImage::Ratio(painter);
    const QImage* checkImages[2] = {&d->uncheckImage.At(ratio), &d->checkedImage.At(ratio)};
    qint64 y = qint64(area.top()) - d->rowOffset;
    for (int r = d->firstRow; r < rowCount && y <= bottom; ++r) {
        const WGridListRow* row = rows.at(r);
        if (!row || !row->Visible)
            continue;
        if (y + rowHeight <= clipTop) {
            y += rowHeight;
            continue;
        }
        const int top = int(y);
        // Taller than any widget can be: the row's visible part is the same either way.
        const int boxHeight = WPixels::Bounded(rowHeight);
        const QColor& back = row == d->selectedRow ? d->selectedRowBackColor
                             : r % 2 == 0          ? d->doubleRowBackColor
                                                   : d->singleRowBackColor;
        painter->fillRect(QRect(area.left(), top, area.width(), boxHeight), back);

        const bool locked = row == d->lockedRow;
        const int cells = qMin(columnCount, row->CellCount());
        qint64 x = qint64(area.left()) - d->columnOffset;
        for (int c = d->firstColumn; c < columnCount; ++c) {
            const int width = d->columns.at(c).Width;
            const int left = WPixels::Bounded(x);
            if (c < cells) {
                const WGridListCell& cell = row->Cells[c];
                switch (cell.Type) {
                case WGridListCell::TextCell:
                    d->textCache.Draw(painter,
                                      mirror(QRect(left, top, WPixels::Bounded(width), boxHeight)),
                                      cell.Text, locked ? d->lockedRowForeColor : d->rowForeColor);
                    break;
                case WGridListCell::ImageCell:
                case WGridListCell::CheckCell: {
                    const QImage* image = cell.Type == WGridListCell::ImageCell
                                              ? cell.Image()
                                              : checkImages[cell.IsChecked() ? 1 : 0];
                    if (image && !image->isNull()) {
                        // An image drawn for a dense screen covers its size over its ratio.
                        const qreal dpr = image->devicePixelRatio();
                        const qint64 w = dpr == 1 ? image->width() : qRound(image->width() / dpr);
                        const qint64 h = dpr == 1 ? image->height() : qRound(image->height() / dpr);
                        const QRect at(WPixels::Bounded(x + (width - w) / 2),
                                       WPixels::Bounded(y + (rowHeight - h) / 2),
                                       WPixels::Bounded(w), WPixels::Bounded(h));
                        WDrawAPI::DrawImage(painter, mirror(at).x(), at.y(), *image);
                    }
                    break;
                }
                case WGridListCell::WidgetCell:
                    if (WBase* widget = cell.Widget()) {
                        widget->move(WPixels::Bounded((qint64(width) - widget->width()) / 2),
                                     WPixels::Bounded((qint64(rowHeight) - widget->height()) / 2));
                        // Placed in the cell as left to right: pointer input reaches it from the
                        // cell's own left edge, wherever the cell is.
                        const int cellLeft =
                            mirror(QRect(left, top, WPixels::Bounded(width), boxHeight)).x();
                        widget->GridListPaint(
                            painter, QPoint(WPixels::Bounded(qint64(cellLeft) + widget->x()),
                                            WPixels::Bounded(y + widget->y())));
                    }
                    break;
                default:
                    break;
                }
            }
            x += width;
            if (x > limit)
                break;
        }
        y += rowHeight;
    }
}

void WGridList::ScrollContainerAreaChangedEvent()
{
    ComputeDrawArea();
}

void WGridList::HScrollBarValueChangedEvent(int value)
{
    ComputeDrawColumnStartIndex(value);
    update();
}

// The rows may be changing in another thread right now; the first row is found under the
// model's lock, now if it is free, else by the next paint.
void WGridList::VScrollBarValueChangedEvent(int value)
{
    d->firstRowPending = true;
    d->pendingVValue = value;
    if (const WGridListRowsLock locked(d->dataSource); locked.Rows())
        LocateFirstRow(value);
    update();
}

const QRect& WGridList::HeaderRect() const
{
    return d->headerRect;
}

const QRect& WGridList::RowsRect() const
{
    return d->rowsRect;
}

int WGridList::FirstColumn() const
{
    return d->firstColumn;
}

int WGridList::ColumnOffset() const
{
    return d->columnOffset;
}

int WGridList::FirstRow() const
{
    return d->firstRow;
}

int WGridList::RowOffset() const
{
    return d->rowOffset;
}

int WGridList::HoverColumn() const
{
    return d->hoverColumn;
}

int WGridList::HoverRow() const
{
    return d->hoverRow;
}

bool WGridList::IsOverHeader() const
{
    return d->overHeader;
}

bool WGridList::IsOverResizeZone() const
{
    return d->overResizeZone;
}

bool WGridList::IsResizing() const
{
    return d->resizing;
}

const QPoint& WGridList::CellPoint() const
{
    return d->cellPoint;
}

WLineEdit* WGridList::FocusedEditor() const
{
    return d->focusedEditor;
}
