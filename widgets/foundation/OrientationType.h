#pragma once

#include "wexal_export.h"

#include <QObject>

class WEXAL_EXPORT OrientationType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    enum Types : int { Horizontal = 0, Vertical = 1 };
    Q_ENUM(Types)
};
