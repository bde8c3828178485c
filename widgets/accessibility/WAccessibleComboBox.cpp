#include "WAccessibleComboBox_p.h"

#include "WBase.h"
#include "WComboBox.h"
#include "WComboBoxScrollArea_p.h"
#include "WComboDropDownBox_p.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

WAccessibleComboBox::WAccessibleComboBox(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::ComboBox)
{
}

WComboBox* WAccessibleComboBox::Box() const
{
    return static_cast<WComboBox*>(widget());
}

// The list is a window of its own, with no parent: it is found among the top-level widgets.
WComboDropDownBox* WAccessibleComboBox::DropDownOf(const WComboBox* box)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        auto* list = qobject_cast<WComboDropDownBox*>(w);
        if (list && list->Owner() == box)
            return list;
    }
    return nullptr;
}

QAccessible::State WAccessibleComboBox::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    s.expandable = true;
    s.hasPopup = true;
    s.expanded = Box()->IsPopupOpen();
    s.collapsed = !s.expanded;
    return s;
}

int WAccessibleComboBox::childCount() const
{
    return DropDownOf(Box()) ? 1 : 0;
}

QAccessibleInterface* WAccessibleComboBox::child(int index) const
{
    WComboDropDownBox* list = index == 0 ? DropDownOf(Box()) : nullptr;
    return list ? QAccessible::queryAccessibleInterface(list) : nullptr;
}

int WAccessibleComboBox::indexOfChild(const QAccessibleInterface* child) const
{
    WComboDropDownBox* list = DropDownOf(Box());
    return list && child && child->object() == list ? 0 : -1;
}

QAccessibleInterface* WAccessibleComboBox::childAt(int, int) const
{
    return nullptr;
}

QStringList WAccessibleComboBox::actionNames() const
{
    const WComboBox* box = Box();
    if (!box->isEnabled() || box->Items().isEmpty() || box->IsPopupOpen())
        return WAccessibleWidget::actionNames();
    return QStringList(showMenuAction()) + WAccessibleWidget::actionNames();
}

// The list runs its own event loop until a line is chosen: it opens from the event loop, after
// the reader's request has been answered.
void WAccessibleComboBox::doAction(const QString& actionName)
{
    if (actionName != showMenuAction()) {
        WAccessibleWidget::doAction(actionName);
        return;
    }
    if (!actionNames().contains(actionName))
        return;
    WComboBox* box = Box();
    QTimer::singleShot(0, box, [box] {
        if (box->isEnabled() && !box->Items().isEmpty() && !box->IsPopupOpen())
            box->OpenPopup();
    });
}

QStringList WAccessibleComboBox::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != showMenuAction())
        return WAccessibleWidget::keyBindingsForAction(actionName);
    if (!WBase::IsKeyboardAccess() || !actionNames().contains(actionName))
        return {};
    return {QStringLiteral("Alt+Down")};
}

QString WAccessibleComboBox::ShownName() const
{
    return Box()->SelectedText();
}

QString WAccessibleComboBox::ShownValue() const
{
    return Box()->SelectedText();
}

WAccessibleComboList::WAccessibleComboList(QWidget* widget)
    : WAccessibleItemOwner(widget, QAccessible::List)
{
}

WComboDropDownBox* WAccessibleComboList::DropDown() const
{
    return static_cast<WComboDropDownBox*>(widget());
}

QAccessibleInterface* WAccessibleComboList::parent() const
{
    if (WComboBox* box = DropDown()->Owner())
        return QAccessible::queryAccessibleInterface(box);
    return WAccessibleWidget::parent();
}

QAccessibleInterface* WAccessibleComboList::focusChild() const
{
    if (!DropDown()->isVisible())
        return nullptr;
    return Item(DropDown()->Content()->HoverIndex());
}

int WAccessibleComboList::ItemCount() const
{
    return int(DropDown()->Content()->Items().size());
}

QString WAccessibleComboList::ItemText(int index) const
{
    return DropDown()->Content()->Items().value(index);
}

QRect WAccessibleComboList::ItemRect(int index) const
{
    const WComboBoxScrollArea* content = DropDown()->Content();
    const qint64 ih = content->ItemHeight();
    constexpr qint64 limit = qint64(1) << 28;
    const QRect local(0, int(qBound(-limit, index * ih, limit)), content->width(),
                      int(qMin(ih, limit)));
    return QRect(content->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State WAccessibleComboList::ItemState(int index) const
{
    const WComboDropDownBox* list = DropDown();
    QAccessible::State s;
    s.selectable = true;
    s.selected = list->Owner() && list->Owner()->SelectedIndex() == index;
    s.focusable = true;
    s.focused = list->isVisible() && list->Content()->HoverIndex() == index;
    s.hotTracked = s.focused;
    s.invisible = !list->isVisible();
    const QWidget* viewport = list->Viewport();
    const QRect view(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    s.offscreen = !view.intersects(ItemRect(index));
    return s;
}

QAccessible::Role WAccessibleComboList::ItemRole() const
{
    return QAccessible::ListItem;
}

QStringList WAccessibleComboList::ItemActions(int) const
{
    if (!DropDown()->Content()->Loop())
        return {};
    return {QAccessibleActionInterface::pressAction()};
}

// As a press on the line: the open list's wait ends with it chosen.
void WAccessibleComboList::DoItemAction(int index, const QString&)
{
    WComboBoxScrollArea* content = DropDown()->Content();
    if (QEventLoop* loop = content->Loop()) {
        content->SetChosenIndex(index);
        loop->exit();
    }
}
