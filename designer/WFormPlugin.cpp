#include "WFormPlugin.h"

#include "WForm.h"

WFormPlugin::WFormPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WForm"), QString(), true, QString(), true, parent)
{
}

QWidget* WFormPlugin::createWidget(QWidget* parent)
{
    return new WForm(parent);
}
