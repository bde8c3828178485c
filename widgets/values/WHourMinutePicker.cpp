#include "WHourMinutePicker.h"

#include "WAnnounce_p.h"
#include "WDrawAPI.h"
#include "WIconGlyph_p.h"
#include "WIconImage_p.h"
#include "WMirror_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"
#include "WRoundedLayerCache_p.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

constexpr int itemCount = 4;
const QRect itemRects[itemCount] = {QRect(5, 3, 17, 19), QRect(29, 3, 17, 19), QRect(60, 3, 17, 19),
                                    QRect(84, 3, 17, 19)};
const QRect firstColonRect(22, 3, 7, 19);
const QRect dashRect(46, 3, 14, 19);
const QRect secondColonRect(77, 3, 7, 19);
const QRect upRect(106, 5, 9, 6);
const QRect downRect(106, 14, 9, 6);

// Even items are hours, odd ones minutes.
int itemMaximum(int item)
{
    return item % 2 == 0 ? 23 : 59;
}

QString upPath()
{
    return QStringLiteral("://Icons/WHourMinutePicker/UpButton.png");
}

QString downPath()
{
    return QStringLiteral("://Icons/WHourMinutePicker/DownButton.png");
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

struct WHourMinutePickerPrivate
{
    int items[itemCount] = {0, 0, 0, 0}; // start hour, start minute, end hour, end minute
    QColor buttonColor;
    QColor buttonColorDisable;
    QColor selectedItemBackColor;
    QColor selectedItemForeColor;
    WIconGlyph upImage{upPath()};
    WIconGlyph downImage{downPath()};
    WIconGlyph upImageDisabled{upPath()};
    WIconGlyph downImageDisabled{downPath()};
    int selectedItem = -1;
    WRoundedLayerCache layers;
};

WHourMinutePicker::WHourMinutePicker(QWidget* parent)
    : WBase(parent), d(std::make_unique<WHourMinutePickerPrivate>())
{
    SetTakesTabFocus(true);
    setMaximumSize(120, 25);
    setMinimumSize(120, 25);
}

WHourMinutePicker::~WHourMinutePicker() = default;

void WHourMinutePicker::StoreItem(int index, int value)
{
    value = qBound(0, value, itemMaximum(index));
    if (d->items[index] == value)
        return;
    d->items[index] = value;
    update();
    WAnnounce::ValueChanged(this, value, index);
}

int WHourMinutePicker::StartHour() const
{
    return d->items[0];
}

void WHourMinutePicker::SetStartHour(int hour)
{
    StoreItem(0, hour);
}

int WHourMinutePicker::StartMinute() const
{
    return d->items[1];
}

void WHourMinutePicker::SetStartMinute(int minute)
{
    StoreItem(1, minute);
}

int WHourMinutePicker::EndHour() const
{
    return d->items[2];
}

void WHourMinutePicker::SetEndHour(int hour)
{
    StoreItem(2, hour);
}

int WHourMinutePicker::EndMinute() const
{
    return d->items[3];
}

void WHourMinutePicker::SetEndMinute(int minute)
{
    StoreItem(3, minute);
}

const QColor& WHourMinutePicker::ButtonColor() const
{
    return d->buttonColor;
}

void WHourMinutePicker::SetButtonColor(const QColor& color)
{
    if (d->buttonColor == color)
        return;
    d->buttonColor = color;
    d->upImage.Load(color, devicePixelRatioF());
    d->downImage.Load(color, devicePixelRatioF());
    update();
}

const QColor& WHourMinutePicker::ButtonColorDisable() const
{
    return d->buttonColorDisable;
}

void WHourMinutePicker::SetButtonColorDisable(const QColor& color)
{
    if (d->buttonColorDisable == color)
        return;
    d->buttonColorDisable = color;
    d->upImageDisabled.Load(color, devicePixelRatioF());
    d->downImageDisabled.Load(color, devicePixelRatioF());
    update();
}

const QColor& WHourMinutePicker::SelectedItemBackColor() const
{
    return d->selectedItemBackColor;
}

void WHourMinutePicker::SetSelectedItemBackColor(const QColor& color)
{
    if (d->selectedItemBackColor == color)
        return;
    d->selectedItemBackColor = color;
    update();
}

const QColor& WHourMinutePicker::SelectedItemForeColor() const
{
    return d->selectedItemForeColor;
}

void WHourMinutePicker::SetSelectedItemForeColor(const QColor& color)
{
    if (d->selectedItemForeColor == color)
        return;
    d->selectedItemForeColor = color;
    update();
}

int WHourMinutePicker::SelectedItem() const
{
    return d->selectedItem;
}

QRect WHourMinutePicker::ItemRect(int item)
{
    return item >= 0 && item < itemCount ? itemRects[item] : QRect();
}

QRect WHourMinutePicker::UpButtonRect()
{
    return upRect;
}

QRect WHourMinutePicker::DownButtonRect()
{
    return downRect;
}

void WHourMinutePicker::StepSelected(int step)
{
    const int item = d->selectedItem;
    const int count = itemMaximum(item) + 1;
    d->items[item] = (d->items[item] + step + count) % count;
    WAnnounce::ValueChanged(this, d->items[item], item);
}

void WHourMinutePicker::SelectItem(int item)
{
    if (item == d->selectedItem)
        return;
    d->selectedItem = item;
    update();
    if (item >= 0 && hasFocus())
        WAnnounce::FocusChanged(this, item);
}

// Left and Right select the number before or after the selected one, Up and Down step it.
bool WHourMinutePicker::HandleKey(QKeyEvent* e)
{
    const int item = d->selectedItem;
    switch (e->key()) {
    case Qt::Key_Left:
        SelectItem(item < 0 ? itemCount - 1 : qMax(0, item - 1));
        return true;
    case Qt::Key_Right:
        SelectItem(item < 0 ? 0 : qMin(itemCount - 1, item + 1));
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (item < 0)
            SelectItem(0);
        StepSelected(e->key() == Qt::Key_Up ? 1 : -1);
        update();
        return true;
    default:
        return false;
    }
}

bool WHourMinutePicker::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        // Neither handled nor handed on, so that a disabled picker stays entirely inert.
        if (testAttribute(Qt::WA_Disabled))
            return false;
        const QPoint pos = WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e)));
        int hit = -1;
        for (int i = 0; i < itemCount && hit < 0; ++i) {
            if (itemRects[i].contains(pos))
                hit = i;
        }
        const int step = upRect.contains(pos) ? 1 : (downRect.contains(pos) ? -1 : 0);
        if (hit >= 0 || (step && d->selectedItem >= 0)) {
            if (hit >= 0)
                SelectItem(hit);
            else
                StepSelected(step);
            update();
            // Last: taking the focus runs another widget's focus-out handlers, which may run any
            // code, even delete this picker.
            setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (!step)
            d->selectedItem = -1;
        update();
        return true;
    }
    case QEvent::KeyPress: {
        if (IsKeyboardAccess() && !testAttribute(Qt::WA_Disabled) &&
            HandleKey(static_cast<QKeyEvent*>(e)))
            return true;
        if (d->selectedItem < 0)
            return true;
        const QString text = static_cast<QKeyEvent*>(e)->text();
        if (!text.isEmpty() && text.at(0).isNumber()) {
            // A second digit extends a one-digit value; on a two-digit value a digit starts
            // afresh. Wide enough for any text's number, then clamped.
            const int item = d->selectedItem;
            const qint64 digit = text.toInt();
            const qint64 current = d->items[item];
            const qint64 value = current <= 9 ? current * 10 + digit : digit;
            d->items[item] = int(qBound(qint64(0), value, qint64(itemMaximum(item))));
            WAnnounce::ValueChanged(this, d->items[item], item);
        }
        update();
        return true;
    }
    case QEvent::FocusIn: {
        // Reached with Tab, the first number is selected; with Shift+Tab, the last.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (IsKeyboardAccess() && d->selectedItem < 0 &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
            d->selectedItem = reason == Qt::TabFocusReason ? 0 : itemCount - 1;
            update();
            WAnnounce::FocusChanged(this, d->selectedItem);
        }
        return WBase::event(e);
    }
    case QEvent::FocusOut:
        d->selectedItem = -1;
        update();
        return true;
    case QEvent::Wheel: {
        // Without a selection the wheel is the parent's: ignored, so that Qt hands it on
        // (Qt 6 delivers a wheel event accepted, Qt 5 ignored).
        if (d->selectedItem < 0) {
            e->ignore();
            return true;
        }
        auto* wheel = static_cast<QWheelEvent*>(e);
        StepSelected(wheel->angleDelta().y() > 0 ? 1 : -1);
        update();
        wheel->accept();
        return true;
    }
    default:
        return WBase::event(e);
    }
}

