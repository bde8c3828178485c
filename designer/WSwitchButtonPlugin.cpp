#include "WSwitchButtonPlugin.h"

#include "WSwitchButton.h"

namespace {

// What Designer puts on a form for a new WSwitchButton.
const char defaultXml[] = R"(<widget class="WSwitchButton" name="wSwitchButton">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>80</width>
   <height>30</height>
  </rect>
 </property>
 <property name="BackColor">
  <color>
   <red>245</red>
   <green>245</green>
   <blue>245</blue>
  </color>
 </property>
</widget>
)";

} // namespace

WSwitchButtonPlugin::WSwitchButtonPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WSwitchButton"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WSwitchButtonPlugin::createWidget(QWidget* parent)
{
    return new WSwitchButton(parent);
}
