#pragma once

#include "WWidgetPlugin.h"

// Offers WHourMinutePicker in Designer's widget box.
class WHourMinutePickerPlugin : public WWidgetPlugin
{
    Q_OBJECT

public:
    explicit WHourMinutePickerPlugin(QObject* parent = nullptr);

    QWidget* createWidget(QWidget* parent) override;
};
