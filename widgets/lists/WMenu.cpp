#include "WMenu.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WMenuItem.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WPopupWindow_p.h"
#include "WQtCompat_p.h"
#include "WScreenClamp_p.h"

#include <QFontMetrics>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int shadowBand = WPopupWindow::ShadowBand;

int bounded(qint64 v)
{
    constexpr qint64 limit = qint64(1) << 28;
    return int(qBound(-limit, v, limit));
}

int widgetExtent(qint64 v)
{
    return int(qBound(qint64(0), v, qint64(QWIDGETSIZE_MAX)));
}

} // namespace

struct WMenuPrivate
{
    // A subclass that refuses to close still sees exec come back: the menu was dismissed.
    explicit WMenuPrivate(WMenu* menu) : popup(menu, WPopupWindow::EndsOn::CloseOrHide) {}

    bool autoHide = false;
    WPadding padding;
    int itemHeight = 30;
    QColor itemBackColorHover;
    QColor itemForeColorHover;
    QColor itemForeColorDisable;
    int textWidth = 0;
    WMenuItem* hoverItem = nullptr;
    WMenuItem* chosenItem = nullptr;
    QList<WMenuItem*> items;
    // Deleted with the menu, it also ends an exec in progress.
    WPopupWindow popup;
};

WMenu::WMenu(QWidget* parent) : WBase(parent), d(std::make_unique<WMenuPrivate>(this))
{
    // HoverItemChanged carries an item: queued connections and signal spies need the type.
    qRegisterMetaType<WMenuItem*>();
    setAttribute(Qt::WA_Hover);
    d->popup.MakePopup();
}

WMenu::~WMenu()
{
    d->hoverItem = nullptr;
    d->chosenItem = nullptr;
    qDeleteAll(d->items);
}

WMenuItem* WMenu::AddItem(const QString& text)
{
    auto* item = new WMenuItem(text);
    d->items.append(item);
    d->textWidth = qMax(d->textWidth, fontMetrics().horizontalAdvance(text));
    update();
    return item;
}

void WMenu::RemoveItem(int index)
{
    if (index < 0 || index >= d->items.size())
        return;
    WMenuItem* item = d->items.takeAt(index);
    // Nothing may point at a deleted item, also while the menu is open.
    if (d->hoverItem == item)
        d->hoverItem = nullptr;
    if (d->chosenItem == item)
        d->chosenItem = nullptr;
    delete item;
    MeasureItems();
    update();
}

void WMenu::MeasureItems()
{
    const QFontMetrics fm = fontMetrics();
    d->textWidth = 0;
    for (const WMenuItem* rest : qAsConst(d->items))
        d->textWidth = qMax(d->textWidth, fm.horizontalAdvance(rest->Text));
}

void WMenu::Clear()
{
    d->hoverItem = nullptr;
    d->chosenItem = nullptr;
    const QList<WMenuItem*> items = std::move(d->items);
    d->items.clear();
    qDeleteAll(items);
    update();
}

void WMenu::SetItemText(WMenuItem* item, const QString& text)
{
    // Another menu's item would widen this one for nothing.
    if (!item || !d->items.contains(item))
        return;
    item->Text = text;
    d->textWidth = qMax(d->textWidth, fontMetrics().horizontalAdvance(text));
    update();
}

void WMenu::SetItemText(int index, const QString& text)
{
    if (index >= 0 && index < d->items.size())
        SetItemText(d->items.at(index), text);
}

int WMenu::IndexOf(WMenuItem* item) const
{
    return d->items.indexOf(item);
}

int WMenu::ItemCount() const
{
    return d->items.size();
}

WMenuItem* WMenu::Item(int index) const
{
    return index >= 0 && index < d->items.size() ? d->items.at(index) : nullptr;
}

bool WMenu::AutoHide() const
{
    return d->autoHide;
}

void WMenu::SetAutoHide(bool autoHide)
{
    d->autoHide = autoHide;
}

const WPadding& WMenu::Padding() const
{
    return d->padding;
}

void WMenu::SetPadding(const WPadding& padding)
{
    d->padding = padding;
}

int WMenu::ItemHeight() const
{
    return d->itemHeight;
}

void WMenu::SetItemHeight(int height)
{
    if (height > 0)
        d->itemHeight = height;
}

QColor WMenu::ItemBackColorHover() const
{
    return d->itemBackColorHover;
}

void WMenu::SetItemBackColorHover(const QColor& color)
{
    d->itemBackColorHover = color;
}

QColor WMenu::ItemForeColorHover() const
{
    return d->itemForeColorHover;
}

void WMenu::SetItemForeColorHover(const QColor& color)
{
    d->itemForeColorHover = color;
}

QColor WMenu::ItemForeColorDisable() const
{
    return d->itemForeColorDisable;
}

void WMenu::SetItemForeColorDisable(const QColor& color)
{
    d->itemForeColorDisable = color;
}

int WMenu::TextWidth() const
{
    return d->textWidth;
}

WMenuItem* WMenu::HoverItem() const
{
    return d->hoverItem;
}

