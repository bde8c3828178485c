#pragma once

#include "WBase.h"
#include "WPadding.h"

#include <QRect>

struct WContainerPrivate;

// Abstract base of every widget that holds other widgets: keeps the padding and the container
// area, the rectangle inside padding and drawn border sides where children may be placed.
class WEXAL_EXPORT WContainer : public WBase
{
    Q_OBJECT

public:
    explicit WContainer(QWidget* parent = nullptr);
    ~WContainer() override;

    const WPadding& Padding() const;
    void SetPadding(const WPadding& padding);

    // Recomputes containerArea and posts ContainerAreaChanged to this container (once until
    // delivered, and even when the area came out the same).
    void ComputeContainerArea();

    const QRect& ContainerArea() const { return containerArea; }

protected:
    bool event(QEvent* e) override;

    // Places the WBase children into containerArea by their Dock and Anchor. lastAreaSize is
    // the caller's memory of the area size at its previous pass ((-1, -1) before the first);
    // anchored children move by the difference. With visibleOnly, children that are not hidden
    // but not visible yet (their window is not shown) are left out as well.
    //
    // After ChildRemovedBeforeLayout(child) the pass only moves what the removal frees: the
    // docked children after the removed one, as far as their places change. A removal that
    // frees nothing (an anchored, hidden or foreign child, or the last docked one) costs the
    // same however many children there are. Anything else changed since the last pass (the
    // area, or a pending dock change) makes it a whole pass.
    void DockLayout(QSize& lastAreaSize, bool visibleOnly = false);
    void ChildRemovedBeforeLayout(QObject* child);

    QRect containerArea;

private:
    bool PlaceAfterRemoval();

    const std::unique_ptr<WContainerPrivate> d;
};
