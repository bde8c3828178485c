#include "WButtonPlugin.h"

#include "WButton.h"

namespace {

// The defaults Designer gives a new WButton beyond its geometry.
const char extraXml[] = R"( <property name="Radius">
  <number>8</number>
 </property>
 <property name="BackColor">
  <color>
   <red>245</red>
   <green>245</green>
   <blue>245</blue>
  </color>
 </property>
)";

} // namespace

WButtonPlugin::WButtonPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WButton"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WButton"), 80, 30, extraXml), true, parent)
{
}

QWidget* WButtonPlugin::createWidget(QWidget* parent)
{
    return new WButton(parent);
}
