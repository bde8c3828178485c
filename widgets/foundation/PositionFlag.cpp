#include "PositionFlag.h"

#include <QMetaType>

namespace {

// Qt registers a Q_FLAG type without any conversion to or from int, so whatever reads a flags
// property generically sees 0: QVariant::toInt, and with it Designer, which shows such a
// property as a set of check boxes and saves it as a <set> of names. Registered once, when
// the library is loaded.
void registerPositionFlagConversions()
{
    QMetaType::registerConverter<PositionFlag::Flags, int>(
        [](PositionFlag::Flags flags) { return int(flags); });
    QMetaType::registerConverter<int, PositionFlag::Flags>(
        [](int value) { return PositionFlag::Flags(value); });
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerPositionFlagConversions)
