#include "WSwitchButtonPlugin.h"

#include "WSwitchButton.h"

namespace {

// The defaults Designer gives a new WSwitchButton beyond its geometry.
const char extraXml[] = R"( <property name="BackColor">
  <color>
   <red>245</red>
   <green>245</green>
   <blue>245</blue>
  </color>
 </property>
)";

} // namespace

WSwitchButtonPlugin::WSwitchButtonPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WSwitchButton"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WSwitchButton"), 80, 30, extraXml), true, parent)
{
}

QWidget* WSwitchButtonPlugin::createWidget(QWidget* parent)
{
    return new WSwitchButton(parent);
}
