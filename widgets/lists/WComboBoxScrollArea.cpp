#include "WComboBoxScrollArea_p.h"

#include "WLineWidths_p.h"
#include "WPixels_p.h"
#include "WPopupWindow_p.h"
#include "WQtCompat_p.h"

#include <QFontMetrics>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Below this many lines, shaping each one costs less than setting up the measuring table.
constexpr int tableThreshold = 2048;

// The band [top, top + height) as a rectangle from x to x + width - 1. Text is centred in its
// band, so an absurdly tall band is cut to a shorter one of the same parity around the same
// centre, which puts the text at the same place without leaving int's range.
QRect band(int x, int width, qint64 top, qint64 height)
{
    constexpr qint64 tallest = qint64(1) << 20;
    if (height > tallest) {
        const qint64 shorter = tallest + (height & 1);
        top += (height - shorter) / 2;
        height = shorter;
    }
    constexpr qint64 limit = qint64(1) << 28;
    return QRect(x, int(qBound(-limit, top, limit)), width, int(height));
}

} // namespace

struct WComboBoxScrollAreaPrivate
{
    int itemHeight = 20;
    Qt::Alignment align = Qt::AlignVCenter;
    QStringList items;
    QColor itemBackColorHover;
    QColor itemForeColorHover;
    int hoverIndex = -1;
    int chosenIndex = -1;
    WPopupWindow* popup = nullptr;
    // The widest line in widestFont, kept while the lines stay the same so that adding a line
    // measures that line only.
    int widest = 0;
    bool widestValid = false;
    QFont widestFont;

    int Width(const QString& line) const
    {
        return QFontMetrics(widestFont).horizontalAdvance(line);
    }
};

WComboBoxScrollArea::WComboBoxScrollArea(QWidget* parent)
    : WBase(parent), d(std::make_unique<WComboBoxScrollAreaPrivate>())
{
    setAttribute(Qt::WA_Hover);
    SetCanReLayoutParent(false);
}

WComboBoxScrollArea::~WComboBoxScrollArea() = default;

int WComboBoxScrollArea::ItemHeight() const
{
    return d->itemHeight;
}

bool WComboBoxScrollArea::SetItemHeight(int height)
{
    if (height <= 0)
        return false;
    d->itemHeight = height;
    update();
    return true;
}

Qt::Alignment WComboBoxScrollArea::Align() const
{
    return d->align;
}

void WComboBoxScrollArea::SetAlign(Qt::Alignment align)
{
    if (d->align == align)
        return;
    d->align = align;
    update();
}

const QStringList& WComboBoxScrollArea::Items() const
{
    return d->items;
}

void WComboBoxScrollArea::SetItems(const QStringList& items)
{
    d->items = items;
    d->widestValid = false;
    if (d->hoverIndex >= d->items.size())
        d->hoverIndex = -1;
    update();
}

void WComboBoxScrollArea::InsetItem(int index, const QString& text)
{
    d->items.insert(qBound(0, index, d->items.size()), text);
    if (d->widestValid)
        d->widest = qMax(d->widest, d->Width(text));
    update();
}

bool WComboBoxScrollArea::RemoveItem(int index)
{
    if (index < 0 || index >= d->items.size())
        return false;
    // Only the loss of a widest line can narrow the list.
    if (d->widestValid && d->Width(d->items.at(index)) >= d->widest)
        d->widestValid = false;
    d->items.removeAt(index);
    if (d->hoverIndex >= d->items.size())
        d->hoverIndex = -1;
    update();
    return true;
}

bool WComboBoxScrollArea::SetItem(int index, const QString& text)
{
    if (index < 0 || index >= d->items.size())
        return false;
    d->items[index] = text;
    d->widestValid = false;
    update();
    return true;
}

const QColor& WComboBoxScrollArea::ItemBackColorHover() const
{
    return d->itemBackColorHover;
}

void WComboBoxScrollArea::SetItemBackColorHover(const QColor& color)
{
    d->itemBackColorHover = color;
}

