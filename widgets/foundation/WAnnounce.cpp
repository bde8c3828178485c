#include "WAnnounce_p.h"

#include <QAccessible>
#include <QWidget>

namespace {
QAccessible::UpdateHandler testListener = nullptr;

void send(QAccessibleEvent& event)
{
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(&event);
    else if (testListener)
        testListener(&event);
}

void sendPlain(QObject* object, QAccessible::Event type, int child)
{
    QAccessibleEvent event(object, type);
    if (child >= 0)
        event.setChild(child);
    send(event);
}
} // namespace

namespace WAnnounce {

bool Active()
{
    return testListener || QAccessible::isActive();
}

void SetTestListener(QAccessible::UpdateHandler listener)
{
    testListener = listener;
}

void CheckedChanged(QObject* widget)
{
    if (!Active())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    send(event);
}

void ExpandedChanged(QObject* widget)
{
    if (!Active())
        return;
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent event(widget, changed);
    send(event);
}

void NameChanged(QObject* widget)
{
    if (Active())
        sendPlain(widget, QAccessible::NameChanged, -1);
}

void ValueChanged(QObject* widget, const QVariant& value, int child)
{
    if (!Active())
        return;
    QAccessibleValueChangeEvent event(widget, value);
    if (child >= 0)
        event.setChild(child);
    send(event);
}

void FocusChanged(QObject* widget, int child)
{
    if (Active())
        sendPlain(widget, QAccessible::Focus, child);
}

void SelectionChanged(QObject* widget, int child)
{
    if (Active())
        sendPlain(widget, QAccessible::Selection, child);
}

void PopupShown(QObject* popup, bool shown)
{
    if (Active())
        sendPlain(popup, shown ? QAccessible::PopupMenuStart : QAccessible::PopupMenuEnd, -1);
}

void TextReplaced(QObject* widget, int position, const QString& removed, const QString& inserted)
{
    if (!Active() || removed == inserted)
        return;
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(widget, position, inserted);
        send(event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(widget, position, removed);
        send(event);
    } else {
        QAccessibleTextUpdateEvent event(widget, position, removed, inserted);
        send(event);
    }
}

void CaretMoved(QObject* widget, int position)
{
    if (!Active())
        return;
    QAccessibleTextCursorEvent event(widget, position);
    send(event);
}

void TextSelectionChanged(QObject* widget, int start, int end)
{
    if (!Active())
        return;
    QAccessibleTextSelectionEvent event(widget, start, end);
    send(event);
}

void TableReset(QObject* table)
{
    if (!Active())
        return;
    QAccessibleTableModelChangeEvent event(table, QAccessibleTableModelChangeEvent::ModelReset);
    send(event);
}

} // namespace WAnnounce
