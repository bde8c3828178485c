#pragma once

#include "wexal_export.h"

#include <QEvent>

/// The library's own posted events.
///
/// Geometry work is deferred through the event queue with these, and each receiver keeps at
/// most one of each type pending, so a burst of changes costs one pass. Subclasses that lay
/// out their children themselves handle them in their QObject::event() override.
class WEXAL_EXPORT WEvent : public QEvent
{
public:
    /// Posted to a parent when a child's dock, size or visibility changed: the parent re-runs
    /// its layout (see WBase::PostChildDockChangedEvent()).
    static constexpr QEvent::Type ChildDockChanged = QEvent::Type(QEvent::User);
    /// Posted to a widget when its border sides or width changed: border-derived geometry (a
    /// container's area) is recomputed.
    static constexpr QEvent::Type BorderChanged = QEvent::Type(QEvent::User + 1);
    /// Posted to a container when its inner area was recomputed (see
    /// WContainer::ComputeContainerArea()): its children are placed again.
    static constexpr QEvent::Type ContainerAreaChanged = QEvent::Type(QEvent::User + 2);

    /// Makes an event of type, one of the three above.
    explicit WEvent(QEvent::Type type);
    ~WEvent() override;
};
