#pragma once

#include "WWidgetPlugin.h"

// Offers WProgressBar in Designer's widget box.
class WProgressBarPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WProgressBarPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
