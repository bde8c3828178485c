#pragma once

#include <QString>

class QWidget;
class WSwitchButton;

// The gallery's looks: a built-in theme with the gallery's own rules (gallery-<name>.qss) after
// it, which is how an application extends a built-in theme.
namespace GalleryThemes {

// "light", "dark", or "desktop" to follow the desktop's preference; false for anything else,
// leaving the theme as it was.
bool Use(const QString& choice);

// A Light/Dark switch for the header. Flipping it ends following the desktop; it follows the
// theme however that changes.
WSwitchButton* MakeSwitch(QWidget* parent);

} // namespace GalleryThemes
