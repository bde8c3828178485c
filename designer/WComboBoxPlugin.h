#pragma once

#include "WWidgetPlugin.h"

// Offers WComboBox in Designer's widget box.
class WComboBoxPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WComboBoxPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
