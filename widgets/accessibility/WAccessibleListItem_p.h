#pragma once

#include "WAccessibleWidget_p.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include "WAccessibleChildCache_p.h"

// A widget that paints its own items (the item list, the combo box's list, the menu), as a reader
// sees it: its children are the items. It hands out one WAccessibleListItem per index and keeps
// the most recently asked for; those past the last item go once the items are fewer.
class WAccessibleItemOwner : public WAccessibleWidget
{
public:
    using WAccessibleWidget::WAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // The item whose area holds the screen point, or null.
    QAccessibleInterface* childAt(int x, int y) const override;

    virtual int ItemCount() const = 0;
    virtual QString ItemText(int index) const = 0;
    // In screen coordinates.
    virtual QRect ItemRect(int index) const = 0;
    virtual QAccessible::State ItemState(int index) const = 0;
    virtual QAccessible::Role ItemRole() const = 0;
    virtual QStringList ItemActions(int index) const;
    virtual void DoItemAction(int index, const QString& action);

    // The item interface for index, made on first use; null outside the items.
    QAccessibleInterface* Item(int index) const;
    // Its index, or -1 when it is not one of this owner's items.
    int IndexOfItem(const QAccessibleInterface* item) const;

private:
    // Made on demand by const queries.
    mutable WAccessibleChildCache<int> items;
    mutable int seenCount = 0;
};

// One item of such an owner: the item's text as its name, its role, states and actions. It
// reads everything afresh from the owner, so that it stays true while the items change; once its
// index is past the last item it reports itself invalid.
class WAccessibleListItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    WAccessibleListItem(WAccessibleItemOwner* owner, int index);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int Index() const { return index; }
    const WAccessibleItemOwner* Owner() const { return owner; }

private:
    WAccessibleItemOwner* const owner;
    const int index;
};
