#pragma once

#include "WWidgetPlugin.h"

// Offers WTreeView in Designer's widget box.
class WTreeViewPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTreeViewPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
