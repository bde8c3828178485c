#pragma once

#include "wexal_export.h"

#include <QObject>

/// Sides of a rectangle, for properties that name several sides at once (WBase::Border(),
/// WBase::Anchor()); the bits combine freely.
///
/// \image html PositionFlag.png
class WEXAL_EXPORT PositionFlag
{
    Q_GADGET
public:
    /// One side, or a set of them.
    enum Flag {
        /// No side.
        None = 0,
        /// The top side.
        Top = 1,
        /// The bottom side.
        Bottom = 2,
        /// The left side.
        Left = 4,
        /// The right side.
        Right = 8,
        /// All four sides: Top | Bottom | Left | Right.
        All = 15
    };
    Q_DECLARE_FLAGS(Flags, Flag)
    Q_FLAG(Flags)
};
Q_DECLARE_OPERATORS_FOR_FLAGS(PositionFlag::Flags)
