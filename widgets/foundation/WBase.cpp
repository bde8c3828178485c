#include "WBase.h"
#include "WBase_p.h"
#include "WEvent.h"
#include "WFocusChain_p.h"
#include "WPixels_p.h"
#include "WTheme_p.h"

#include <QApplication>
#include <QPainter>

#include <utility>

namespace {
bool designerMode = false;
bool keyboardAccess = false;
QColor& focusRingColor()
{
    static QColor color;
    return color;
}
// The container whose own placing is running: its children's Move and Resize events are its
// own doing. Widgets live on the GUI thread alone.
const QObject* placingParent = nullptr;
} // namespace

struct WBasePrivate
{
    DockType::Types dock = DockType::None;
    PositionFlag::Flags anchor = PositionFlag::Top | PositionFlag::Left;
    int radius = 0;
    QColor backColor;
    QColor foreColor;
    PositionFlag::Flags border = PositionFlag::None;
    int borderWidth = 0;
    QColor borderColor;
    bool userFlag = false;
    bool canReLayoutParent = true;
    bool layoutPlaced = false;
    bool borderChangePending = false;
    bool dockChangePending = false;
    // Kept for the children: see SetPlacingChildren and TakeChildrenChanged.
    bool placingChildren = false;
    bool childrenChanged = false;
    // The keyboard switch raised this widget's focus policy from click to Tab focus.
    bool keyboardFocusRaised = false;
    bool takesTabFocus = false;
    bool tabStopSuspended = false;
    int paintExtent = 0; // a WBase::PaintExtent
    const std::type_info* paintExtentType = nullptr;
    // Whether the widget is of exactly that type: -1 until the first paint asks (the dynamic
    // type is final once the constructors have run).
    int paintExtentApplies = -1;
    const QObject* placingBefore = nullptr;
};

WBase::WBase(QWidget* parent) : QWidget(parent), d(std::make_unique<WBasePrivate>())
{
    setFocusPolicy(Qt::ClickFocus);
}

WBase::~WBase()
{
    WThemeHooks::Forget(this);
}

bool WBase::IsPassive() const
{
    return d->dock != DockType::None;
}

DockType::Types WBase::Dock() const
{
    return d->dock;
}

void WBase::SetDock(DockType::Types dock)
{
    // A value outside the enumeration (from a cast int or a script) would leave the widget
    // docked in no known way; it is ignored.
    if (d->dock == dock || dock < DockType::None || dock > DockType::Fill)
        return;
    d->dock = dock;
    TellParentOfChange();
    if (!d->canReLayoutParent)
        return;
    if (auto* parent = qobject_cast<WBase*>(parentWidget()))
        parent->PostChildDockChangedEvent();
}

PositionFlag::Flags WBase::Anchor() const
{
    return d->anchor;
}

// Bits beyond the four sides mean nothing; they are dropped so that comparisons such as
// "exactly Top | Left" stay true to the sides.
void WBase::SetAnchor(PositionFlag::Flags anchor)
{
    anchor &= PositionFlag::All;
    if (d->anchor == anchor)
        return;
    d->anchor = anchor;
}

int WBase::Radius() const
{
    return d->radius;
}

void WBase::SetRadius(int radius)
{
    if (d->radius == radius)
        return;
    d->radius = radius;
    update();
}

const QColor& WBase::BackColor() const
{
    return d->backColor;
}

void WBase::SetBackColor(const QColor& color)
{
    if (d->backColor == color)
        return;
    d->backColor = color;
    update();
}

const QColor& WBase::ForeColor() const
{
    return d->foreColor;
}

void WBase::SetForeColor(const QColor& color)
{
    if (d->foreColor == color)
        return;
    d->foreColor = color;
    update();
}

PositionFlag::Flags WBase::Border() const
{
    return d->border;
}

static void postBorderChanged(WBase* widget, bool& pending)
{
    if (pending)
        return;
    pending = true;
    QCoreApplication::postEvent(widget, new WEvent(WEvent::BorderChanged));
}

void WBase::SetBorder(PositionFlag::Flags border)
{
    border &= PositionFlag::All;
    if (d->border == border)
        return;
    d->border = border;
    update();
    postBorderChanged(this, d->borderChangePending);
}

int WBase::BorderWidth() const
{
    return d->borderWidth;
}

void WBase::SetBorderWidth(int width)
{
    if (d->borderWidth == width)
        return;
    d->borderWidth = width;
    update();
    postBorderChanged(this, d->borderChangePending);
}

