#include "WButtonPlugin.h"

#include "WButton.h"

namespace {

// What Designer puts on a form for a new WButton.
const char defaultXml[] = R"(<widget class="WButton" name="wButton">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>80</width>
   <height>30</height>
  </rect>
 </property>
 <property name="Radius">
  <number>8</number>
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

WButtonPlugin::WButtonPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WButton"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WButtonPlugin::createWidget(QWidget* parent)
{
    return new WButton(parent);
}
