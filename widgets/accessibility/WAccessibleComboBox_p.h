#pragma once

#include "WAccessibleListItem_p.h"
#include "WAccessibleWidget_p.h"

class WComboBox;
class WComboDropDownBox;

// The combo box: named and valued after its selected line, expanded while its list is open,
// with the list as its one child and "ShowMenu" to open it.
class WAccessibleComboBox : public WAccessibleWidget
{
public:
    explicit WAccessibleComboBox(QWidget* widget);

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // The combo box's list window.
    static WComboDropDownBox* DropDownOf(const WComboBox* box);

protected:
    QString ShownName() const override;
    QString ShownValue() const override;

private:
    WComboBox* Box() const;
};

// The combo box's list while it is open (and, hidden, while it is not): a list of the lines,
// the box's selected line selected and the line under the pointer or the arrow keys focused.
// "Press" on a line chooses it and closes the list.
class WAccessibleComboList : public WAccessibleItemOwner
{
public:
    explicit WAccessibleComboList(QWidget* widget);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* focusChild() const override;

    int ItemCount() const override;
    QString ItemText(int index) const override;
    QRect ItemRect(int index) const override;
    QAccessible::State ItemState(int index) const override;
    QAccessible::Role ItemRole() const override;
    QStringList ItemActions(int index) const override;
    void DoItemAction(int index, const QString& action) override;

private:
    WComboDropDownBox* DropDown() const;
};
