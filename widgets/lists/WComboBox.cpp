#include "WComboBox.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WComboBoxScrollArea_p.h"
#include "WComboDropDownBox_p.h"
#include "WDrawAPI.h"
#include "WIconGlyph_p.h"
#include "WIconImage_p.h"
#include "WKeyRules_p.h"
#include "WMirror_p.h"
#include "WRoundedLayerCache_p.h"
#include "WTheme_p.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {

QString arrowPath()
{
    return QStringLiteral("://Icons/ComboBox/DropDownIcon.png");
}

int bounded(qint64 v)
{
    constexpr qint64 limit = qint64(1) << 28;
    return int(qBound(-limit, v, limit));
}

} // namespace

struct WComboBoxPrivate
{
    int selectedIndex = -1;
    QColor borderColorHover;
    QColor dropDownButtonColor;
    QColor dropDownButtonColorDisable;
    bool showDropDownButton = true;
    bool hovered = false;
    bool popupOpen = false;
    QPoint screenAnchor{0, 0};
    WIconGlyph dropDownIcon{arrowPath()};
    WIconGlyph dropDownIconDisable{arrowPath()};
    WComboDropDownBox* popup = nullptr;
    // The widget that last painted the box into its own surface (a grid list); it is asked to
    // repaint whenever the box's look changes with the list opening or closing.
    QPointer<QWidget> paintHost;
    WRoundedLayerCache layers;
};

WComboBox::WComboBox(QWidget* parent) : WBase(parent), d(std::make_unique<WComboBoxPrivate>())
{
    SetTakesTabFocus(true);
    d->popup = new WComboDropDownBox(this);
    WThemeHooks::MarkPart(d->popup);
}

WComboBox::~WComboBox()
{
    // Also ends the list's event loop if the box is deleted while its list is open.
    delete d->popup;
}

const QColor& WComboBox::BorderColorHover() const
{
    return d->borderColorHover;
}

void WComboBox::SetBorderColorHover(const QColor& color)
{
    if (color == d->borderColorHover)
        return;
    d->borderColorHover = color;
    update();
}

Qt::Alignment WComboBox::Align() const
{
    return d->popup->Content()->Align();
}

// The list and the box's own face share the alignment: both show it.
void WComboBox::SetAlign(Qt::Alignment align)
{
    if (Align() == align)
        return;
    d->popup->Content()->SetAlign(align);
    update();
}

int WComboBox::ItemHeight() const
{
    return d->popup->Content()->ItemHeight();
}

void WComboBox::SetItemHeight(int height)
{
    if (d->popup->Content()->SetItemHeight(height))
        d->popup->UpdateContentSize();
}

const QStringList& WComboBox::Items() const
{
    return d->popup->Content()->Items();
}

void WComboBox::SetItems(const QStringList& items)
{
    d->popup->SetItems(items);
    update();
    if (d->selectedIndex >= items.size())
        SetSelectedIndex(-1);
}

void WComboBox::AddItem(const QString& text)
{
    d->popup->AddItem(text);
    SetSelectedIndex(-1);
}

void WComboBox::InsetItem(int index, const QString& text)
{
    d->popup->InsetItem(index, text);
    SetSelectedIndex(-1);
}

void WComboBox::RemoveItem(int index)
{
    d->popup->RemoveItem(index);
    SetSelectedIndex(-1);
}

void WComboBox::SetItem(int index, const QString& text)
{
    const QString shown = SelectedText();
    d->popup->SetItem(index, text);
    // Replacing the chosen line changes what the box shows and what a reader hears as its value.
    if (SelectedText() != shown) {
        update();
        WAnnounce::ValueChanged(this, SelectedText());
    }
}

const QColor& WComboBox::ItemBackColorHover() const
{
    return d->popup->Content()->ItemBackColorHover();
}

void WComboBox::SetItemBackColorHover(const QColor& color)
{
    d->popup->Content()->SetItemBackColorHover(color);
    d->popup->SetSliderColorHover(color);
}

const QColor& WComboBox::ItemForeColorHover() const
{
    return d->popup->Content()->ItemForeColorHover();
}

void WComboBox::SetItemForeColorHover(const QColor& color)
{
    d->popup->Content()->SetItemForeColorHover(color);
}

const QColor& WComboBox::DropDownButtonColor() const
{
    return d->dropDownButtonColor;
}

void WComboBox::SetDropDownButtonColor(const QColor& color)
{
    if (color == d->dropDownButtonColor)
        return;
    d->dropDownButtonColor = color;
    d->dropDownIcon.Load(color, devicePixelRatioF());
    if (!testAttribute(Qt::WA_Disabled))
        update();
}

const QColor& WComboBox::DropDownButtonColorDisable() const
{
    return d->dropDownButtonColorDisable;
}

void WComboBox::SetDropDownButtonColorDisable(const QColor& color)
{
    if (color == d->dropDownButtonColorDisable)
        return;
    d->dropDownButtonColorDisable = color;
    d->dropDownIconDisable.Load(color, devicePixelRatioF());
    if (testAttribute(Qt::WA_Disabled))
        update();
}

bool WComboBox::ShowDropDownButton() const
{
    return d->showDropDownButton;
}

void WComboBox::SetShowDropDownButton(bool show)
{
    if (show == d->showDropDownButton)
        return;
    d->showDropDownButton = show;
    update();
}

int WComboBox::SelectedIndex() const
{
    return d->selectedIndex;
}

void WComboBox::SetSelectedIndex(int index)
{
    const int count = Items().size();
    const int i = index >= count ? count - 1 : qMax(index, -1);
    if (i == d->selectedIndex)
        return;
    d->selectedIndex = i;
    update();
    WAnnounce::ValueChanged(this, SelectedText());
    emit SelectedIndexChanged(i);
}

