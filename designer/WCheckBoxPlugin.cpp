#include "WCheckBoxPlugin.h"

#include "WCheckBox.h"

namespace {

// What Designer puts on a form for a new WCheckBox.
const char defaultXml[] = R"(<widget class="WCheckBox" name="wCheckBox">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>100</width>
   <height>16</height>
  </rect>
 </property>
 <property name="ForeColor">
  <color>
   <red>80</red>
   <green>80</green>
   <blue>80</blue>
  </color>
 </property>
 <property name="Text">
  <string>WCheckBox</string>
 </property>
</widget>
)";

} // namespace

WCheckBoxPlugin::WCheckBoxPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WCheckBox"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WCheckBoxPlugin::createWidget(QWidget* parent)
{
    return new WCheckBox(parent);
}
