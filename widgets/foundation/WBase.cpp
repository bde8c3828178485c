#include "WBase.h"
#include "WBase_p.h"
#include "WEvent.h"
#include "WPixels_p.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
bool designerMode = false;
}

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
};

WBase::WBase(QWidget* parent) : QWidget(parent), d(std::make_unique<WBasePrivate>())
{
    setFocusPolicy(Qt::ClickFocus);
}

WBase::~WBase() = default;

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

bool WBase::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (d->canReLayoutParent && !d->layoutPlaced) {
            if (auto* parent = qobject_cast<WBase*>(this->parent()))
                parent->PostChildDockChangedEvent();
        }
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

void WBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(&painter);
    painter.end();
}

void MarkPassive(QObject* object)
{
    if (!object)
        return;
    object->setObjectName(QStringLiteral("__qt__passive_") + object->objectName());
    for (QObject* child : object->children())
        MarkPassive(child);
}
