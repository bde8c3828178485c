#include "WLabelPlugin.h"

#include "WLabel.h"

namespace {

// What Designer puts on a form for a new WLabel.
const char defaultXml[] = R"(<widget class="WLabel" name="wLabel">
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

WLabelPlugin::WLabelPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WLabel"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WLabelPlugin::createWidget(QWidget* parent)
{
    return new WLabel(parent);
}
