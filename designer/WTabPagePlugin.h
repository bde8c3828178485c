#pragma once

#include "WWidgetPlugin.h"

// Offers WTabPage. It has no default XML: pages come with the tab control, whose default holds
// two, and through the control's container extension.
class WTabPagePlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTabPagePlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
