#pragma once

#include "WWidgetPlugin.h"

// Offers WTest in Designer's widget box.
class WTestPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTestPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
