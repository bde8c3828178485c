#pragma once

#include "wexal_export.h"

class QWidget;

// The parts a form makes inside itself, told apart for the screen readers: its title bar is an
// ordinary panel to everyone else, and its system buttons ordinary buttons.
namespace WFormParts {

WEXAL_AUTOTEST_EXPORT bool IsTitleBar(const QWidget* widget);
WEXAL_AUTOTEST_EXPORT bool IsSystemButton(const QWidget* widget);

} // namespace WFormParts
