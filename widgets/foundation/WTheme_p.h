#pragma once

#include "wexal_export.h"

class QWidget;

// The hooks by which widgets meet the theme in effect: when first polished, when a property a
// selector may test changes, when moved under another parent, and when gone. Each costs one
// test of a flag while no theme was ever applied.
namespace WThemeHooks {
bool InUse();
// Themes widget, and with children its descendants as well, from the scope it is in now.
void Refresh(QWidget* widget, bool children);
void Forget(const QWidget* widget);
// A part a composite widget makes and colours from its own properties (a scroll bar, a tab's
// button, a title bar): themed through its owner's properties, never by the rules of its class.
WEXAL_AUTOTEST_EXPORT void MarkPart(QWidget* part);
} // namespace WThemeHooks
