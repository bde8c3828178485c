#pragma once

#include "wexal_export.h"

class QObject;

// Prefixes the object names of object and all its descendants with "__qt__passive_", which
// makes Qt Designer's form editor pass mouse input to them.
WEXAL_AUTOTEST_EXPORT void MarkPassive(QObject* object);
