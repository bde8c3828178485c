#pragma once

#include "WAccessibleWidget_p.h"

// The tab control: a page tab list whose children are its pages' tabs, in page order (each
// tab holds its page), or the page itself for a page made without a tab.
class WAccessibleTabControl : public WAccessibleWidget
{
public:
    explicit WAccessibleTabControl(QWidget* widget);

protected:
    QList<QWidget*> ChildWidgets() const override;
};
