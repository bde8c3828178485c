#pragma once

#include "WWidgetPlugin.h"

// Offers WItemList in Designer's widget box.
class WItemListPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WItemListPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
