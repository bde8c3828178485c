#pragma once

#include "WWidgetPlugin.h"

// Offers WButton in Designer's widget box.
class WButtonPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WButtonPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
