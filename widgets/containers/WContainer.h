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
    void DockLayout(QSize& lastAreaSize, bool visibleOnly = false);

    QRect containerArea;

private:
    const std::unique_ptr<WContainerPrivate> d;
};
