#include "WContainer.h"

#include "WEvent.h"
#include "WMirror_p.h"
#include "WPixels_p.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The free region of a dock layout pass: where the next docked child goes.
struct FreeRegion
{
    int x = 0;
    int y = 0;
    int freeW = 0;
    int freeH = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const FreeRegion& a, const FreeRegion& b)
    {
        return a.x == b.x && a.y == b.y && a.freeW == b.freeW && a.freeH == b.freeH &&
               a.right == b.right && a.bottom == b.bottom;
    }
};

// A pass sends a child to where it already is without a call: even a pure move costs Qt's
// bookkeeping, once per child and pass.
void place(WBase* c, const QRect& r)
{
    if (c->geometry() != r)
        c->LayoutSetGeometry(r);
}

// Places a docked child from the free region and takes its part out of the region.
void placeDocked(WBase* c, FreeRegion& f, bool mirrored)
{
    switch (WMirror::Dock(c->Dock(), mirrored)) {
    case DockType::Top: {
        const int e = qMin(c->height(), f.freeH);
        place(c, QRect(f.x, f.y, f.freeW, e));
        f.y += e;
        f.freeH -= e;
        break;
    }
    case DockType::Bottom: {
        const int e = qMin(c->height(), f.freeH);
        place(c, QRect(f.x, f.bottom - e, f.freeW, e));
        f.bottom -= e;
        f.freeH -= e;
        break;
    }
    case DockType::Left: {
        const int e = qMin(c->width(), f.freeW);
        place(c, QRect(f.x, f.y, e, f.freeH));
        f.x += e;
        f.freeW -= e;
        break;
    }
    case DockType::Right: {
        const int e = qMin(c->width(), f.freeW);
        place(c, QRect(f.right - e, f.y, e, f.freeH));
        f.right -= e;
        f.freeW -= e;
        break;
    }
    default: // Fill
        place(c, QRect(f.x, f.y, f.freeW, f.freeH));
        f.freeW = 0;
        f.freeH = 0;
        break;
    }
}

bool isDocked(DockType::Types dock)
{
    return dock >= DockType::Top && dock <= DockType::Fill;
}

} // namespace

struct WContainerPrivate
{
    WPadding padding;
    bool areaChangePending = false;

    // What the last pass did, for a removal to build on: each docked child in order with the
    // free region it was placed from. Removed children leave an empty pointer behind.
    struct Placement
    {
        QPointer<WBase> child;
        const QObject* key = nullptr; // the child's address, for the index only
        FreeRegion before;
    };
    std::vector<Placement> docked;
    QHash<const QObject*, int> index; // made at the first removal after a pass
    bool indexed = false;
    int holes = 0;
    QRect passArea; // null: no pass to build on
    const QObject* removed = nullptr;
    bool removalNoted = false;

    void Forget()
    {
        docked.clear();
        index.clear();
        indexed = false;
        holes = 0;
        passArea = QRect();
    }
};

WContainer::WContainer(QWidget* parent) : WBase(parent), d(std::make_unique<WContainerPrivate>()) {}

WContainer::~WContainer() = default;

const WPadding& WContainer::Padding() const
{
    return d->padding;
}

void WContainer::SetPadding(const WPadding& padding)
{
    if (d->padding == padding)
        return;
    d->padding = padding;
    ComputeContainerArea();
}

// Padding and border widths are applications' numbers and may be absurd; the sums are taken
// wide and bounded so that the area stays representable (and simply empty) instead of
// overflowing.
void WContainer::ComputeContainerArea()
{
    const WPadding& p = d->padding;
    const bool mirrored = isRightToLeft();
    const PositionFlag::Flags sides = WMirror::Sides(Border(), mirrored);
    const qint64 bw = BorderWidth();
    const qint64 left = qint64(mirrored ? p.Right : p.Left) + (sides & PositionFlag::Left ? bw : 0);
    const qint64 top = qint64(p.Top) + (sides & PositionFlag::Top ? bw : 0);
    const qint64 w =
        width() - left - (mirrored ? p.Left : p.Right) - (sides & PositionFlag::Right ? bw : 0);
    const qint64 h = height() - top - p.Bottom - (sides & PositionFlag::Bottom ? bw : 0);
    containerArea = QRect(WPixels::Bounded(left), WPixels::Bounded(top), WPixels::Bounded(w),
                          WPixels::Bounded(h));
    if (d->areaChangePending)
        return;
    d->areaChangePending = true;
    QCoreApplication::postEvent(this, new WEvent(WEvent::ContainerAreaChanged));
}

void WContainer::ChildRemovedBeforeLayout(QObject* child)
{
    d->removed = child;
    d->removalNoted = true;
}

bool WContainer::event(QEvent* e)
{
    switch (static_cast<int>(e->type())) {
    case QEvent::ChildRemoved:
        // A subclass that lays out without DockLayout leaves the removal unseen: what the last
        // pass did no longer describes the children.
        if (d->removalNoted) {
            d->removalNoted = false;
            d->Forget();
        }
        return WBase::event(e);
    case QEvent::LayoutDirectionChange:
        // Docks and anchors change sides even where the area stays the same.
        ComputeContainerArea();
        PostChildDockChangedEvent();
        update();
        return WBase::event(e);
    case WEvent::BorderChanged:
    case QEvent::Resize:
        ComputeContainerArea();
        return WBase::event(e);
    case WEvent::ContainerAreaChanged:
        d->areaChangePending = false;
        return true;
    default:
        return WBase::event(e);
    }
}

