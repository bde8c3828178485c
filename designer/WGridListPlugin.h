#pragma once

#include "WWidgetPlugin.h"

// Offers WGridList in Designer's widget box.
class WGridListPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WGridListPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
