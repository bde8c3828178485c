#include "WAccessibleWidget_p.h"

#include "WBase.h"
#include "WButton.h"
#include "WFocusChain_p.h"
#include "WForm.h"
#include "WFormParts_p.h"
#include "WTabControl.h"
#include "WTabPage.h"

WAccessibleWidget::WAccessibleWidget(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QString WAccessibleWidget::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? ShownName() : given;
    }
    case QAccessible::Value:
        return ShownValue();
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::Role WAccessibleWidget::role() const
{
    // The form's title bar is an ordinary panel to everyone but the reader.
    if (WFormParts::IsTitleBar(widget()))
        return QAccessible::TitleBar;
    return QAccessibleWidget::role();
}

QAccessible::State WAccessibleWidget::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    // Every library widget takes the focus by click; only those meant for input count as
    // focusable, whatever the keyboard switch says.
    const auto* base = qobject_cast<const WBase*>(widget());
    s.focusable =
        (widget()->focusPolicy() & Qt::TabFocus) == Qt::TabFocus || (base && base->TakesTabFocus());
    return s;
}

// A page hangs below its tab, as the page it opens: readers find page tab lists that way.
QAccessibleInterface* WAccessibleWidget::parent() const
{
    if (auto* page = qobject_cast<WTabPage*>(widget())) {
        WButton* tab = page->TabButton();
        auto* control = qobject_cast<WTabControl*>(page->parentWidget());
        if (tab && control && control->IndexOfTab(tab) >= 0)
            return QAccessible::queryAccessibleInterface(tab);
    }
    return QAccessibleWidget::parent();
}

int WAccessibleWidget::childCount() const
{
    return ChildWidgets().size();
}

QAccessibleInterface* WAccessibleWidget::child(int index) const
{
    const QList<QWidget*> kids = ChildWidgets();
    if (index < 0 || index >= kids.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(kids.at(index));
}

int WAccessibleWidget::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || !child->object() || !child->object()->isWidgetType())
        return -1;
    return ChildWidgets().indexOf(static_cast<QWidget*>(child->object()));
}

QAccessibleInterface* WAccessibleWidget::childAt(int x, int y) const
{
    const int count = childCount();
    // The last child is painted on top.
    for (int i = count - 1; i >= 0; --i) {
        QAccessibleInterface* c = child(i);
        if (c && c->rect().contains(x, y) && !c->state().invisible)
            return c;
    }
    return nullptr;
}

QString WAccessibleWidget::ShownName() const
{
    if (auto* page = qobject_cast<const WTabPage*>(widget()))
        return page->Text();
    if (WFormParts::IsTitleBar(widget()))
        return static_cast<const WForm*>(widget()->parentWidget())->Title();
    return QString();
}

QString WAccessibleWidget::ShownValue() const
{
    return QString();
}

QList<QWidget*> WAccessibleWidget::ChildWidgets() const
{
    return WFocusChain::ShownChildren(widget());
}
