#include "WGridListPlugin.h"

#include "WGridList.h"

namespace {

// What Designer puts on a form for a new WGridList.
const char defaultXml[] = R"(<widget class="WGridList" name="wGridList">
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

WGridListPlugin::WGridListPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WGridList"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WGridListPlugin::createWidget(QWidget* parent)
{
    return new WGridList(parent);
}
