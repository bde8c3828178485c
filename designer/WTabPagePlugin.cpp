#include "WTabPagePlugin.h"

#include "WTabPage.h"

WTabPagePlugin::WTabPagePlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTabPage"), QStringLiteral("Wexal"), true, QString(), true,
                    parent)
{
}

// A page made in Designer always has its tab, so that it can be shown in a tab control.
QWidget* WTabPagePlugin::createWidget(QWidget* parent)
{
    return new WTabPage(parent, true);
}