void WHourMinutePicker::Paint(QPainter* painter)
{
    const QRect r = rect();
    d->layers.DrawBackColor(painter, r, Radius(), BackColor(), BorderWidth());
    d->layers.DrawBorder(painter, r, Radius(), BorderColor(),
                         WMirror::Sides(Border(), isRightToLeft()), BorderWidth());

    const int selected = d->selectedItem;
    if (selected >= 0) {
        painter->fillRect(itemRects[selected], d->selectedItemBackColor);
        painter->setPen(QPen(d->selectedItemForeColor));
        painter->drawText(itemRects[selected], Qt::AlignCenter, twoDigits(d->items[selected]));
    }
    painter->setPen(QPen(ForeColor()));
    for (int i = 0; i < itemCount; ++i) {
        if (i != selected)
            painter->drawText(itemRects[i], Qt::AlignCenter, twoDigits(d->items[i]));
    }
    painter->drawText(firstColonRect, Qt::AlignCenter, QStringLiteral(":"));
    painter->drawText(dashRect, Qt::AlignCenter, QStringLiteral("-"));
    painter->drawText(secondColonRect, Qt::AlignCenter, QStringLiteral(":"));

    const bool disabled = testAttribute(Qt::WA_Disabled);
    const qreal ratio = WIconImage::Ratio(painter);
    const QImage& up = (disabled ? d->upImageDisabled : d->upImage).At(ratio);
    const QImage& down = (disabled ? d->downImageDisabled : d->downImage).At(ratio);
    WDrawAPI::DrawImage(painter, upRect.x(), upRect.y(), up);
    WDrawAPI::DrawImage(painter, downRect.x(), downRect.y(), down);
}
