#include "WTrackBarPlugin.h"

#include "WTrackBar.h"

namespace {

// What Designer puts on a form for a new WTrackBar.
const char defaultXml[] = R"(<widget class="WTrackBar" name="wTrackBar">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>100</width>
   <height>30</height>
  </rect>
 </property>
</widget>
)";

} // namespace

WTrackBarPlugin::WTrackBarPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTrackBar"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WTrackBarPlugin::createWidget(QWidget* parent)
{
    return new WTrackBar(parent);
}
