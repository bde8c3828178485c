#include "WPanelPlugin.h"

#include "WPanel.h"

namespace {

// The defaults Designer gives a new WPanel beyond its geometry.
const char extraXml[] = R"( <property name="BackColor">
  <color alpha="30">
   <red>0</red>
   <green>0</green>
   <blue>0</blue>
  </color>
 </property>
)";

} // namespace

WPanelPlugin::WPanelPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WPanel"), QStringLiteral("Wexal"), true,
                    WidgetXml(QStringLiteral("WPanel"), 300, 300, extraXml), true, parent)
{
}

QWidget* WPanelPlugin::createWidget(QWidget* parent)
{
    return new WPanel(parent);
}