const QColor& WComboBoxScrollArea::ItemForeColorHover() const
{
    return d->itemForeColorHover;
}

void WComboBoxScrollArea::SetItemForeColorHover(const QColor& color)
{
    d->itemForeColorHover = color;
}

int WComboBoxScrollArea::WidestLine(const QFont& font)
{
    if (d->widestValid && font == d->widestFont)
        return d->widest;
    d->widestFont = font;
    if (d->items.size() >= tableThreshold) {
        d->widest = WLineWidths::ForFont(font).Widest(d->items);
    } else {
        const QFontMetrics fm(font);
        d->widest = 0;
        for (const QString& line : qAsConst(d->items))
            d->widest = qMax(d->widest, fm.horizontalAdvance(line));
    }
    d->widestValid = true;
    return d->widest;
}

int WComboBoxScrollArea::HoverIndex() const
{
    return d->hoverIndex;
}

void WComboBoxScrollArea::SetHoverIndex(int index)
{
    if (index < -1 || index >= d->items.size())
        index = -1;
    if (index == d->hoverIndex)
        return;
    d->hoverIndex = index;
    update();
}

int WComboBoxScrollArea::ChosenIndex() const
{
    return d->chosenIndex;
}

void WComboBoxScrollArea::SetChosenIndex(int index)
{
    d->chosenIndex = index;
}

QEventLoop* WComboBoxScrollArea::Loop() const
{
    return d->popup ? d->popup->Loop() : nullptr;
}

void WComboBoxScrollArea::SetPopup(WPopupWindow* popup)
{
    d->popup = popup;
}

// The topmost pixel row and the leftmost pixel column belong to no line; a point below the
// last line keeps the line hovered before.
void WComboBoxScrollArea::HoverAt(const QPoint& pos)
{
    int candidate = -1;
    if (pos.x() > 0 && pos.x() <= width() - 1 && pos.y() > 0)
        candidate = pos.y() / d->itemHeight;
    if (candidate == d->hoverIndex || candidate >= d->items.size())
        return;
    d->hoverIndex = candidate;
    update();
}

bool WComboBoxScrollArea::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::HoverMove:
        HoverAt(WPixels::Round(WEventPos(static_cast<QHoverEvent*>(e))));
        break;
    case QEvent::HoverLeave:
        d->hoverIndex = -1;
        update();
        break;
    case QEvent::MouseButtonPress:
        // The line under the press is the one chosen, even when no move announced it.
        HoverAt(WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e))));
        d->chosenIndex = d->hoverIndex;
        if (d->popup)
            d->popup->Exit();
        e->accept();
        return true;
    default:
        break;
    }
    return WBase::event(e);
}

void WComboBoxScrollArea::Paint(QPainter* painter)
{
    painter->setPen(ForeColor());
    const int count = d->items.size();
    const qint64 ih = d->itemHeight;
    // Only the lines in view are drawn, so a list of a hundred thousand lines paints as fast
    // as one of a hundred; what lies outside the viewport would be clipped anyway.
    QRect view = rect();
    if (const QWidget* viewport = parentWidget())
        view &= QRect(-pos(), viewport->size());
    if (view.isEmpty() || count == 0)
        return;
    const qint64 first = qMax<qint64>(view.top(), 0) / ih;
    const qint64 last = qMin<qint64>(view.bottom() / ih, count - 1);
    const int w = width();
    for (qint64 i = first; i <= last; ++i) {
        const qint64 top = i * ih;
        const QRect text = band(5, w - 10, top, ih);
        const QString& line = d->items.at(int(i));
        if (i == d->hoverIndex) {
            const qint64 fillTop = qMax(top, qint64(view.top()));
            const qint64 fillBottom = qMin(top + ih, qint64(view.bottom()) + 1);
            painter->fillRect(QRect(0, int(fillTop), w, int(fillBottom - fillTop)),
                              d->itemBackColorHover);
            painter->setPen(d->itemForeColorHover);
            painter->drawText(text, int(d->align), line);
            painter->setPen(ForeColor());
        } else {
            painter->drawText(text, int(d->align), line);
        }
    }
}
