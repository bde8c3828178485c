#pragma once

#include "wexal_export.h"

#include <QObject>

// What a line edit accepts as input.
class WEXAL_EXPORT TextType
{
    Q_GADGET
public:
    // A fixed underlying type: values written through the meta-object system may lie outside
    // the list and must still be representable.
    enum Types : int {
        Normal = 0,
        ASCII = 1,
        Number = 2,
        Password = 3,
        IPaddress = 4,
        MACaddress = 5,
        PhoneNumber = 6
    };
    Q_ENUM(Types)
};
