#pragma once

#include "WWidgetPlugin.h"

// Offers WSwitchButton in Designer's widget box.
class WSwitchButtonPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WSwitchButtonPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
