#pragma once

#include "WWidgetPlugin.h"

// Offers WLineEdit in Designer's widget box.
class WLineEditPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WLineEditPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
