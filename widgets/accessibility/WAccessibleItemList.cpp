#include "WAccessibleItemList_p.h"

#include "WItemList.h"

WAccessibleItemList::WAccessibleItemList(QWidget* widget)
    : WAccessibleItemOwner(widget, QAccessible::List)
{
}

WItemList* WAccessibleItemList::List() const
{
    return static_cast<WItemList*>(widget());
}

QAccessibleInterface* WAccessibleItemList::focusChild() const
{
    const WItemList* list = List();
    if (!list->hasFocus())
        return nullptr;
    return Item(list->SelectedIndex());
}

QAccessibleInterface* WAccessibleItemList::childAt(int x, int y) const
{
    const WItemList* list = List();
    const QPoint local = list->mapFromGlobal(QPoint(x, y));
    if (!list->ScrollContainerArea().contains(local))
        return nullptr;
    // The line under the point, as a click finds it.
    const qint64 top = qint64(local.y()) - list->ScrollContainerArea().top() - list->Padding().x() +
                       list->VScrollBarValue();
    if (top < 0)
        return nullptr;
    const qint64 index = top / list->ItemHeight();
    return index < ItemCount() ? Item(int(index)) : nullptr;
}

int WAccessibleItemList::ItemCount() const
{
    return int(List()->Items().size());
}

QString WAccessibleItemList::ItemText(int index) const
{
    return List()->Items().value(index);
}

// The line's band across the whole view; the padding rectangle packs the top padding in x.
QRect WAccessibleItemList::ItemRect(int index) const
{
    const WItemList* list = List();
    const QRect& area = list->ScrollContainerArea();
    const qint64 ih = list->ItemHeight();
    const qint64 top =
        qint64(area.top()) + list->Padding().x() + index * ih - list->VScrollBarValue();
    constexpr qint64 limit = qint64(1) << 28;
    const QRect local(area.left(), int(qBound(-limit, top, limit)), area.width(),
                      int(qMin(ih, limit)));
    return QRect(list->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State WAccessibleItemList::ItemState(int index) const
{
    const WItemList* list = List();
    QAccessible::State s;
    s.selectable = list->CanSelectItem();
    s.selected = index == list->SelectedIndex();
    s.focusable = true;
    s.focused = s.selected && list->hasFocus();
    s.disabled = !list->isEnabled();
    const QRect view(list->mapToGlobal(list->ScrollContainerArea().topLeft()),
                     list->ScrollContainerArea().size());
    s.offscreen = !view.intersects(ItemRect(index));
    s.invisible = !list->isVisible();
    return s;
}

QAccessible::Role WAccessibleItemList::ItemRole() const
{
    return QAccessible::ListItem;
}

QStringList WAccessibleItemList::ItemActions(int) const
{
    if (!List()->CanSelectItem() || !List()->isEnabled())
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

void WAccessibleItemList::DoItemAction(int index, const QString&)
{
    List()->SetSelectedIndex(index);
}
