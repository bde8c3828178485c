#include "WCheckBoxPlugin.h"

#include "WCheckBox.h"

namespace {

// The defaults Designer gives a new WCheckBox beyond its geometry.
const char extraXml[] = R"( <property name="ForeColor">
  <color>
   <red>80</red>
   <green>80</green>
   <blue>80</blue>
  </color>
 </property>
 <property name="Text">
  <string>WCheckBox</string>
 </property>
)";

} // namespace

WCheckBoxPlugin::WCheckBoxPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WCheckBox"), QStringLiteral("Wexal"), false,
                    WidgetXml(QStringLiteral("WCheckBox"), 100, 16, extraXml), true, parent)
{
}

QWidget* WCheckBoxPlugin::createWidget(QWidget* parent)
{
    return new WCheckBox(parent);
}
