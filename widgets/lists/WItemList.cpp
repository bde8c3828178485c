#include "WItemList.h"
#include "WAnnounce_p.h"
#include "WDrawAPI.h"
#include "WKeyRules_p.h"
#include "WLineWidths_p.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <climits>

namespace {

// Below this many lines, shaping each one costs less than setting up the measuring table.
constexpr int tableThreshold = 2048;

} // namespace

struct WItemListPrivate
{
    int selectedIndex = -1;
    bool canSelectItem = true;
    int itemHeight = 20;
    QStringList items;
    QColor itemBackColorSelected;
    QColor itemForeColorSelected;
    QRect padding{0, 0, 0, 0};
    int firstIndex = 0;
    int firstOffset = 0;
    int hOffset = 0;
    // The widest line, kept while lines and font stay the same so that appending a line
    // measures that line only.
    int widest = 0;
    bool widestValid = false;

    // Applications may pass absurd paddings; geometry is kept well inside int.
    int PadTop() const { return WPixels::Bounded(padding.x()); }
    int PadBottom() const { return WPixels::Bounded(padding.y()); }
    int PadLeft() const { return WPixels::Bounded(qint64(padding.right()) - padding.left() + 1); }
    int PadRight() const { return WPixels::Bounded(qint64(padding.bottom()) - padding.top() + 1); }
};

WItemList::WItemList(QWidget* parent)
    : WScrollContainer(true, true, parent), d(std::make_unique<WItemListPrivate>())
{
    SetTakesTabFocus(true);
}

WItemList::~WItemList() = default;

bool WItemList::CanSelectItem() const
{
    return d->canSelectItem;
}

void WItemList::SetCanSelectItem(bool can)
{
    d->canSelectItem = can;
}

int WItemList::ItemHeight() const
{
    return d->itemHeight;
}

void WItemList::SetItemHeight(int height)
{
    if (height <= 0 || height == d->itemHeight)
        return;
    d->itemHeight = height;
    ComputeContentSize();
}

const QStringList& WItemList::Items() const
{
    return d->items;
}

void WItemList::SetItems(const QStringList& items)
{
    d->items = items;
    d->selectedIndex = -1;
    d->widestValid = false;
    ComputeContentSize();
}

void WItemList::AddItem(const QString& text)
{
    InsetItem(d->items.size(), text);
}

void WItemList::InsetItem(int index, const QString& text)
{
    d->items.insert(qBound(0, index, d->items.size()), text);
    if (d->widestValid)
        d->widest = qMax(d->widest, fontMetrics().horizontalAdvance(text));
    ComputeContentSize();
}

int WItemList::SelectedIndex() const
{
    return d->selectedIndex;
}

void WItemList::SetSelectedIndex(int index)
{
    const int i = d->items.isEmpty() ? -1 : qBound(-1, index, d->items.size() - 1);
    if (i == d->selectedIndex)
        return;
    d->selectedIndex = i;
    update();
    AnnounceSelection();
}

void WItemList::AnnounceSelection()
{
    if (d->selectedIndex < 0)
        return;
    WAnnounce::SelectionChanged(this, d->selectedIndex);
    if (hasFocus())
        WAnnounce::FocusChanged(this, d->selectedIndex);
}

// Up, Down, Page Up, Page Down, Home and End move the selection and scroll it into view; in a
// list whose lines cannot be selected they scroll the lines instead.
bool WItemList::HandleKey(QKeyEvent* e)
{
    const int key = e->key();
    if (!WKeyRules::IsLineKey(key))
        return false;
    const qint64 ih = d->itemHeight;
    const int page = int(qMax<qint64>(1, scrollContainerArea.height() / ih));
    if (!d->canSelectItem) {
        const qint64 value = VScrollBarValue();
        const qint64 to = key == Qt::Key_Up         ? value - ih
                          : key == Qt::Key_Down     ? value + ih
                          : key == Qt::Key_PageUp   ? value - page * ih
                          : key == Qt::Key_PageDown ? value + page * ih
                          : key == Qt::Key_Home     ? 0
                                                    : qint64(INT_MAX);
        SetVScrollBarValue(int(qBound(qint64(0), qint64(to), qint64(INT_MAX))));
        return true;
    }
    const int index = WKeyRules::LineKeyTarget(key, d->selectedIndex, d->items.size(), page);
    if (index < 0)
        return true;
    SetSelectedIndex(index);
    const int value = VScrollBarValue();
    const int to = WKeyRules::ScrollValueShowing(d->PadTop() + index * ih, ih, value,
                                                 scrollContainerArea.height());
    if (to != value)
        SetVScrollBarValue(to);
    return true;
}

const QColor& WItemList::ItemBackColorSelected() const
{
    return d->itemBackColorSelected;
}

void WItemList::SetItemBackColorSelected(const QColor& color)
{
    if (color == d->itemBackColorSelected)
        return;
    d->itemBackColorSelected = color;
    update();
}

const QColor& WItemList::ItemForeColorSelected() const
{
    return d->itemForeColorSelected;
}