const QColor& WBase::BorderColor() const
{
    return d->borderColor;
}

void WBase::SetBorderColor(const QColor& color)
{
    if (d->borderColor == color)
        return;
    d->borderColor = color;
    update();
}

bool WBase::UserFlag() const
{
    return d->userFlag;
}

// Stored unconditionally: the library never reads the flag, so there is nothing to guard.
void WBase::SetUserFlag(bool flag)
{
    d->userFlag = flag;
}

void WBase::SetCanReLayoutParent(bool can)
{
    d->canReLayoutParent = can;
}

bool WBase::CanReLayoutParent() const
{
    return d->canReLayoutParent;
}

void WBase::PostChildDockChangedEvent()
{
    if (d->dockChangePending)
        return;
    d->dockChangePending = true;
    QCoreApplication::postEvent(this, new WEvent(WEvent::ChildDockChanged));
}

bool WBase::IsChildDockChangePending() const
{
    return d->dockChangePending;
}

void WBase::SetPlacingChildren(bool placing)
{
    if (placing == d->placingChildren)
        return;
    d->placingChildren = placing;
    if (placing) {
        d->placingBefore = placingParent;
        placingParent = this;
    } else {
        placingParent = d->placingBefore;
    }
}

bool WBase::TakeChildrenChanged()
{
    return std::exchange(d->childrenChanged, false);
}

void WBase::TellParentOfChange()
{
    const QObject* p = parent();
    if (!p || p == placingParent) // the common case costs no cast
        return;
    auto* parent = qobject_cast<WBase*>(const_cast<QObject*>(p));
    if (parent && !parent->d->placingChildren)
        parent->d->childrenChanged = true;
}

// A pass may compute rectangles whose width int cannot hold (one from INT_MIN to INT_MAX,
// say); the widget goes as far as a widget can, QWIDGETSIZE_MAX, from the bounded near corner.
void WBase::LayoutSetGeometry(const QRect& rect)
{
    const QRect r = WPixels::BoundedRect(rect, QWIDGETSIZE_MAX);
    if (width() == r.width() && height() == r.height()) {
        move(r.topLeft());
        return;
    }
    d->layoutPlaced = true;
    setGeometry(r);
}

bool WBase::IsLayoutPlaced() const
{
    return d->layoutPlaced;
}

void WBase::GridListPaint(QPainter* painter, const QPoint& offset)
{
    painter->save();
    painter->translate(QPointF(offset));
    painter->setFont(font());
    Paint(painter);
    painter->restore();
    // Only library widgets know how to paint onto a foreign painter; anything else in the
    // tree (a plain QWidget used as a spacer, say) is skipped together with its subtree.
    for (QObject* child : children()) {
        if (auto* w = qobject_cast<WBase*>(child))
            w->GridListPaint(painter, w->pos() + offset);
    }
}

void WBase::SetDesignerMode(bool on)
{
    designerMode = on;
}

bool WBase::IsDesignerMode()
{
    return designerMode;
}

void WBase::SetKeyboardAccess(bool on)
{
    if (keyboardAccess == on)
        return;
    keyboardAccess = on;
    WFocusChain::SetEnabled(on);
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (auto* w = qobject_cast<WBase*>(widget))
            w->ApplyKeyboardFocus();
    }
}

bool WBase::IsKeyboardAccess()
{
    return keyboardAccess;
}

void WBase::SetFocusRingColor(const QColor& color)
{
    focusRingColor() = color;
}

QColor WBase::FocusRingColor()
{
    return focusRingColor();
}

// Only a policy the library set itself changes: an application's own choice (no focus at all,
// say) stands whatever the switch says.
void WBase::ApplyKeyboardFocus()
{
    if (keyboardAccess && d->takesTabFocus) {
        if (focusPolicy() == Qt::ClickFocus) {
            setFocusPolicy(Qt::StrongFocus);
            d->keyboardFocusRaised = true;
        }
    } else if (d->keyboardFocusRaised) {
        d->keyboardFocusRaised = false;
        if (focusPolicy() == Qt::StrongFocus)
            setFocusPolicy(Qt::ClickFocus);
    }
}

