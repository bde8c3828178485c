#pragma once

#include "wexal_export.h"

#include <QObject>

// How a child is placed by its parent's dock layout pass.
class WEXAL_EXPORT DockType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system (Designer, a
    // QVariant from anywhere) may lie outside the list and must still be representable.
    enum Types : int { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Fill = 5 };
    Q_ENUM(Types)
};
