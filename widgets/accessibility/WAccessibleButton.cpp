#include "WAccessibleButton_p.h"

#include "WBase.h"
#include "WButton.h"
#include "WCheckBox.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabPage.h"

#include <QTimer>

WAccessibleButton::WAccessibleButton(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::PushButton)
{
}

WBaseButton* WAccessibleButton::Button() const
{
    return static_cast<WBaseButton*>(widget());
}

// The tab control whose tab this button is, and the index of its page there.
static WTabControl* tabControlOf(const QWidget* button, int* index)
{
    auto* control = qobject_cast<WTabControl*>(button->parentWidget());
    *index = control ? control->IndexOfTab(button) : -1;
    return *index >= 0 ? control : nullptr;
}

bool WAccessibleButton::IsTab() const
{
    int index;
    return tabControlOf(widget(), &index);
}

QWidget* WAccessibleButton::TabPage() const
{
    int index;
    WTabControl* control = tabControlOf(widget(), &index);
    return control ? control->Page(index) : nullptr;
}

QAccessible::Role WAccessibleButton::role() const
{
    if (qobject_cast<const WCheckBox*>(widget()))
        return QAccessible::CheckBox;
    if (IsTab())
        return QAccessible::PageTab;
    return QAccessible::PushButton;
}

QAccessible::State WAccessibleButton::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    if (auto* box = qobject_cast<const WCheckBox*>(widget())) {
        s.checkable = true;
        s.checked = box->Checked();
    } else if (auto* toggle = qobject_cast<const WSwitchButton*>(widget())) {
        s.checkable = true;
        s.checked = toggle->Checked();
    } else {
        int index;
        if (const WTabControl* control = tabControlOf(widget(), &index)) {
            s.selectable = true;
            s.selected = control->SelectedIndex() == index;
        }
    }
    return s;
}

int WAccessibleButton::childCount() const
{
    return TabPage() ? 1 : WAccessibleWidget::childCount();
}

QAccessibleInterface* WAccessibleButton::child(int index) const
{
    if (QWidget* page = TabPage())
        return index == 0 ? QAccessible::queryAccessibleInterface(page) : nullptr;
    return WAccessibleWidget::child(index);
}

int WAccessibleButton::indexOfChild(const QAccessibleInterface* child) const
{
    if (QWidget* page = TabPage())
        return child && child->object() == page ? 0 : -1;
    return WAccessibleWidget::indexOfChild(child);
}

QStringList WAccessibleButton::actionNames() const
{
    const bool toggles =
        qobject_cast<const WCheckBox*>(widget()) || qobject_cast<const WSwitchButton*>(widget());
    return QStringList(toggles ? toggleAction() : pressAction()) + WAccessibleWidget::actionNames();
}

// Run from the event loop, as a click would be, rather than inside the reader's request: the
// click's slots may open a modal window or delete the button.
void WAccessibleButton::doAction(const QString& actionName)
{
    if (actionName != pressAction() && actionName != toggleAction()) {
        WAccessibleWidget::doAction(actionName);
        return;
    }
    if (!widget()->isEnabled() || !actionNames().contains(actionName))
        return;
    WBaseButton* button = Button();
    QTimer::singleShot(0, button, [button] {
        if (button->isEnabled())
            button->ClickedEvent();
    });
}

QStringList WAccessibleButton::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() && actionName != toggleAction())
        return WAccessibleWidget::keyBindingsForAction(actionName);
    if (!WBase::IsKeyboardAccess() || !actionNames().contains(actionName))
        return {};
    return {QStringLiteral("Space")};
}

QString WAccessibleButton::ShownName() const
{
    if (auto* toggle = qobject_cast<const WSwitchButton*>(widget())) {
        if (!toggle->Text().isEmpty())
            return toggle->Text();
        // The caption is not drawn: the two positions are what the user reads.
        return toggle->LeftText() + QLatin1Char('/') + toggle->RightText();
    }
    return Button()->Text();
}

QString WAccessibleButton::ShownValue() const
{
    if (auto* toggle = qobject_cast<const WSwitchButton*>(widget()))
        return toggle->Checked() ? toggle->RightText() : toggle->LeftText();
    return QString();
}
