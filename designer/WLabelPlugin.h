#pragma once

#include "WWidgetPlugin.h"

// Offers WLabel in Designer's widget box.
class WLabelPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WLabelPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
