#include "WAccessibleListItem_p.h"

int WAccessibleItemOwner::childCount() const
{
    return ItemCount();
}

QAccessibleInterface* WAccessibleItemOwner::child(int index) const
{
    return Item(index);
}

int WAccessibleItemOwner::indexOfChild(const QAccessibleInterface* child) const
{
    return IndexOfItem(child);
}

QAccessibleInterface* WAccessibleItemOwner::childAt(int x, int y) const
{
    const int count = ItemCount();
    for (int i = 0; i < count; ++i) {
        const QRect r = ItemRect(i);
        if (r.contains(x, y))
            return Item(i);
        // Items are laid out downwards: nothing after one below the point can hold it.
        if (r.top() > y)
            break;
    }
    return nullptr;
}

QStringList WAccessibleItemOwner::ItemActions(int) const
{
    return {};
}

void WAccessibleItemOwner::DoItemAction(int, const QString&) {}

QAccessibleInterface* WAccessibleItemOwner::Item(int index) const
{
    const int count = ItemCount();
    if (count < seenCount)
        items.RemoveIf([count](int i) { return i >= count; });
    seenCount = count;
    if (index < 0 || index >= count)
        return nullptr;
    if (QAccessibleInterface* kept = items.Find(index))
        return kept;
    return items.Insert(index,
                        new WAccessibleListItem(const_cast<WAccessibleItemOwner*>(this), index));
}

int WAccessibleItemOwner::IndexOfItem(const QAccessibleInterface* item) const
{
    const auto* own = dynamic_cast<const WAccessibleListItem*>(item);
    return own && own->Owner() == this && own->Index() < ItemCount() ? own->Index() : -1;
}

WAccessibleListItem::WAccessibleListItem(WAccessibleItemOwner* owner, int index)
    : owner(owner), index(index)
{
}

bool WAccessibleListItem::isValid() const
{
    return index < owner->ItemCount() && owner->isValid();
}

QObject* WAccessibleListItem::object() const
{
    return nullptr;
}

QWindow* WAccessibleListItem::window() const
{
    return owner->window();
}

QAccessibleInterface* WAccessibleListItem::focusChild() const
{
    return nullptr;
}

QAccessibleInterface* WAccessibleListItem::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* WAccessibleListItem::parent() const
{
    return owner;
}

QAccessibleInterface* WAccessibleListItem::child(int) const
{
    return nullptr;
}

int WAccessibleListItem::childCount() const
{
    return 0;
}

int WAccessibleListItem::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString WAccessibleListItem::text(QAccessible::Text t) const
{
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
        return QString();
    return owner->ItemText(index);
}

void WAccessibleListItem::setText(QAccessible::Text, const QString&) {}

QRect WAccessibleListItem::rect() const
{
    return isValid() ? owner->ItemRect(index) : QRect();
}

QAccessible::Role WAccessibleListItem::role() const
{
    return owner->ItemRole();
}

QAccessible::State WAccessibleListItem::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    return owner->ItemState(index);
}

void* WAccessibleListItem::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList WAccessibleListItem::actionNames() const
{
    return isValid() ? owner->ItemActions(index) : QStringList();
}

void WAccessibleListItem::doAction(const QString& actionName)
{
    if (isValid() && actionNames().contains(actionName))
        owner->DoItemAction(index, actionName);
}

QStringList WAccessibleListItem::keyBindingsForAction(const QString&) const
{
    return {};
}
