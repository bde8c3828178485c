#pragma once

#include "wexal_export.h"

#include <QObject>

// Sides of a rectangle; the bits combine freely (All = Top | Bottom | Left | Right).
class WEXAL_EXPORT PositionFlag
{
    Q_GADGET
public:
    enum Flag { None = 0, Top = 1, Bottom = 2, Left = 4, Right = 8, All = 15 };
    Q_DECLARE_FLAGS(Flags, Flag)
    Q_FLAG(Flags)
};
Q_DECLARE_OPERATORS_FOR_FLAGS(PositionFlag::Flags)
