#include "WBaseButton.h"

#include "WAliveGuard_p.h"
#include "WAnnounce_p.h"
#include "WPixels_p.h"
#include "WQtCompat_p.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// Horizontal flags, AlignAbsolute, and the vertical flags: everything a caption can use.
constexpr int alignmentMask = 0x1FF;
} // namespace

struct WBaseButtonPrivate
{
    QString text;
    QPoint textOffset;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool canHover = true;
};

WBaseButton::WBaseButton(QWidget* parent) : WBase(parent), d(std::make_unique<WBaseButtonPrivate>())
{
    SetTakesTabFocus(true);
}

WBaseButton::~WBaseButton() = default;

const QString& WBaseButton::Text() const
{
    return d->text;
}

void WBaseButton::SetText(const QString& text)
{
    if (d->text == text)
        return;
    d->text = text;
    update();
    WAnnounce::NameChanged(this);
}

const QPoint& WBaseButton::TextOffset() const
{
    return d->textOffset;
}

void WBaseButton::SetTextOffset(const QPoint& offset)
{
    if (d->textOffset == offset)
        return;
    d->textOffset = offset;
    update();
}

Qt::Alignment WBaseButton::Alignment() const
{
    return d->alignment;
}

void WBaseButton::SetAlignment(Qt::Alignment alignment)
{
    // Compared as given: a value carrying high bits is "different" and costs one repaint,
    // though what is stored ends up the same.
    if (d->alignment == alignment)
        return;
    d->alignment = Qt::Alignment(int(alignment) & alignmentMask);
    update();
}

bool WBaseButton::CanHover() const
{
    return d->canHover;
}

void WBaseButton::SetCanHover(bool canHover)
{
    if (d->canHover == canHover)
        return;
    d->canHover = canHover;
    if (!canHover)
        hovered = false;
}

static QPoint mousePos(QEvent* e)
{
    return WPixels::Round(WEventPos(static_cast<QMouseEvent*>(e)));
}

bool WBaseButton::event(QEvent* e)
{
    const bool enabled = !testAttribute(Qt::WA_Disabled);
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        if (enabled && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            pressed = true;
            update();
        }
        break;
    case QEvent::MouseButtonRelease: {
        if (!enabled)
            break;
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            pressed = false;
            update();
            if (rect().contains(mousePos(e))) {
                // A slot connected to the click may delete this button, or its parent.
                const WAliveGuard alive(this);
                ClickedEvent();
                if (!alive)
                    return true;
            }
        }
        // Outside Designer a release ends here, so a click never also reaches the parent;
        // Designer's form editor needs to see it to select the widget.
        if (!IsDesignerMode())
            return true;
        break;
    }
    case QEvent::KeyPress: {
        // With the keyboard switch, Space and Enter click the focused button.
        auto* key = static_cast<QKeyEvent*>(e);
        const int k = key->key();
        const bool clickKey = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
        if (!IsKeyboardAccess() || !clickKey ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            break;
        if (enabled && !key->isAutoRepeat()) {
            // A slot connected to the click may delete this button, or its parent.
            const WAliveGuard alive(this);
            ClickedEvent();
            if (!alive)
                return true;
        }
        e->accept();
        return true;
    }
    case QEvent::MouseMove:
        if (enabled && d->canHover) {
            const bool inside = rect().contains(mousePos(e));
            if (inside != hovered) {
                hovered = inside;
                update();
            }
        }
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (enabled && d->canHover) {
            hovered = e->type() == QEvent::Enter;
            update();
        }
        break;
    case QEvent::Hide:
        hovered = false;
        pressed = false;
        break;
    case QEvent::EnabledChange:
        if (!enabled) {
            hovered = false;
            pressed = false;
        }
        break;
    default:
        break;
    }
    return WBase::event(e);
}
