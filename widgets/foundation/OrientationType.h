#pragma once

#include "wexal_export.h"

#include <QObject>

/// The direction a bar-shaped widget runs in (track bars, progress bars, scroll bars).
class WEXAL_EXPORT OrientationType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    /// The two directions.
    enum Types : int {
        /// Left to right (right to left in a right-to-left layout).
        Horizontal = 0,
        /// Top to bottom.
        Vertical = 1
    };
    Q_ENUM(Types)
};
