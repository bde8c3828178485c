#pragma once

#include "wexal_export.h"

#include <QObject>

class WEXAL_EXPORT OrientationType
{
    Q_GADGET
public:
    enum Types { Horizontal = 0, Vertical = 1 };
    Q_ENUM(Types)
};
