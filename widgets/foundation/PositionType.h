#pragma once

#include "wexal_export.h"

#include <QObject>

/// One side of a rectangle, for things that sit on exactly one side (the bar of a
/// WTabControl, say).
///
/// \image html PositionType.png
class WEXAL_EXPORT PositionType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    /// The four sides.
    enum Types : int {
        /// The top side.
        Top = 0,
        /// The bottom side.
        Bottom = 1,
        /// The left side.
        Left = 2,
        /// The right side.
        Right = 3
    };
    Q_ENUM(Types)
};
