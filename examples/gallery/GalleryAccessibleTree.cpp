#include "GalleryAccessibleTree.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <QTextStream>

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

void write(QAccessibleInterface* node, QTextStream& out, int depth)
{
    if (!node || !node->isValid())
        return;
    const QAccessible::State s = node->state();
    if (s.invisible)
        return;
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
    const int count = node->childCount();
    out << '\n';
    for (int i = 0; i < count && i < shownChildren; ++i)
        write(node->child(i), out, depth + 1);
    if (count > shownChildren)
        out << QString((depth + 1) * 2, QLatin1Char(' ')) << "... " << count - shownChildren
            << " more\n";
}

} // namespace

void WriteAccessibleTree(QAccessibleInterface* root, QTextStream& out)
{
    write(root, out, 0);
}
