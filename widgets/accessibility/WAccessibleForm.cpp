#include "WAccessibleForm_p.h"

#include "WForm.h"
#include "WFormShadow_p.h"

#include <QWindow>

WAccessibleForm::WAccessibleForm(QWidget* widget) : WAccessibleWidget(widget, QAccessible::Window)
{
}

QAccessible::Role WAccessibleForm::role() const
{
    if (qobject_cast<const WForm*>(widget()) &&
        qobject_cast<const WFormShadow*>(widget()->parentWidget()))
        return QAccessible::Client;
    return QAccessible::Window;
}

QAccessible::State WAccessibleForm::state() const
{
    QAccessible::State s = WAccessibleWidget::state();
    if (auto* shadow = qobject_cast<const WFormShadow*>(widget())) {
        s.active = shadow->isActiveWindow();
        s.movable = true;
        s.sizeable = shadow->CanResize();
        s.modal = shadow->isModal();
    }
    return s;
}

QString WAccessibleForm::ShownName() const
{
    const WForm* form = qobject_cast<const WForm*>(widget());
    if (auto* shadow = qobject_cast<const WFormShadow*>(widget()))
        form = shadow->Form();
    if (form && !form->Title().isEmpty())
        return form->Title();
    return widget()->window()->windowTitle();
}