WMenuItem* WMenu::exec(const QPoint& pos)
{
    if (d->popup.IsOpen())
        return nullptr;
    const QScreen* screen = WScreenClamp::ScreenAt(pos);
    const WPadding& p = d->padding;
    const qint64 w = qint64(p.Left) + d->textWidth + p.Right + shadowBand;
    const qint64 h = qint64(d->itemHeight) * d->items.size() + p.Top + p.Bottom + shadowBand;
    d->hoverItem = nullptr;
    d->chosenItem = nullptr;

    // Right-down from the point (left-down right to left); flipped to the other side or up only
    // where the screen ends. The flip looks at the whole size asked for, also where the window
    // is then cut to the screen.
    const QPoint at = WScreenClamp::FlippedInto(pos, w, h, screen, isRightToLeft());
    const QSize size = WScreenClamp::BoundedTo(QSize(widgetExtent(w), widgetExtent(h)), screen);
    setGeometry(QRect(at, size));
    if (!d->popup.Exec([this] { WAnnounce::PopupShown(this, true); }))
        return nullptr;
    WAnnounce::PopupShown(this, false);
    return d->chosenItem;
}

bool WMenu::HoverAt(const QPoint& pos)
{
    const WPadding& p = d->padding;
    if (pos.x() < 1 || pos.x() > width() - 1 || pos.y() <= p.Top ||
        qint64(pos.y()) >= qint64(height()) - shadowBand - p.Bottom)
        return true;
    const qint64 index = (qint64(pos.y()) - p.Top) / d->itemHeight;
    if (index >= d->items.size())
        return true;
    if (d->items.at(int(index)) == d->hoverItem)
        return true;
    return HoverIndex(int(index));
}

bool WMenu::HoverIndex(int index)
{
    WMenuItem* item = d->items.at(index);
    d->hoverItem = item;
    update();
    WAnnounce::FocusChanged(this, index);
    const WAliveGuard alive(this);
    emit HoverItemChanged(index, item);
    return alive.Alive();
}

void WMenu::Choose(WMenuItem* item)
{
    d->chosenItem = item;
    close();
}

// Up and Down step over disabled items and wrap around; Home and End go to the first and last
// enabled one; Enter and Space choose the hovered item. Escape is the popup's own: it closes.
// Returns whether the key was used.
bool WMenu::HandleKey(QKeyEvent* e)
{
    const int count = d->items.size();
    const int current = d->hoverItem ? d->items.indexOf(d->hoverItem) : -1;
    int step = 0, from = current;
    switch (e->key()) {
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -1;
        if (from < 0)
            from = count;
        break;
    case Qt::Key_Home:
        step = 1;
        from = -1;
        break;
    case Qt::Key_End:
        step = -1;
        from = count;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (d->hoverItem && d->hoverItem->Enabled)
            Choose(d->hoverItem);
        return true;
    default:
        return false;
    }
    const bool wraps = e->key() == Qt::Key_Down || e->key() == Qt::Key_Up;
    for (int i = 1; i <= count; ++i) {
        int index = from + step * i;
        if (wraps)
            index = ((index % count) + count) % count;
        if (index < 0 || index >= count)
            break;
        if (d->items.at(index)->Enabled) {
            if (index != current)
                HoverIndex(index);
            break;
        }
    }
    return true;
}

bool WMenu::event(QEvent* e)
{
    d->popup.Event(e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        const QPoint pos = WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e)));
        // A press outside the menu never chooses, whatever was hovered last.
        const bool inside = rect().contains(pos);
        if (inside && !HoverAt(pos))
            return true;
        WMenuItem* item = inside ? d->hoverItem : nullptr;
        if (item && !item->Enabled)
            break; // a disabled item keeps the menu open
        d->chosenItem = item;
        close();
        e->accept();
        return true;
    }
    case QEvent::Resize:
        d->popup.PrepareShadow();
        break;
    case QEvent::HoverLeave:
        d->hoverItem = nullptr;
        if (d->autoHide) {
            close();
            return true;
        }
        update();
        break;
    case QEvent::FontChange:
        // Widths measured in another font say nothing about this one.
        MeasureItems();
        update();
        break;
    case QEvent::HoverMove:
        if (!HoverAt(WPixels::Round(WEventPos(static_cast<QHoverEvent*>(e)))))
            return true;
        break;
    case QEvent::KeyPress:
        if (IsKeyboardAccess() && HandleKey(static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return WBase::event(e);
}

void WMenu::Paint(QPainter* painter)
{
    d->popup.Paint(painter, BackColor(), BorderColor(), WMirror::Sides(Border(), isRightToLeft()),
                   BorderWidth());
    const int w = width();
    const int h = height();

    const qint64 ih = d->itemHeight;
    // Right to left the lines mirror across the menu's face, the shadow band left out of it:
    // the left padding is then on the right, where the text starts.
    const bool mirrored = isRightToLeft();
    const int face = w - shadowBand;
    const int left = bounded(d->padding.Left);
    const int textWidth = bounded(d->textWidth);
    qint64 y = d->padding.Top;
    for (const WMenuItem* item : qAsConst(d->items)) {
        if (y >= h)
            break;
        if (y + ih > 0) {
            const QRect line =
                WMirror::Rect(QRect(left, bounded(y), textWidth, bounded(ih)), face, mirrored);
            if (!item->Enabled) {
                painter->setPen(d->itemForeColorDisable);
            } else if (item == d->hoverItem) {
                painter->fillRect(
                    WMirror::Rect(QRect(4, bounded(y), w - 12, bounded(ih)), face, mirrored),
                    d->itemBackColorHover);
                painter->setPen(d->itemForeColorHover);
            } else {
                painter->setPen(ForeColor());
            }
            painter->drawText(line, Qt::AlignVCenter, item->Text);
        }
        y += ih;
    }
}
