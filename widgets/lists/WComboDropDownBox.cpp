#include "WComboDropDownBox_p.h"

#include "WAnnounce_p.h"
#include "WComboBox.h"
#include "WComboBoxScrollArea_p.h"
#include "WKeyRules_p.h"
#include "WMirror_p.h"
#include "WPopupWindow_p.h"
#include "WQtCompat_p.h"
#include "WScreenClamp_p.h"
#include "WTheme_p.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <climits>

namespace {

// At most this many pixels of lines are shown; the rest scrolls.
constexpr int visibleLines = 150;
constexpr int shadowBand = WPopupWindow::ShadowBand;

int widgetExtent(qint64 v)
{
    return int(qBound(qint64(0), v, qint64(QWIDGETSIZE_MAX)));
}

} // namespace

struct WComboDropDownBoxPrivate
{
    WComboDropDownBoxPrivate(WComboDropDownBox* box, WComboBox* owner)
        : owner(owner), popup(box, WPopupWindow::EndsOn::Hide)
    {
    }

    WComboBox* owner;
    // Deleted with the box, it also ends an ExecPopup in progress.
    WPopupWindow popup;
    QWidget* viewport = nullptr;
    WComboBoxScrollArea* content = nullptr;
    // Where on screen the box that opened the list is: a press there closes the list for good
    // instead of being handed on to the box, which would open it again.
    QRect openedFrom;
};

WComboDropDownBox::WComboDropDownBox(WComboBox* owner)
    : WScrollContainer(true, true, nullptr),
      d(std::make_unique<WComboDropDownBoxPrivate>(this, owner))
{
    d->viewport = new QWidget(this);
    d->content = new WComboBoxScrollArea(d->viewport);
    WThemeHooks::MarkPart(d->content);
    d->content->SetPopup(&d->popup);
    d->popup.MakePopup();
    hide();
    SetPadding(WPadding{0, shadowBand, 0, shadowBand});
    SetBorder(PositionFlag::All);
    SetSliderRadius(5);
    SetSliderColor(QColor(0, 0, 0, 20));
}

WComboDropDownBox::~WComboDropDownBox()
{
    // The lines outlive the record that holds the popup, until QWidget deletes its children.
    d->content->SetPopup(nullptr);
}

WComboBox* WComboDropDownBox::Owner() const
{
    return d->owner;
}

QWidget* WComboDropDownBox::Viewport() const
{
    return d->viewport;
}

WComboBoxScrollArea* WComboDropDownBox::Content() const
{
    return d->content;
}

void WComboDropDownBox::SetItems(const QStringList& items)
{
    d->content->SetItems(items);
    UpdateContentSize();
}

void WComboDropDownBox::AddItem(const QString& text)
{
    d->content->InsetItem(d->content->Items().size(), text);
    UpdateContentSize();
}

void WComboDropDownBox::InsetItem(int index, const QString& text)
{
    d->content->InsetItem(index, text);
    UpdateContentSize();
}

void WComboDropDownBox::RemoveItem(int index)
{
    d->content->RemoveItem(index);
    UpdateContentSize();
}

void WComboDropDownBox::SetItem(int index, const QString& text)
{
    d->content->SetItem(index, text);
}

void WComboDropDownBox::UpdateContentSize()
{
    WComboBoxScrollArea* content = d->content;
    // Beyond Qt's widget size limit the lines cannot be laid out; the list stops there.
    const int widest = widgetExtent(content->WidestLine(font()));
    const int height = widgetExtent(qint64(content->Items().size()) * content->ItemHeight());
    content->setMinimumSize(widest, height);
    content->resize(d->viewport->width(), height);
    SetScrollSize(QSize(widest, height));
    SetHScrollBarValue(0);
    SetVScrollBarValue(0);
}

