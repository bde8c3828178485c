#pragma once

#include "wexal_export.h"

#include <QObject>

// One side of a rectangle, for things that sit on exactly one side.
class WEXAL_EXPORT PositionType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    enum Types : int { Top = 0, Bottom = 1, Left = 2, Right = 3 };
    Q_ENUM(Types)
};
