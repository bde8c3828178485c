#include "WAccessibleTabControl_p.h"

#include "WButton.h"
#include "WTabControl.h"
#include "WTabPage.h"

WAccessibleTabControl::WAccessibleTabControl(QWidget* widget)
    : WAccessibleWidget(widget, QAccessible::PageTabList)
{
}

QList<QWidget*> WAccessibleTabControl::ChildWidgets() const
{
    const auto* control = static_cast<const WTabControl*>(widget());
    QList<QWidget*> tabs;
    for (int i = 0; i < control->Count(); ++i) {
        WTabPage* page = control->Page(i);
        if (!page)
            continue;
        WButton* tab = page->TabButton();
        if (tab && tab->parentWidget() == control)
            tabs.append(tab);
        else
            tabs.append(page);
    }
    return tabs;
}
