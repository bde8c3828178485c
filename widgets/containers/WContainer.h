#pragma once

#include "WBase.h"
#include "WPadding.h"

#include <QRect>

struct WContainerPrivate;

/// Abstract base of every widget that holds other widgets: keeps the padding and the container
/// area, the rectangle inside the padding and the drawn border sides where children may be
/// placed.
///
/// The area is recomputed whenever the size, padding, border or layout direction changes, and
/// each recomputation posts WEvent::ContainerAreaChanged, on which subclasses lay out their
/// children (WPanel with DockLayout()).
class WEXAL_EXPORT WContainer : public WBase
{
    Q_OBJECT

public:
    /// Makes the container, a child of parent.
    explicit WContainer(QWidget* parent = nullptr);
    ~WContainer() override;

    /// The distance kept free inside each edge, in pixels, on top of the border's width on
    /// the sides that have a border. Default 0 on every side. Values are not clamped: a
    /// padding larger than the container leaves an empty area.
    const WPadding& Padding() const;
    /// Sets the padding and recomputes the container area; see Padding().
    void SetPadding(const WPadding& padding);

    /// Recomputes ContainerArea() and posts WEvent::ContainerAreaChanged to this container (once
    /// until delivered, and even when the area came out the same).
    void ComputeContainerArea();

    /// Where children may be placed, in the container's coordinates: the widget's rectangle
    /// less Padding() and, on the sides named by Border(), BorderWidth(). Empty when nothing
    /// fits.
    const QRect& ContainerArea() const { return containerArea; }

protected:
    /// Recomputes the area on resizes and on border and layout direction changes, and keeps the
    /// record of the last layout pass up to date as children are removed.
    bool event(QEvent* e) override;

    /// Places the WBase children into the container area by their Dock and Anchor. lastAreaSize
    /// is the caller's memory of the area size at its previous pass ((-1, -1) before the
    /// first); anchored children move by the difference, and it is updated. Hidden children are
    /// left out; with visibleOnly, so are children that are not hidden but not visible yet
    /// (their window is not shown).
    ///
    /// After ChildRemovedBeforeLayout(child) the pass only moves what the removal frees: the
    /// docked children after the removed one, as far as their places change. A removal that
    /// frees nothing (an anchored, hidden or foreign child, or the last docked one) costs the
    /// same however many children there are. Anything else changed since the last pass (the
    /// area, or a pending dock change) makes it a whole pass.
    void DockLayout(QSize& lastAreaSize, bool visibleOnly = false);
    /// Tells the next DockLayout() that child was just removed, so that it only moves what the
    /// removal frees. Call it on QEvent::ChildRemoved, before laying out.
    void ChildRemovedBeforeLayout(QObject* child);

    /// The area children are placed in; see ContainerArea().
    QRect containerArea;

private:
    bool PlaceAfterRemoval();

    const std::unique_ptr<WContainerPrivate> d;
};
