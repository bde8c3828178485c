#pragma once

#include "WWidgetPlugin.h"

// Offers WTrackBar in Designer's widget box.
class WTrackBarPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WTrackBarPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
