#pragma once

#include "WWidgetPlugin.h"

// Offers WCheckBox in Designer's widget box.
class WCheckBoxPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WCheckBoxPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
