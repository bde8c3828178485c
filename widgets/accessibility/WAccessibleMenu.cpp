#include "WAccessibleMenu_p.h"

#include "WMenu.h"
#include "WMenuItem.h"
#include "WPopupWindow_p.h"

#include <QPointer>
#include <QTimer>

WAccessibleMenu::WAccessibleMenu(QWidget* widget)
    : WAccessibleItemOwner(widget, QAccessible::PopupMenu)
{
}

WMenu* WAccessibleMenu::Menu() const
{
    return static_cast<WMenu*>(widget());
}

QAccessibleInterface* WAccessibleMenu::focusChild() const
{
    const WMenu* menu = Menu();
    if (!menu->isVisible() || !menu->HoverItem())
        return nullptr;
    return Item(menu->IndexOf(menu->HoverItem()));
}

int WAccessibleMenu::ItemCount() const
{
    return Menu()->ItemCount();
}

QString WAccessibleMenu::ItemText(int index) const
{
    const WMenuItem* item = Menu()->Item(index);
    return item ? item->Text : QString();
}

QRect WAccessibleMenu::ItemRect(int index) const
{
    const WMenu* menu = Menu();
    const qint64 ih = menu->ItemHeight();
    constexpr qint64 limit = qint64(1) << 28;
    const qint64 top = qint64(menu->Padding().Top) + index * ih;
    const QRect local(0, int(qBound(-limit, top, limit)),
                      qMax(0, menu->width() - WPopupWindow::ShadowBand), int(qMin(ih, limit)));
    return QRect(menu->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State WAccessibleMenu::ItemState(int index) const
{
    const WMenu* menu = Menu();
    const WMenuItem* item = menu->Item(index);
    QAccessible::State s;
    s.disabled = !item || !item->Enabled;
    s.focusable = !s.disabled;
    s.focused = menu->isVisible() && item && item == menu->HoverItem();
    s.hotTracked = s.focused;
    s.invisible = !menu->isVisible();
    return s;
}

QAccessible::Role WAccessibleMenu::ItemRole() const
{
    return QAccessible::MenuItem;
}

QStringList WAccessibleMenu::ItemActions(int index) const
{
    const WMenu* menu = Menu();
    const WMenuItem* item = menu->Item(index);
    if (!menu->isVisible() || !item || !item->Enabled)
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

// Chosen from the event loop, like a press: the menu's caller then runs the item's command,
// which must not run inside the reader's request.
void WAccessibleMenu::DoItemAction(int index, const QString&)
{
    WMenu* menu = Menu();
    const QPointer<WMenuItem> item = menu->Item(index);
    QTimer::singleShot(0, menu, [menu, item] {
        if (item && item->Enabled && menu->IndexOf(item) >= 0 && menu->isVisible())
            menu->Choose(item);
    });
}
