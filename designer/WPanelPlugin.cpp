#include "WPanelPlugin.h"

#include "WPanel.h"

namespace {

// What Designer puts on a form for a new WPanel.
const char defaultXml[] = R"(<widget class="WPanel" name="wPanel">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>300</width>
   <height>300</height>
  </rect>
 </property>
 <property name="BackColor">
  <color alpha="30">
   <red>0</red>
   <green>0</green>
   <blue>0</blue>
  </color>
 </property>
</widget>
)";

} // namespace

WPanelPlugin::WPanelPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WPanel"), QStringLiteral("Wexal"), true,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WPanelPlugin::createWidget(QWidget* parent)
{
    return new WPanel(parent);
}
