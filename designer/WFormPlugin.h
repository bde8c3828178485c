#pragma once

#include "WWidgetPlugin.h"

// Offers WForm as the main widget of new forms. It has neither group nor default XML, so the
// widget box leaves it out; Designer's New Form dialog lists it among the custom containers.
class WFormPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WFormPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