void WItemList::SetItemForeColorSelected(const QColor& color)
{
    if (color == d->itemForeColorSelected)
        return;
    d->itemForeColorSelected = color;
    update();
}

const QRect& WItemList::Padding() const
{
    return d->padding;
}

void WItemList::SetPadding(const QRect& padding)
{
    if (padding == d->padding)
        return;
    d->padding = padding;
    ComputeContentSize();
}

void WItemList::ComputeContentSize()
{
    if (!d->widestValid) {
        if (d->items.size() >= tableThreshold) {
            d->widest = WLineWidths::ForFont(font()).Widest(d->items);
        } else {
            const QFontMetrics fm(font());
            d->widest = 0;
            for (const QString& line : qAsConst(d->items))
                d->widest = qMax(d->widest, fm.horizontalAdvance(line));
        }
        d->widestValid = true;
    }
    const qint64 w = qint64(d->widest) + d->PadLeft() + d->PadRight();
    const qint64 h = qint64(d->items.size()) * d->itemHeight + d->PadTop() + d->PadBottom();
    SetScrollSize(QSize(int(qBound(qint64(INT_MIN), w, qint64(INT_MAX))),
                        int(qBound(qint64(INT_MIN), h, qint64(INT_MAX)))));
    SetHScrollBarValue(0);
    SetVScrollBarValue(0);
    update();
}

bool WItemList::event(QEvent* e)
{
    if (e->type() == QEvent::FontChange) {
        d->widestValid = false;
    } else if (e->type() == QEvent::MouseButtonPress && d->canSelectItem) {
        const int y = WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e)).y());
        const qint64 offset = qint64(y) - scrollContainerArea.top() - d->PadTop() + d->firstOffset;
        const int count = d->items.size();
        qint64 index = -1;
        if (d->firstIndex < count) {
            index = d->firstIndex + (offset < 0 ? 0 : offset / d->itemHeight);
            if (index >= count)
                index = -1;
        }
        // A click on the selected line, or below the last one, clears the selection.
        d->selectedIndex = index == d->selectedIndex ? -1 : int(index);
        update();
        AnnounceSelection();
    } else if (e->type() == QEvent::KeyPress && IsKeyboardAccess() &&
               HandleKey(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return WScrollContainer::event(e);
}

void WItemList::Paint(QPainter* painter)
{
    WDrawAPI::DrawBackColor(painter, rect(), Radius(), BackColor(), BorderWidth());
    WDrawAPI::DrawBorder(painter, rect(), Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());

    const QRect clip = scrollContainerArea;
    const int count = d->items.size();
    if (clip.isEmpty() || d->firstIndex >= count)
        return;
    painter->setClipRect(clip, Qt::ReplaceClip);
    painter->setPen(ForeColor());

    const qint64 ih = d->itemHeight;
    // Right to left, the paddings change sides with the text.
    const bool mirrored = isRightToLeft();
    const int padStart = mirrored ? d->PadRight() : d->PadLeft();
    const int padEnd = mirrored ? d->PadLeft() : d->PadRight();
    const int left = WPixels::Bounded(qint64(clip.left()) + padStart - d->hOffset);
    const int right = WPixels::Bounded(qint64(clip.right()) - padEnd);
    qint64 top = qint64(clip.top()) + d->PadTop() - d->firstOffset;
    qint64 i = d->firstIndex;
    // Lines wholly above the view (a negative top padding) are stepped over at once, so the
    // cost stays with what is visible.
    if (top + ih <= clip.top()) {
        const qint64 skip = (clip.top() - top) / ih;
        i += skip;
        top += skip * ih;
    }
    // Absurd heights would push rectangles out of int. Text is centred in its rectangle, so a
    // shorter one of the same parity around the same centre puts it at the same place, and
    // a fill needs to reach only just past the view.
    constexpr qint64 tallest = qint64(1) << 20;
    const qint64 textHeight = ih <= tallest ? ih : tallest + (ih & 1);
    const int width = right - left + 1;
    for (; i < count && top <= clip.bottom(); ++i, top += ih) {
        const QRect line(left, int(top + (ih - textHeight) / 2), width, int(textHeight));
        const QString& text = d->items.at(int(i));
        if (i == d->selectedIndex) {
            const qint64 fillTop = qMax(top, qint64(clip.top()) - 1);
            const qint64 fillBottom = qMin(top + ih, qint64(clip.bottom()) + 2);
            painter->fillRect(QRect(left, int(fillTop), width, int(fillBottom - fillTop)),
                              d->itemBackColorSelected);
            painter->setPen(d->itemForeColorSelected);
            painter->drawText(line, Qt::AlignVCenter, text);
            painter->setPen(ForeColor());
        } else {
            painter->drawText(line, Qt::AlignVCenter, text);
        }
    }
}

void WItemList::ScrollContainerAreaChangedEvent() {}

void WItemList::HScrollBarValueChangedEvent(int value)
{
    d->hOffset = value;
    update();
}

void WItemList::VScrollBarValueChangedEvent(int value)
{
    d->firstIndex = value / d->itemHeight;
    d->firstOffset = value % d->itemHeight;
    update();
}
