#pragma once

#include "WWidgetPlugin.h"

// Offers WForm in Designer's widget box.
class WFormPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WFormPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
