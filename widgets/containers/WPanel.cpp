#include "WPanel.h"
#include "WEvent.h"
#include "WMirror_p.h"
#include "WRoundedLayerCache_p.h"

#include <QChildEvent>
#include <QPainter>

struct WPanelPrivate
{
    QSize lastAreaSize{-1, -1};
    WRoundedLayerCache layers; // rounded faces are drawn once per look, then blitted
    // A panel that is a window of its own would have Qt fill all of it with the window's
    // background before it paints, only for its face to cover nearly all of that again. While
    // its face is opaque, it tells Qt that it paints every pixel (WA_OpaquePaintEvent) and copies
    // the background in itself, as Qt would have, where the face lets it show.
    bool ownGround = false; // the attribute is set, by the panel
};

namespace {

// Whether Qt would fill the panel with nothing but its palette's plain window colour, and the
// panel covers all of it but the corners.
bool fitForOwnGround(const WPanel* panel)
{
    // A subclass may paint more, or otherwise.
    return typeid(*panel) == typeid(WPanel) && panel->isWindow() &&
           panel->BackColor().alpha() == 255 && !panel->autoFillBackground() &&
           !panel->testAttribute(Qt::WA_NoSystemBackground) &&
           !panel->testAttribute(Qt::WA_StyledBackground) &&
           panel->palette().brush(QPalette::Window).style() == Qt::SolidPattern;
}

} // namespace

WPanel::WPanel(QWidget* parent) : WContainer(parent), d(std::make_unique<WPanelPrivate>())
{
    SetPaintExtent(PaintExtent::LookOnly, typeid(WPanel));
}

WPanel::~WPanel() = default;

bool WPanel::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::ChildRemoved:
        ChildRemovedBeforeLayout(static_cast<QChildEvent*>(e)->child());
        ReLayout();
        break;
    case WEvent::ChildDockChanged:
    case WEvent::ContainerAreaChanged:
        // Laid out before the pending flag is cleared below, so that requests made by the
        // pass itself are absorbed by this event.
        ReLayout();
        break;
    case QEvent::Polish:
    case QEvent::Show:
    case QEvent::UpdateRequest: // a window's repaint is about to happen
    case QEvent::ParentChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange: {
        // Decided before Qt paints, never while it is in the middle of a paint.
        const bool own = fitForOwnGround(this);
        if (own != d->ownGround && !(own && testAttribute(Qt::WA_OpaquePaintEvent))) {
            d->ownGround = own;
            setAttribute(Qt::WA_OpaquePaintEvent, own);
        }
        break;
    }
    case QEvent::Paint:
        // Something changed since Qt was told, without a word to the panel (a colour, or
        // autoFillBackground): what Qt would have painted under it.
        if (d->ownGround && !fitForOwnGround(this) && !testAttribute(Qt::WA_NoSystemBackground)) {
            QPainter painter(this);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect(), palette().brush(QPalette::Window));
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            if (autoFillBackground())
                painter.fillRect(rect(), palette().brush(backgroundRole()));
        }
        break;
    default:
        break;
    }
    return WContainer::event(e);
}

void WPanel::Paint(QPainter* painter)
{
    const QRect r(0, 0, width(), height());
    const bool ownGround = d->ownGround && fitForOwnGround(this);
    d->layers.DrawFace(painter, r, Radius(), BackColor(), BorderColor(),
                       WMirror::Sides(Border(), isRightToLeft()), BorderWidth(),
                       ownGround ? palette().color(QPalette::Window) : QColor());
}

void WPanel::ReLayout()
{
    DockLayout(d->lastAreaSize);
}
