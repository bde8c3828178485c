#include "WProgressBarPlugin.h"

#include "WProgressBar.h"

namespace {

// What Designer puts on a form for a new WProgressBar.
const char defaultXml[] = R"(<widget class="WProgressBar" name="wProgressBar">
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

WProgressBarPlugin::WProgressBarPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WProgressBar"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WProgressBarPlugin::createWidget(QWidget* parent)
{
    return new WProgressBar(parent);
}
