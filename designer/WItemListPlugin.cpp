#include "WItemListPlugin.h"

#include "WItemList.h"

namespace {

// What Designer puts on a form for a new WItemList.
const char defaultXml[] = R"(<widget class="WItemList" name="wItemList">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>100</width>
   <height>100</height>
  </rect>
 </property>
</widget>
)";

} // namespace

WItemListPlugin::WItemListPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WItemList"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WItemListPlugin::createWidget(QWidget* parent)
{
    return new WItemList(parent);
}