// A child is cut to the free space across its docking direction and follows the free region
// along it; earlier children take their space first. Anchored children keep their distance
// to the anchored edges as the area changes size.
void WContainer::DockLayout(QSize& lastAreaSize, bool visibleOnly)
{
    const QRect& a = containerArea;
    const bool removal = std::exchange(d->removalNoted, false);
    const bool changed = TakeChildrenChanged();
    if (a.left() > a.right() || a.top() > a.bottom()) {
        d->Forget();
        return;
    }
    const int areaW = a.width();
    const int areaH = a.height();
    if (lastAreaSize.width() < 0 || lastAreaSize.height() < 0)
        lastAreaSize = QSize(areaW, areaH);
    if (removal && !changed && a == d->passArea && lastAreaSize == QSize(areaW, areaH) &&
        !d->areaChangePending && !IsChildDockChangePending() && PlaceAfterRemoval())
        return;

    const int dW = areaW - lastAreaSize.width();
    const int dH = areaH - lastAreaSize.height();
    d->Forget();
    FreeRegion free{a.left(), a.top(), areaW, areaH, a.right() + 1, a.bottom() + 1};
    const bool mirrored = isRightToLeft();
    SetPlacingChildren(true);
    for (QObject* object : children()) {
        auto* c = qobject_cast<WBase*>(object);
        if (!c || c->isHidden() || (visibleOnly && !c->isVisible()))
            continue;
        if (isDocked(c->Dock())) {
            d->docked.push_back({c, c, free});
            placeDocked(c, free, mirrored);
            continue;
        }
        if (c->Dock() != DockType::None)
            continue;
        const PositionFlag::Flags anchor = WMirror::Sides(c->Anchor(), mirrored);
        if (anchor == (PositionFlag::Top | PositionFlag::Left) || (dW == 0 && dH == 0))
            continue;
        QRect g = c->geometry();
        const bool l = anchor & PositionFlag::Left, r = anchor & PositionFlag::Right;
        const bool t = anchor & PositionFlag::Top, b = anchor & PositionFlag::Bottom;
        if (l && r)
            g.setWidth(g.width() + dW);
        else if (r)
            g.translate(dW, 0);
        else if (!l) // centred: mirrored, the odd pixel goes the other way
            g.translate(mirrored ? dW - dW / 2 : dW / 2, 0);
        if (t && b)
            g.setHeight(g.height() + dH);
        else if (b)
            g.translate(0, dH);
        else if (!t)
            g.translate(0, dH / 2);
        c->LayoutSetGeometry(g);
    }
    SetPlacingChildren(false);
    d->passArea = a;
    lastAreaSize = QSize(areaW, areaH);
}

// With nothing else changed since the last pass, a removal moves only the docked children
// after the removed one, and only until one of them finds the free region it was placed from:
// from there on every place is what it was. Returns false when the record cannot say.
bool WContainer::PlaceAfterRemoval()
{
    std::vector<WContainerPrivate::Placement>& docked = d->docked;
    if (!d->indexed) {
        d->index.clear();
        d->index.reserve(int(docked.size()));
        for (int i = 0; i < int(docked.size()); ++i) {
            if (docked[size_t(i)].key)
                d->index.insert(docked[size_t(i)].key, i);
        }
        d->indexed = true;
    }
    const auto it = d->index.find(d->removed);
    if (it == d->index.end())
        return true; // not a docked child of the last pass: nothing moves
    const int k = it.value();
    d->index.erase(it);
    FreeRegion free = docked[size_t(k)].before;
    docked[size_t(k)].child.clear();
    docked[size_t(k)].key = nullptr;
    ++d->holes;
    SetPlacingChildren(true);
    bool complete = true;
    for (size_t j = size_t(k) + 1; j < docked.size(); ++j) {
        WContainerPrivate::Placement& p = docked[j];
        if (!p.key)
            continue;
        if (p.before == free)
            break;
        WBase* c = p.child.data();
        // Gone or changed without a word: only a whole pass knows.
        if (!c || c->parent() != this || c->isHidden() || !isDocked(c->Dock())) {
            complete = false;
            break;
        }
        p.before = free;
        placeDocked(c, free, isRightToLeft());
    }
    SetPlacingChildren(false);
    if (!complete)
        return false;
    // Trailing holes go at once; the others when they are half of the record.
    while (!docked.empty() && !docked.back().key) {
        docked.pop_back();
        --d->holes;
    }
    if (d->holes * 2 > int(docked.size())) {
        docked.erase(std::remove_if(docked.begin(), docked.end(),
                                    [](const WContainerPrivate::Placement& p) { return !p.key; }),
                     docked.end());
        d->holes = 0;
        d->indexed = false;
    }
    return true;
}
