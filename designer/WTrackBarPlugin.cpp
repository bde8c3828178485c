#include "WTrackBarPlugin.h"

#include "WTrackBar.h"

WTrackBarPlugin::WTrackBarPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTrackBar"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WTrackBar"), 100, 30), true, parent)
{
}

QWidget* WTrackBarPlugin::createWidget(QWidget* parent)
{
    return new WTrackBar(parent);
}
