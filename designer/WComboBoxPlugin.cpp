#include "WComboBoxPlugin.h"

#include "WComboBox.h"

WComboBoxPlugin::WComboBoxPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WComboBox"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WComboBox"), 100, 30), true, parent)
{
}

QWidget* WComboBoxPlugin::createWidget(QWidget* parent)
{
    return new WComboBox(parent);
}
