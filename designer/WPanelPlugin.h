#pragma once

#include "WWidgetPlugin.h"

// Offers WPanel in Designer's widget box.
class WPanelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WPanelPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
