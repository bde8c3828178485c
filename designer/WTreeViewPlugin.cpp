#include "WTreeViewPlugin.h"

#include "WTreeView.h"

WTreeViewPlugin::WTreeViewPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTreeView"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WTreeView"), 300, 300), true, parent)
{
}

QWidget* WTreeViewPlugin::createWidget(QWidget* parent)
{
    return new WTreeView(parent);
}
