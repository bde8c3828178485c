#include "WLineEditPlugin.h"

#include "WLineEdit.h"

WLineEditPlugin::WLineEditPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WLineEdit"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WLineEdit"), 100, 30), true, parent)
{
}

QWidget* WLineEditPlugin::createWidget(QWidget* parent)
{
    return new WLineEdit(parent);
}
