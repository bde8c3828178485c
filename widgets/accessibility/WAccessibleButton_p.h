#pragma once

#include "WAccessibleWidget_p.h"

class WBaseButton;

// Push buttons, check boxes, switches (toggle buttons: checkable push buttons, as Qt shows
// them) and the tabs of a tab control (page tabs, with their page as their one child). The
// default action clicks the widget the way a left click does: "Press" for buttons and tabs,
// "Toggle" for check boxes and switches.
class WAccessibleButton : public WAccessibleWidget
{
public:
    explicit WAccessibleButton(QWidget* widget);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

protected:
    QString ShownName() const override;
    QString ShownValue() const override;

private:
    WBaseButton* Button() const;
    bool IsTab() const;
    // The page a tab opens, or null.
    QWidget* TabPage() const;
};
