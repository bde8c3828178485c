#include "GalleryAccessibleTree.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

namespace {

QString states(const QAccessible::State& s)
{
    QStringList names;
    if (s.focusable)
        names << QStringLiteral("focusable");
    if (s.focused)
        names << QStringLiteral("focused");
    if (s.disabled)
        names << QStringLiteral("disabled");
    if (s.checkable)
        names << (s.checked ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    if (s.selected)
        names << QStringLiteral("selected");
    if (s.expandable)
        names << (s.expanded ? QStringLiteral("expanded") : QStringLiteral("collapsed"));
    if (s.readOnly)
        names << QStringLiteral("read-only");
    if (s.editable)
        names << QStringLiteral("editable");
    if (s.passwordEdit)
        names << QStringLiteral("password");
    if (s.offscreen)
        names << QStringLiteral("offscreen");
    return names.join(QLatin1Char(' '));
}

// Tables and long lists are cut after a few children: enough to see their shape.
constexpr int shownChildren = 12;

// Readers pass over panels and plain areas that have no name: their contents are read as if
// they stood in the panel's place, and an empty one is not read at all.
bool passedOver(QAccessibleInterface* node)
{
    const QAccessible::Role role = node->role();
    return (role == QAccessible::Pane || role == QAccessible::Client) &&
           node->text(QAccessible::Name).isEmpty();
}

void write(QAccessibleInterface* node, QTextStream& out, int depth);

void writeChildren(QAccessibleInterface* node, QTextStream& out, int depth)
{
    const int count = node->childCount();
    const QAccessible::Role role = node->role();
    const bool cut =
        role == QAccessible::List || role == QAccessible::Table || role == QAccessible::PopupMenu;
    for (int i = 0; i < count && (!cut || i < shownChildren); ++i)
        write(node->child(i), out, depth);
    if (cut && count > shownChildren)
        out << QString(depth * 2, QLatin1Char(' ')) << "... " << count - shownChildren << " more\n";
}

void write(QAccessibleInterface* node, QTextStream& out, int depth)
{
    if (!node || !node->isValid())
        return;
    const QAccessible::State s = node->state();
    if (s.invisible)
        return;
    if (passedOver(node)) {
        writeChildren(node, out, depth);
        return;
    }
    const QString role =
        QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()));
    out << QString(depth * 2, QLatin1Char(' ')) << role;
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty())
        out << " \"" << name << '"';
    const QString value = node->text(QAccessible::Value);
    if (!value.isEmpty() && value != name)
        out << " value=\"" << value << '"';
    if (QAccessibleValueInterface* range = node->valueInterface())
        out << " range=" << range->minimumValue().toString() << ".."
            << range->maximumValue().toString();
    if (QAccessibleActionInterface* actions = node->actionInterface()) {
        QStringList names = actions->actionNames();
        names.removeAll(QAccessibleActionInterface::setFocusAction());
        if (!names.isEmpty())
            out << " actions=" << names.join(QLatin1Char(','));
    }
    const QString shown = states(s);
    if (!shown.isEmpty())
        out << " [" << shown << ']';
    out << '\n';
    writeChildren(node, out, depth + 1);
}

} // namespace

void WriteAccessibleTree(QAccessibleInterface* root, QTextStream& out)
{
    write(root, out, 0);
}

void WriteTabOrder(QWidget* window, QTextStream& out)
{
    QWidget* first = QApplication::focusWidget();
    if (!first) {
        window->setFocus(Qt::TabFocusReason);
        first = QApplication::focusWidget();
    }
    out << "\nTab order:\n";
    // A bound, in case something traps the focus: the gallery has far fewer stops.
    for (int i = 0; i < 1000 && first; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus, &tab);
        QWidget* next = QApplication::focusWidget();
        if (!next || next == focus) {
            out << "  (the focus stays)\n";
            return;
        }
        if (next == first)
            return;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(next);
        out << "  "
            << QString::fromLatin1(
                   QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role()))
            << " \"" << face->text(QAccessible::Name) << "\"\n";
    }
}
