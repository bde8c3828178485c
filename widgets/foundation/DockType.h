#pragma once

#include "wexal_export.h"

#include <QObject>

/// How a child is placed by its parent's dock layout pass (see WBase::Dock()).
///
/// Docked children are placed in the order they were added: each takes a strip along one side
/// of the room the earlier ones left, as long as its own height (or width) but cut to that room,
/// and spanning the room across. Children that are not docked keep their geometry and follow
/// their WBase::Anchor() instead.
///
/// \image html DockType.png
class WEXAL_EXPORT DockType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system (Designer, a
    // QVariant from anywhere) may lie outside the list and must still be representable.
    /// Where a child docks.
    enum Types : int {
        /// Not docked: the child keeps its geometry and follows its anchor.
        None = 0,
        /// A strip along the top of the free room, at the child's height.
        Top = 1,
        /// A strip along the bottom of the free room, at the child's height.
        Bottom = 2,
        /// A strip along the left of the free room, at the child's width (the right, right to
        /// left).
        Left = 3,
        /// A strip along the right of the free room, at the child's width (the left, right to
        /// left).
        Right = 4,
        /// All of the room left; children docked after it get none.
        Fill = 5
    };
    Q_ENUM(Types)
};
