#include "WLineEditPlugin.h"

#include "WLineEdit.h"

namespace {

// What Designer puts on a form for a new WLineEdit.
const char defaultXml[] = R"(<widget class="WLineEdit" name="wLineEdit">
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

WLineEditPlugin::WLineEditPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WLineEdit"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WLineEditPlugin::createWidget(QWidget* parent)
{
    return new WLineEdit(parent);
}
