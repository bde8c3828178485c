#pragma once

// Shared by the accessibility and keyboard tests: a recorder of the announcements widgets make
// to assistive technology, the keyboard switch for the length of a test, and a walk over an
// accessible tree that reads everything a reader would.

#include "WAccessibleDump.h"
#include "WAnnounce_p.h"
#include "WBase.h"
#include "WClassRegistry.h"
#include "WRandomInput.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaEnum>
#include <QPointer>
#include <QtTest>

#include <functional>

namespace AccessTest {

// What a reader was told about an object, as one word: the event's name, the child it is
// about, then what it carries ("StateChanged:checked", "ValueChanged=Item 7", "TextInserted@1+b",
// "TextRemoved@1-b", "TextSelectionChanged@2..3", "TableModelChanged:0").
struct Announcement
{
    const QObject* object;
    QString word;
};

inline QList<Announcement>& Heard()
{
    static QList<Announcement> list;
    return list;
}

inline QString Word(QAccessibleEvent* e)
{
    QString w =
        QString::fromLatin1(QMetaEnum::fromType<QAccessible::Event>().valueToKey(e->type()));
    if (e->child() >= 0)
        w += QStringLiteral("#%1").arg(e->child());
    const auto text = [&](int at, const QString& removed, const QString& inserted) {
        w += QLatin1Char('@') + QString::number(at);
        if (!removed.isEmpty())
            w += QLatin1Char('-') + removed;
        if (!inserted.isEmpty())
            w += QLatin1Char('+') + inserted;
    };
    switch (e->type()) {
    case QAccessible::StateChanged: {
        const QAccessible::State c = static_cast<QAccessibleStateChangeEvent*>(e)->changedStates();
        QStringList states;
        if (c.checked)
            states << QStringLiteral("checked");
        if (c.expanded || c.collapsed)
            states << QStringLiteral("expanded");
        if (c.selected)
            states << QStringLiteral("selected");
        w += QLatin1Char(':') + states.join(QLatin1Char(','));
        break;
    }
    case QAccessible::ValueChanged:
        w += QLatin1Char('=') + static_cast<QAccessibleValueChangeEvent*>(e)->value().toString();
        break;
    case QAccessible::TextInserted: {
        auto* t = static_cast<QAccessibleTextInsertEvent*>(e);
        text(t->changePosition(), QString(), t->textInserted());
        break;
    }
    case QAccessible::TextRemoved: {
        auto* t = static_cast<QAccessibleTextRemoveEvent*>(e);
        text(t->changePosition(), t->textRemoved(), QString());
        break;
    }
    case QAccessible::TextUpdated: {
        auto* t = static_cast<QAccessibleTextUpdateEvent*>(e);
        text(t->changePosition(), t->textRemoved(), t->textInserted());
        break;
    }
    case QAccessible::TextCaretMoved:
        text(static_cast<QAccessibleTextCursorEvent*>(e)->cursorPosition(), {}, {});
        break;
    case QAccessible::TextSelectionChanged: {
        auto* t = static_cast<QAccessibleTextSelectionEvent*>(e);
        w += QStringLiteral("@%1..%2").arg(t->selectionStart()).arg(t->selectionEnd());
        break;
    }
    case QAccessible::TableModelChanged:
        w += QStringLiteral(":%1").arg(
            static_cast<QAccessibleTableModelChangeEvent*>(e)->modelChangeType());
        break;
    default:
        break;
    }
    return w;
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
        WAnnounce::SetTestListener(&Record);
    }
    ~Recorder()
    {
        WAnnounce::SetTestListener(nullptr);
        QAccessible::installUpdateHandler(nullptr);
        Heard().clear();
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    static void Record(QAccessibleEvent* e) { Heard().append({e->object(), Word(e)}); }
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

// The lines of a list: "Item 0", "Item 1", ... or another stem's.
inline QStringList Numbered(int n, const QString& stem = QStringLiteral("Item %1"))
{
    return WexalTest::NumberedLines(n, stem);
}

inline QAccessibleInterface* Face(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Where a reader finds the child, in the widget's own coordinates; a child its parent does not
// find at the child's own centre reads as an empty rectangle.
inline QRect LocalRect(QAccessibleInterface* parent, QAccessibleInterface* child, QWidget* widget)
{
    const QRect box = child->rect();
    if (parent->childAt(box.center().x(), box.center().y()) != child)
        return QRect();
    return box.translated(-widget->mapToGlobal(QPoint(0, 0)));
}

inline QString RoleName(QAccessible::Role role)
{
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

inline QString Name(QAccessibleInterface* face)
{
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

// What is wrong with a node that a reader could not tell from its line in a dump: a password's
// characters, a value outside its range, a caret outside the text, a selected row whose cells
// are not. Reads the rest a reader may ask for too, out-of-range children included.
inline QString NodeProblem(QAccessibleInterface* node)
{
    node->text(QAccessible::Description);
    node->rect();
    node->focusChild();
    node->child(-1);
    node->child(node->childCount());
    const QString role = RoleName(node->role());
    // Nothing a reader is told holds a character of a password.
    if (node->state().passwordEdit &&
        !node->text(QAccessible::Value).remove(QLatin1Char('*')).isEmpty())
        return role + QStringLiteral(" tells a password");
    if (QAccessibleValueInterface* v = node->valueInterface()) {
        const int value = v->currentValue().toInt(), low = v->minimumValue().toInt();
        const int high = v->maximumValue().toInt();
        if (low <= high && (value < low || value > high))
            return QStringLiteral("%1 reads %2 outside %3..%4")
                .arg(role)
                .arg(value)
                .arg(low)
                .arg(high);
    }
    if (QAccessibleTextInterface* t = node->textInterface()) {
        const int n = t->characterCount();
        t->text(0, n);
        t->text(-5, n + 5);
        if (t->cursorPosition() < 0 || t->cursorPosition() > n)
            return role + QStringLiteral(" has its caret outside its text");
        int start = 0, end = 0;
        for (int i = 0; i < t->selectionCount(); ++i)
            t->selection(i, &start, &end);
        t->characterRect(n / 2);
        t->offsetAtPoint(node->rect().center());
    }
    if (QAccessibleTableInterface* table = node->tableInterface()) {
        // Qt's own tree view (inside WTreeView) reads its rows otherwise: ours only.
        const QList<int> rows =
            qobject_cast<WBase*>(node->object()) ? table->selectedRows() : QList<int>();
        for (const int r : rows) {
            QAccessibleInterface* cell = table->cellAt(r, 0);
            if (!cell || !cell->state().selected)
                return role + QStringLiteral(" selects a row whose cells are not selected");
        }
        table->cellAt(0, 0);
        table->cellAt(-1, -1);
    }
    return QString();
}

// Reads every node below the interface as a reader would, long lists sampled at both ends, and
// returns the first thing wrong: a node's problem, or parents and children that disagree.
inline QString WalkTree(QAccessibleInterface* root)
{
    if (!root)
        return QStringLiteral("a null child");
    QStringList dump;
    WexalTest::DumpInto(dump, root, nullptr, 0, {42, 20, NodeProblem});
    for (const QString& line : qAsConst(dump)) {
        if (line.startsWith(QString(82, QLatin1Char(' '))))
            return QStringLiteral("a tree deeper than 40");
        if (line.trimmed().startsWith(QLatin1String("!!")))
            return line.trimmed();
    }
    return QString();
}

// Does at random what a screen reader may do to some node of the tree: an action it offers, a
// value or a text, an edit, a selection, a caret or a table row anywhere, in range or not.
// Returns what it did.
inline QString ReaderAct(QRandomGenerator& rng, QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> nodes{root};
    for (int i = 0; i < nodes.size() && nodes.size() < 300; ++i) {
        for (int c = 0, n = qMin(nodes.at(i)->childCount(), 60); c < n; ++c) {
            if (QAccessibleInterface* child = nodes.at(i)->child(c))
                nodes << child;
        }
    }
    QAccessibleInterface* node = nodes.at(rng.bounded(int(nodes.size())));
    const QString role = RoleName(node->role()) + QLatin1Char(' ');
    const auto anywhere = [&rng](int n) { return int(rng.bounded(-2, n + 3)); };
    if (QAccessibleActionInterface* a = node->actionInterface(); a && rng.bounded(2)) {
        const QStringList names = a->actionNames();
        const QString name =
            names.isEmpty() ? QStringLiteral("none") : names.at(rng.bounded(int(names.size())));
        a->doAction(name);
        return role + name;
    }
    if (QAccessibleValueInterface* v = node->valueInterface(); v && rng.bounded(2)) {
        v->setCurrentValue(rng.bounded(2) ? WexalTest::ExtremeInt(rng) : rng.bounded(-2, 70));
        return role + QStringLiteral("value");
    }
    if (QAccessibleTableInterface* t = node->tableInterface(); t && rng.bounded(2)) {
        t->selectRow(anywhere(t->rowCount()));
        return role + QStringLiteral("row");
    }
    QAccessibleTextInterface* text = node->textInterface();
    const int n = text ? text->characterCount() : 0;
    QAccessibleEditableTextInterface* edit = node->editableTextInterface();
    switch (rng.bounded(5)) {
    case 0:
        if (edit)
            edit->insertText(anywhere(n), WexalTest::RandomText(rng).left(20));
        return role + QStringLiteral("insert");
    case 1:
        if (edit)
            edit->deleteText(anywhere(n), anywhere(n));
        return role + QStringLiteral("delete");
    case 2:
        if (text)
            text->setSelection(0, anywhere(n), anywhere(n));
        return role + QStringLiteral("select");
    case 3:
        if (text)
            text->setCursorPosition(anywhere(n));
        return role + QStringLiteral("caret");
    default:
        node->setText(QAccessible::Value, WexalTest::RandomText(rng).left(12));
        return role + QStringLiteral("text");
    }
}

// A situation a table row builds and what it read of it, as text.
using Scenario = std::function<QString()>;

// What was announced about the objects, in order, one word each; with several objects each
// word starts with the object's index ("1.NameChanged").
inline QString Said(const QList<const QObject*>& objects)
{
    QStringList out;
    for (const Announcement& a : qAsConst(Heard())) {
        if (objects.contains(a.object))
            out << (objects.size() > 1 ? QStringLiteral("%1.").arg(objects.indexOf(a.object))
                                       : QString()) +
                       a.word;
    }
    return out.join(QLatin1Char(' '));
}

} // namespace AccessTest

Q_DECLARE_METATYPE(AccessTest::Scenario)
