#include "WProgressBarPlugin.h"

#include "WProgressBar.h"

WProgressBarPlugin::WProgressBarPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WProgressBar"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WProgressBar"), 100, 30), true, parent)
{
}

QWidget* WProgressBarPlugin::createWidget(QWidget* parent)
{
    return new WProgressBar(parent);
}
