#pragma once

// What a screen reader sees of a widget, as indented text a test can compare with the text it
// expects: one line per node, children below their parent, and every parent/child disagreement
// written into the dump itself so that it fails the comparison too.
//
//   Role "name" = value {min..max} [states] (actions)
//
// A state that merely follows from the parent's (invisible, offscreen, disabled) is written only
// where it starts, so that an unshown window does not mark every line.

#include <QAccessible>
#include <QFile>
#include <QMetaEnum>
#include <QStringList>

#include <functional>

namespace WexalTest {

struct DumpLimits
{
    int depth = 6;
    int children = 8; // more than this: the first and last few, with the count between
    // Asked of every node: what is wrong with it, written below its line as "!! ...".
    std::function<QString(QAccessibleInterface*)> check;
};

inline QString AccessibleStates(QAccessibleInterface* node, QAccessibleInterface* parent)
{
    const QAccessible::State s = node->state();
    const QAccessible::State p = parent ? parent->state() : QAccessible::State();
    QStringList out;
    const auto add = [&](bool on, const char* name) {
        if (on)
            out << QLatin1String(name);
    };
    add(s.disabled && !p.disabled, "disabled");
    add(s.invisible && !p.invisible, "invisible");
    add(s.offscreen && !p.offscreen && !s.invisible, "offscreen");
    add(s.focusable, "focusable");
    add(s.focused, "focused");
    add(s.checkable, "checkable");
    add(s.checked, "checked");
    add(s.selectable, "selectable");
    add(s.selected, "selected");
    add(s.expandable, "expandable");
    add(s.expanded, "expanded");
    add(s.collapsed, "collapsed");
    add(s.editable, "editable");
    add(s.readOnly, "readOnly");
    add(s.passwordEdit, "passwordEdit");
    add(s.selectableText, "selectableText");
    add(s.movable, "movable");
    add(s.sizeable, "sizeable");
    return out.join(QLatin1Char(' '));
}

inline QString AccessibleLine(QAccessibleInterface* node, QAccessibleInterface* parent)
{
    QString line =
        QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()));
    const QString name = node->text(QAccessible::Name);
    if (!name.isEmpty())
        line += QStringLiteral(" \"%1\"").arg(name);
    QString value = node->text(QAccessible::Value);
    QAccessibleValueInterface* v = node->valueInterface();
    if (value.isEmpty() && v)
        value = v->currentValue().toString();
    if (!value.isEmpty())
        line += QStringLiteral(" = ") + value;
    if (v)
        line += QStringLiteral(" {%1..%2}")
                    .arg(v->minimumValue().toString(), v->maximumValue().toString());
    const QString states = AccessibleStates(node, parent);
    if (!states.isEmpty())
        line += QStringLiteral(" [%1]").arg(states);
    // Our tables only: the rows a reader is told are selected, with their cells.
    QAccessibleTableInterface* table = node->tableInterface();
    if (table && node->object() && node->object()->inherits("WBase")) {
        QStringList rows;
        for (const int r : table->selectedRows())
            rows << QString::number(r) + (table->isRowSelected(r) ? QString() : "?");
        line += QStringLiteral(" <%1x%2 rows %3 selected, %4 cells>")
                    .arg(table->rowCount())
                    .arg(table->columnCount())
                    .arg(rows.isEmpty() ? QStringLiteral("none") : rows.join(QLatin1Char(',')))
                    .arg(table->selectedCellCount());
    }
    if (QAccessibleTableCellInterface* cell = node->tableCellInterface()) {
        if (cell->isSelected() != node->state().selected)
            line += QStringLiteral(" !! selected as a cell: %1").arg(cell->isSelected());
    }
    if (QAccessibleActionInterface* a = node->actionInterface()) {
        QStringList actions = a->actionNames();
        // Every focusable widget offers to take the focus: only the other actions say something.
        actions.removeAll(QAccessibleActionInterface::setFocusAction());
        if (!actions.isEmpty())
            line += QStringLiteral(" (%1)").arg(actions.join(QLatin1Char(' ')));
    }
    return line;
}

inline void DumpInto(QStringList& out, QAccessibleInterface* node, QAccessibleInterface* parent,
                     int depth, const DumpLimits& limits)
{
    const QString indent(2 * depth, QLatin1Char(' '));
    if (!node || !node->isValid()) {
        out << indent + QStringLiteral("<invalid>");
        return;
    }
    out << indent + AccessibleLine(node, parent);
    const QString wrong = limits.check ? limits.check(node) : QString();
    if (!wrong.isEmpty())
        out << indent + QStringLiteral("  !! ") + wrong;
    const int count = node->childCount();
    if (count > 0 && depth + 1 >= limits.depth) {
        out << indent + QStringLiteral("  ... %1 children").arg(count);
        return;
    }
    const int head = count > limits.children ? limits.children - 2 : count;
    for (int i = 0; i < count; ++i) {
        if (i == head && head < count) {
            out << indent + QStringLiteral("  ... %1 children").arg(count);
            i = count - 2;
        }
        QAccessibleInterface* child = node->child(i);
        if (!child)
            out << indent + QStringLiteral("  !! child %1 is null").arg(i);
        if (child && child->parent() != node)
            out << indent + QStringLiteral("  !! child %1 names another parent").arg(i);
        if (child && node->indexOfChild(child) != i)
            out << indent + QStringLiteral("  !! child %1 found at %2")
                                .arg(i)
                                .arg(node->indexOfChild(child));
        DumpInto(out, child, node, depth + 1, limits);
    }
}

// The dump of the object's interface and what is below it, one line per node.
inline QString AccessibleDump(QObject* object, const DumpLimits& limits = {})
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(object);
    if (!root)
        return QStringLiteral("<no interface>");
    QStringList out;
    DumpInto(out, root, nullptr, 0, limits);
    return out.join(QLatin1Char('\n'));
}

// The expected text kept under "== " and the row's name in a file beside the test; a missing
// file or section reads as a line saying so, which fails the comparison.
inline QString ExpectedText(const QString& path, const QString& name)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QString heading = name + QLatin1Char('\n');
    for (const QString& section : QString::fromUtf8(file.readAll()).split(QStringLiteral("== "))) {
        if (section.startsWith(heading))
            return section.mid(heading.size()).trimmed();
    }
    return QStringLiteral("<nothing under \"%1\" in %2>").arg(name, path);
}

// Empty when the dumps agree; else both, in full, for the failure message.
inline QString DumpMismatch(const QString& actual, const QString& expected)
{
    if (actual == expected)
        return QString();
    return QStringLiteral("the screen reader sees\n%1\n---- where the test expects\n%2")
        .arg(actual, expected);
}

} // namespace WexalTest
