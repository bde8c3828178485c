#include "WItemListPlugin.h"

#include "WItemList.h"

WItemListPlugin::WItemListPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WItemList"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WItemList"), 100, 100), true, parent)
{
}

QWidget* WItemListPlugin::createWidget(QWidget* parent)
{
    return new WItemList(parent);
}
