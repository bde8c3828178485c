#pragma once

#include "WAccessibleWidget_p.h"

// The form and the window that carries it. Outside Designer the window is the form's shadow
// window: that is the window a reader lists, named after the form's title, with the form as its
// one child, the client area (its title bar first, then its content). A form without such a
// window (in Designer) is the window itself.
class WAccessibleForm : public WAccessibleWidget
{
public:
    explicit WAccessibleForm(QWidget* widget);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    QString ShownName() const override;
};
