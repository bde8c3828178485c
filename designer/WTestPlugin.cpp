#include "WTestPlugin.h"

#include "WTest.h"

namespace {

// What Designer puts on a form for a new WTest.
const char defaultXml[] = R"(<widget class="WTest" name="wTest">
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

// The placeholder comes without the collection's icon.
WTestPlugin::WTestPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTest"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), false, parent)
{
}

QWidget* WTestPlugin::createWidget(QWidget* parent)
{
    return new WTest(parent);
}
