#pragma once

// Shared by the accessibility and keyboard tests: a recorder of the announcements widgets make
// to assistive technology, the keyboard switch for the length of a test, and a walk over an
// accessible tree that reads everything a reader would.

#include "WAccessibleNotify_p.h"
#include "WBase.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <QPointer>
#include <QtTest>

namespace AccessTest {

struct Announcement
{
    QAccessible::Event type;
    QObject* object;
    int child;
    QAccessible::State changed;
    QVariant value;
    int position = -1;
    QString removed;
    QString inserted;
    int modelChange = -1;
};

inline QList<Announcement>& Heard()
{
    static QList<Announcement> list;
    return list;
}

// Hears the announcements for the life of the recorder: as Qt's update handler while a screen
// reader listens (under AT-SPI), else as the library's test listener, which gets them where Qt
// would have (Qt hands an update handler nothing while no reader listens).
class Recorder
{
public:
    Recorder()
    {
        Heard().clear();
        QAccessible::installUpdateHandler(&Record);
        WAccessibleNotify::SetTestListener(&Record);
    }
    ~Recorder()
    {
        WAccessibleNotify::SetTestListener(nullptr);
        QAccessible::installUpdateHandler(nullptr);
        Heard().clear();
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void Clear() { Heard().clear(); }
    // What was announced about the object (and, for child >= -1, that child only).
    QList<Announcement> Of(const QObject* object, QAccessible::Event type, int child = -2) const
    {
        QList<Announcement> found;
        for (const Announcement& a : qAsConst(Heard())) {
            if (a.object == object && a.type == type && (child < -1 || a.child == child))
                found.append(a);
        }
        return found;
    }
    int Count(const QObject* object, QAccessible::Event type, int child = -2) const
    {
        return Of(object, type, child).size();
    }

private:
    static void Record(QAccessibleEvent* e)
    {
        Announcement a{e->type(), e->object(), e->child(), {}, {}};
        switch (e->type()) {
        case QAccessible::StateChanged:
            a.changed = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates();
            break;
        case QAccessible::ValueChanged:
            a.value = static_cast<QAccessibleValueChangeEvent*>(e)->value();
            break;
        case QAccessible::TextInserted: {
            auto* t = static_cast<QAccessibleTextInsertEvent*>(e);
            a.position = t->changePosition();
            a.inserted = t->textInserted();
            break;
        }
        case QAccessible::TextRemoved: {
            auto* t = static_cast<QAccessibleTextRemoveEvent*>(e);
            a.position = t->changePosition();
            a.removed = t->textRemoved();
            break;
        }
        case QAccessible::TextUpdated: {
            auto* t = static_cast<QAccessibleTextUpdateEvent*>(e);
            a.position = t->changePosition();
            a.removed = t->textRemoved();
            a.inserted = t->textInserted();
            break;
        }
        case QAccessible::TextCaretMoved:
            a.position = static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition();
            break;
        case QAccessible::TextSelectionChanged: {
            auto* t = static_cast<QAccessibleTextSelectionEvent*>(e);
            a.position = t->selectionStart();
            a.value = t->selectionEnd();
            break;
        }
        case QAccessible::TableModelChanged:
            a.modelChange = static_cast<QAccessibleTableModelChangeEvent*>(e)->modelChangeType();
            break;
        default:
            break;
        }
        Heard().append(a);
    }
};

// The keyboard switch on for the life of the object.
struct KeyboardOn
{
    KeyboardOn() { WBase::SetKeyboardAccess(true); }
    ~KeyboardOn() { WBase::SetKeyboardAccess(false); }
};

// Shows the window and makes it the active one, as a user's click would; true once it is.
inline bool ShowActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

inline QAccessibleInterface* Face(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

inline QString RoleName(QAccessible::Role role)
{
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

inline QString Name(QAccessibleInterface* face)
{
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

// Reads every node below the interface as a reader would, and checks that parents and children
// agree. Returns what is wrong, or an empty string. Long lists are sampled at both ends.
inline QString WalkTree(QAccessibleInterface* node, int depth = 0)
{
    if (!node)
        return QStringLiteral("a null child");
    if (depth > 40)
        return QStringLiteral("a tree deeper than 40");
    if (!node->isValid())
        return QString();
    node->text(QAccessible::Name);
    node->text(QAccessible::Value);
    node->text(QAccessible::Description);
    node->rect();
    node->role();
    const QAccessible::State s = node->state();
    Q_UNUSED(s)
    node->focusChild();
    if (QAccessibleValueInterface* v = node->valueInterface()) {
        v->currentValue();
        v->minimumValue();
        v->maximumValue();
    }
    if (QAccessibleActionInterface* a = node->actionInterface())
        a->actionNames();
    if (QAccessibleTextInterface* t = node->textInterface()) {
        const int n = t->characterCount();
        t->text(0, n);
        t->text(-5, n + 5);
        t->cursorPosition();
        int start = 0, end = 0;
        for (int i = 0; i < t->selectionCount(); ++i)
            t->selection(i, &start, &end);
        t->characterRect(n / 2);
        t->offsetAtPoint(node->rect().center());
    }
    if (QAccessibleTableInterface* table = node->tableInterface()) {
        table->rowCount();
        table->columnCount();
        table->selectedRows();
        table->cellAt(0, 0);
        table->cellAt(-1, -1);
    }
    const int count = node->childCount();
    for (int i = 0; i < count; ++i) {
        if (count > 40 && i == 10)
            i = count - 10;
        QAccessibleInterface* child = node->child(i);
        if (!child)
            return QStringLiteral("child %1 of %2 is null").arg(i).arg(RoleName(node->role()));
        if (child->parent() != node)
            return QStringLiteral("child %1 (%2) of %3 names another parent")
                .arg(i)
                .arg(RoleName(child->role()), RoleName(node->role()));
        if (node->indexOfChild(child) != i)
            return QStringLiteral("%1 finds its child %2 at %3")
                .arg(RoleName(node->role()))
                .arg(i)
                .arg(node->indexOfChild(child));
        const QString wrong = WalkTree(child, depth + 1);
        if (!wrong.isEmpty())
            return wrong;
    }
    node->child(-1);
    node->child(count);
    return QString();
}

} // namespace AccessTest
