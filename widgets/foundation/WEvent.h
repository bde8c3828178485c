#pragma once

#include "wexal_export.h"

#include <QEvent>

// The library's own posted events. Geometry work is deferred through the event queue with
// these, and each receiver keeps at most one of each type pending, so a burst of changes
// costs one pass.
class WEXAL_EXPORT WEvent : public QEvent
{
public:
    // A child's dock, size or visibility changed: the parent re-runs its layout.
    static constexpr QEvent::Type ChildDockChanged = QEvent::Type(QEvent::User);
    // The widget's border sides or width changed: border-derived geometry is recomputed.
    static constexpr QEvent::Type BorderChanged = QEvent::Type(QEvent::User + 1);
    // A container's inner area was recomputed: its children are placed again.
    static constexpr QEvent::Type ContainerAreaChanged = QEvent::Type(QEvent::User + 2);

    explicit WEvent(QEvent::Type type);
    ~WEvent() override;
};
