#include "WLabelPlugin.h"

#include "WLabel.h"

WLabelPlugin::WLabelPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WLabel"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WLabel"), 100, 30), true, parent)
{
}

QWidget* WLabelPlugin::createWidget(QWidget* parent)
{
    return new WLabel(parent);
}
