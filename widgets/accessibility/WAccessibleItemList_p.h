#pragma once

#include "WAccessibleListItem_p.h"
#include "WAccessibleWidget_p.h"

class WItemList;

// The item list: a list whose children are its lines, the selected one selected (and focused
// while the list has the focus). Scroll bars are left out: the lines are the content.
class WAccessibleItemList : public WAccessibleItemOwner
{
public:
    explicit WAccessibleItemList(QWidget* widget);

    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    int ItemCount() const override;
    QString ItemText(int index) const override;
    QRect ItemRect(int index) const override;
    QAccessible::State ItemState(int index) const override;
    QAccessible::Role ItemRole() const override;
    QStringList ItemActions(int index) const override;
    void DoItemAction(int index, const QString& action) override;

private:
    WItemList* List() const;
};