QString WComboBox::SelectedText() const
{
    const QStringList& items = Items();
    const int i = d->selectedIndex;
    return i >= 0 && i < items.size() ? items.at(i) : QString();
}

bool WComboBox::IsPopupOpen() const
{
    return d->popupOpen;
}

void WComboBox::RepaintNow()
{
    repaint();
    if (QWidget* host = d->paintHost; host && host != this)
        host->update();
}

void WComboBox::OpenPopup()
{
    const WAliveGuard alive(this);
    d->popupOpen = true;
    RepaintNow();
    WAnnounce::ExpandedChanged(this);
    // Opened from the keyboard or not, the arrows start from the selected line.
    if (IsKeyboardAccess())
        d->popup->Content()->SetHoverIndex(d->selectedIndex);
    // The list always opens below the box, over its bottom border: below where the box was
    // last drawn on screen if a grid paints it, else below the box itself.
    const int drop = bounded(qint64(height()) - BorderWidth());
    const QPoint at = d->screenAnchor != QPoint(0, 0) ? d->screenAnchor + QPoint(0, drop)
                                                      : mapToGlobal(QPoint(0, drop));
    d->popup->move(at);
    const int chosen = d->popup->ExecPopup();
    if (!alive)
        return;
    // The lines may have changed while the list was open; a choice they no longer have is
    // dropped.
    if (chosen >= 0 && chosen < Items().size() && chosen != d->selectedIndex) {
        d->selectedIndex = chosen;
        WAnnounce::ValueChanged(this, SelectedText());
        emit SelectedIndexChanged(chosen);
        if (!alive)
            return;
    }
    d->popupOpen = false;
    RepaintNow();
    WAnnounce::ExpandedChanged(this);
}

// Up, Down, Page Up, Page Down, Home and End choose another line without opening the list;
// Space, Enter, F4 and Alt+Down open it.
bool WComboBox::HandleKey(QKeyEvent* e)
{
    const int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool alt = mods == Qt::AltModifier;
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_F4 || (alt && (key == Qt::Key_Down || key == Qt::Key_Up))) {
        if (!Items().isEmpty() && !d->popupOpen)
            OpenPopup();
        return true;
    }
    if (!WKeyRules::IsLineKey(key))
        return false;
    const int index = WKeyRules::LineKeyTarget(key, d->selectedIndex, Items().size(), 10);
    if (index >= 0)
        SetSelectedIndex(index);
    return true;
}

bool WComboBox::event(QEvent* e)
{
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    switch (e->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        if (enabled) {
            d->hovered = e->type() == QEvent::Enter;
            update();
        }
        break;
    case QEvent::EnabledChange:
        // Disabled widgets do not hover; the pointer may still be over the box.
        if (!enabled)
            d->hovered = false;
        break;
    case QEvent::KeyPress:
        if (enabled && IsKeyboardAccess() && HandleKey(static_cast<QKeyEvent*>(e))) {
            // The box may be gone with a slot; the event is the caller's.
            e->accept();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        // A second press while the list is open (sent by code; the open list takes the
        // pointer) opens nothing more.
        if (enabled && !Items().isEmpty() && !d->popupOpen) {
            const WAliveGuard alive(this);
            OpenPopup();
            if (!alive)
                return true;
            WBase::event(e);
            // The press was the box's: the parent does not get it as well.
            e->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return WBase::event(e);
}

void WComboBox::Paint(QPainter* painter)
{
    // Drawn into another widget's surface (a grid list cell): remember where on screen.
    if (QPaintDevice* device = painter->device();
        device && device != this && device->devType() == QInternal::Widget) {
        auto* host = static_cast<QWidget*>(device);
        d->screenAnchor = host->mapToGlobal(painter->worldTransform().map(QPoint(0, 0)));
        d->paintHost = host;
    }

    const int w = width();
    const int h = height();
    const int radius = Radius();
    const int bw = BorderWidth();
    // Right to left, the text and the arrow change ends.
    const bool mirrored = isRightToLeft();
    const PositionFlag::Flags sides = WMirror::Sides(Border(), mirrored);
    if (d->popupOpen && radius >= 1) {
        // Drawn twice as tall and cut at the box's bottom, only the top corners come out
        // rounded: the box joins the list below it.
        const QRect tall(0, 0, w, 2 * h);
        painter->save();
        painter->setClipRect(rect(), Qt::IntersectClip);
        d->layers.DrawBackColor(painter, tall, radius, BackColor(), bw);
        d->layers.DrawBorder(painter, tall, radius, BorderColor(), sides, bw);
        painter->restore();
    } else {
        const QColor& border = d->hovered ? d->borderColorHover : BorderColor();
        d->layers.DrawBackColor(painter, rect(), radius, BackColor(), bw);
        d->layers.DrawBorder(painter, rect(), radius, border, sides, bw);
    }

    const QStringList& items = Items();
    const int selected = d->selectedIndex;
    if (selected >= 0 && selected < items.size()) {
        painter->setPen(ForeColor());
        painter->drawText(WMirror::Rect(QRect(5, 0, w - 11, h), w, mirrored), int(Align()),
                          items.at(selected));
    }

    if (d->showDropDownButton) {
        WIconGlyph& arrow =
            testAttribute(Qt::WA_Disabled) ? d->dropDownIconDisable : d->dropDownIcon;
        const QImage& image = arrow.At(WIconImage::Ratio(painter));
        const int x = bounded(qint64(w) - bw - 19);
        const int imageWidth = qRound(image.width() / qMax(image.devicePixelRatio(), 1.0));
        WDrawAPI::DrawImage(painter, mirrored ? bounded(qint64(w) - x - imageWidth) : x,
                            (h - 9) / 2, image);
    }
}
