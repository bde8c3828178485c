#include "WTestPlugin.h"

#include "WTest.h"

// The placeholder comes without the collection's icon.
WTestPlugin::WTestPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTest"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WTest"), 100, 30), false, parent)
{
}

QWidget* WTestPlugin::createWidget(QWidget* parent)
{
    return new WTest(parent);
}
