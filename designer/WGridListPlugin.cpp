#include "WGridListPlugin.h"

#include "WGridList.h"

WGridListPlugin::WGridListPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WGridList"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WGridList"), 100, 30), true, parent)
{
}

QWidget* WGridListPlugin::createWidget(QWidget* parent)
{
    return new WGridList(parent);
}
