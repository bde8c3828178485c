#pragma once

#include <QAccessibleWidget>

// The accessible face shared by every library widget: Qt's widget interface with a name that
// falls back on what the widget shows when the application gave none, states that say whether
// the widget is meant to be operated (focusable) rather than merely clickable, and children
// that leave out hidden widgets. Plain containers (panels, pages, the tree view's wrapper,
// empty widgets) use it as it is; the other interfaces derive from it.
class WAccessibleWidget : public QAccessibleWidget
{
public:
    WAccessibleWidget(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    // What the widget shows as its name and value; used when no accessible name is set.
    virtual QString ShownName() const;
    virtual QString ShownValue() const;
    // The child widgets in the accessible tree.
    virtual QList<QWidget*> ChildWidgets() const;
};
