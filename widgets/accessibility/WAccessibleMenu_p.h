#pragma once

#include "WAccessibleListItem_p.h"
#include "WAccessibleWidget_p.h"

class WMenu;

// The popup menu: its items are menu items, disabled ones disabled and the hovered one focused;
// "Press" on an item chooses it and closes the open menu.
class WAccessibleMenu : public WAccessibleItemOwner
{
public:
    explicit WAccessibleMenu(QWidget* widget);

    QAccessibleInterface* focusChild() const override;

    int ItemCount() const override;
    QString ItemText(int index) const override;
    QRect ItemRect(int index) const override;
    QAccessible::State ItemState(int index) const override;
    QAccessible::Role ItemRole() const override;
    QStringList ItemActions(int index) const override;
    void DoItemAction(int index, const QString& action) override;

private:
    WMenu* Menu() const;
};