bool WBase::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::Polish:
        // The first moment at which the widget's whole class is known. A switch turned on
        // before the application existed installs its filter now.
        if (keyboardAccess) {
            WFocusChain::SetEnabled(true);
            ApplyKeyboardFocus();
        }
        // Made after the theme was applied: it takes the theme's values now, before its first
        // paint.
        if (WThemeHooks::InUse())
            WThemeHooks::Refresh(this, false);
        return QWidget::event(e);
    case QEvent::DynamicPropertyChange:
    case QEvent::ParentChange:
        // A variant changed, or the widget moved under another scope: the rules that match it
        // and its children may be others now.
        // Taken out of every parent, the widget is most often being destroyed (a form leaves its
        // shadow window so): there is nothing left to show.
        if (WThemeHooks::InUse() && testAttribute(Qt::WA_WState_Polished) &&
            (e->type() != QEvent::ParentChange || parentWidget()))
            WThemeHooks::Refresh(this, true);
        return QWidget::event(e);
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (parent() != placingParent) // the parent's own placing: the common case, no call
            TellParentOfChange();
        if (d->canReLayoutParent && !d->layoutPlaced) {
            if (auto* parent = qobject_cast<WBase*>(this->parent()))
                parent->PostChildDockChangedEvent();
        }
        return QWidget::event(e);
    case QEvent::Move:
    case QEvent::ZOrderChange:
        if (parent() != placingParent)
            TellParentOfChange();
        return QWidget::event(e);
    case QEvent::ScreenChangeInternal:
        // Glyphs and shadows are chosen for the density they are painted at: on a screen of
        // another density everything is painted again, and picks its drawings anew.
        update();
        return QWidget::event(e);
    case WEvent::ChildDockChanged:
        d->dockChangePending = false;
        return true;
    case WEvent::BorderChanged:
        d->borderChangePending = false;
        return true;
    default:
        return QWidget::event(e);
    }
}

void WBase::SetPaintExtent(PaintExtent extent, const std::type_info& type)
{
    d->paintExtent = int(extent);
    d->paintExtentType = &type;
    d->paintExtentApplies = -1;
}

// Whether Paint would leave every pixel as it is: WDrawAPI draws no back colour without alpha,
// and no border of width 0, without sides or without alpha.
bool WBase::PaintsNothing() const
{
    const auto extent = PaintExtent(d->paintExtent);
    if (extent == PaintExtent::Anything)
        return false;
    if (d->paintExtentApplies < 0)
        d->paintExtentApplies = typeid(*this) == *d->paintExtentType ? 1 : 0;
    if (!d->paintExtentApplies)
        return false;
    return extent == PaintExtent::Nothing ||
           (d->backColor.alpha() <= 0 && (d->borderWidth == 0 || d->border == PositionFlag::None ||
                                          d->borderColor.alpha() == 0));
}

void WBase::paintEvent(QPaintEvent*)
{
    if (!PaintsNothing()) {
        QPainter painter(this);
        // A painter takes the application's direction, not the widget's: text that is aligned
        // to no side follows the widget's own.
        if (layoutDirection() != QGuiApplication::layoutDirection())
            painter.setLayoutDirection(layoutDirection());
        Paint(&painter);
        painter.end();
    }
    if (keyboardAccess && hasFocus())
        PaintFocusRing();
}

void WBase::PaintFocusRing()
{
    if (!WFocusChain::IsTabStop(this) || width() < 4 || height() < 4)
        return;
    QColor color = FocusRingColor();
    if (!color.isValid())
        color = palette().color(QPalette::Highlight);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2));
    painter.setBrush(Qt::NoBrush);
    // The two-pixel line lies wholly inside the widget, following its rounded corners.
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal r = qBound(0, Radius() - 1, qMin(width(), height()));
    if (r > 0)
        painter.drawRoundedRect(ring, r, r);
    else
        painter.drawRect(ring);
}

bool WBase::TakesTabFocus() const
{
    return d->takesTabFocus;
}

void WBase::SetTakesTabFocus(bool takes)
{
    if (d->takesTabFocus == takes)
        return;
    d->takesTabFocus = takes;
    // Before its polish a widget is still being made; the polish applies the switch.
    if (testAttribute(Qt::WA_WState_Polished))
        ApplyKeyboardFocus();
}

bool WBase::TabStopSuspended() const
{
    return d->tabStopSuspended;
}

void WBase::SetTabStopSuspended(bool suspended)
{
    d->tabStopSuspended = suspended;
}

void MarkPassive(QObject* object)
{
    if (!object)
        return;
    object->setObjectName(QStringLiteral("__qt__passive_") + object->objectName());
    for (QObject* child : object->children())
        MarkPassive(child);
}