int WComboDropDownBox::ExecPopup()
{
    WComboBoxScrollArea* content = d->content;
    WComboBox* box = d->owner;
    if (d->popup.IsOpen() || !box)
        return -1;

    content->SetChosenIndex(-1);

    SetBackColor(box->BackColor());
    SetBorderColor(box->BorderColor());
    SetBorderWidth(box->BorderWidth());
    const qint64 bw = BorderWidth();
    qint64 lines = content->height();
    // The horizontal bar will show: it gets room of its own below the lines.
    if (content->minimumWidth() > box->width())
        lines += ScrollBarSize();
    const QSize wanted(widgetExtent(qint64(box->width()) + shadowBand),
                       widgetExtent(qMin<qint64>(lines, visibleLines) + shadowBand + 2 * bw));
    // An absurd border width would ask for a window taller than any screen; the list stays
    // where its box put it, only its size is cut.
    resize(WScreenClamp::BoundedTo(wanted, WScreenClamp::ScreenAt(pos())));
    content->setFont(box->font());
    content->SetForeColor(box->ForeColor());
    d->popup.PrepareShadow();
    const qint64 drop =
        qBound(qint64(-QWIDGETSIZE_MAX), qint64(box->height() - bw), qint64(QWIDGETSIZE_MAX));
    d->openedFrom = QRect(pos() - QPoint(0, int(drop)), box->size());
    // Laid out now rather than when the posted layout events arrive, so that the first frame
    // already shows the lines in place.
    ComputeContainerArea();
    ReLayout();
    if (IsKeyboardAccess() && content->HoverIndex() >= 0)
        ShowLine(content->HoverIndex());

    const bool stillHere = d->popup.Exec([this, content] {
        if (content->HoverIndex() >= 0)
            WAnnounce::FocusChanged(this, content->HoverIndex());
    });
    // Deleted meanwhile, together with the combo box: nothing here may be touched.
    if (!stillHere)
        return -1;
    return content->ChosenIndex();
}

void WComboDropDownBox::ShowLine(int index)
{
    const qint64 ih = d->content->ItemHeight();
    const int value = VScrollBarValue();
    const int to =
        WKeyRules::ScrollValueShowing(index * ih, ih, value, scrollContainerArea.height());
    if (to != value)
        SetVScrollBarValue(to);
}

// Up, Down, Page Up, Page Down, Home and End light another line; Enter and Space choose the lit
// line and close the list. Escape is the popup's own: it closes the list without a choice.
bool WComboDropDownBox::HandleKey(QKeyEvent* e)
{
    WComboBoxScrollArea* content = d->content;
    const int key = e->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (content->HoverIndex() >= 0 && d->popup.IsOpen()) {
            content->SetChosenIndex(content->HoverIndex());
            d->popup.Exit();
        }
        return true;
    }
    if (!WKeyRules::IsLineKey(key))
        return false;
    const int current = content->HoverIndex();
    const int page = int(qMax<qint64>(1, scrollContainerArea.height() / content->ItemHeight()));
    const int index = WKeyRules::LineKeyTarget(key, current, content->Items().size(), page);
    if (index < 0)
        return true;
    if (index == current)
        return true;
    content->SetHoverIndex(index);
    ShowLine(index);
    WAnnounce::FocusChanged(this, index);
    return true;
}

bool WComboDropDownBox::event(QEvent* e)
{
    d->popup.Event(e);
    switch (e->type()) {
    case QEvent::KeyPress:
        if (IsKeyboardAccess() && HandleKey(static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        break;
    case QEvent::MouseButtonPress: {
        // Presses outside the lines, also those outside the window, which Qt hands to an open
        // popup, close the list without a choice.
        const QPoint global = WGlobalPos(static_cast<QMouseEvent*>(e));
        setAttribute(Qt::WA_NoMouseReplay, d->openedFrom.contains(global));
        hide();
        e->accept();
        return true;
    }
    default:
        break;
    }
    return WScrollContainer::event(e);
}

void WComboDropDownBox::Paint(QPainter* painter)
{
    d->popup.Paint(painter, BackColor(), BorderColor(), WMirror::Sides(Border(), isRightToLeft()),
                   BorderWidth());
}

void WComboDropDownBox::ScrollContainerAreaChangedEvent()
{
    d->viewport->setGeometry(scrollContainerArea);
    d->content->resize(d->viewport->width(), d->content->height());
}

void WComboDropDownBox::HScrollBarValueChangedEvent(int value)
{
    d->content->move(-value, d->content->y());
}

void WComboDropDownBox::VScrollBarValueChangedEvent(int value)
{
    d->content->move(d->content->x(), -value);
}
