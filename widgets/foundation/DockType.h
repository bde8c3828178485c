#pragma once

#include "wexal_export.h"

#include <QObject>

// How a child is placed by its parent's dock layout pass.
class WEXAL_EXPORT DockType
{
    Q_GADGET
public:
    enum Types { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4, Fill = 5 };
    Q_ENUM(Types)
};
