#pragma once

#include "wexal_export.h"

#include <QAccessible>
#include <QString>
#include <QVariant>

class QObject;

// The change announcements the widgets make to assistive technology, through Qt's own events:
// nothing here knows a widget class. Each call costs one test
// and nothing more while no screen reader listens (QAccessible::isActive() is false); callers
// that would build a payload first (a copy of removed text, say) ask Active() before they do.
namespace WAnnounce {

WEXAL_AUTOTEST_EXPORT bool Active();
// Qt hands announcements to an update handler only while a screen reader listens, which never
// happens on the offscreen platform the tests run on. There, the tests hear them through this
// listener, which gets each announcement exactly where Qt would have been given it; while a
// reader listens, Qt gets them and the listener nothing. Null removes it.
WEXAL_AUTOTEST_EXPORT void SetTestListener(QAccessible::UpdateHandler listener);

// The checked state flipped.
void CheckedChanged(QObject* widget);
// A popup opened or closed under the widget.
void ExpandedChanged(QObject* widget);
// The widget's name (its caption, title or text) changed.
void NameChanged(QObject* widget);
// The value of the widget, or of one of its items (child >= 0), changed.
void ValueChanged(QObject* widget, const QVariant& value, int child = -1);
// An item took the keyboard focus, or became the selected one; child is its index among the
// widget's accessible children.
void FocusChanged(QObject* widget, int child);
void SelectionChanged(QObject* widget, int child);
// A popup window opened or closed.
void PopupShown(QObject* popup, bool shown);
// Text from position on: `removed` went, `inserted` came, both as the widget shows them.
void TextReplaced(QObject* widget, int position, const QString& removed, const QString& inserted);
void CaretMoved(QObject* widget, int position);
void TextSelectionChanged(QObject* widget, int start, int end);
// A table widget re-read its model.
void TableReset(QObject* table);

} // namespace WAnnounce
