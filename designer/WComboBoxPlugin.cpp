#include "WComboBoxPlugin.h"

#include "WComboBox.h"

namespace {

// What Designer puts on a form for a new WComboBox.
const char defaultXml[] = R"(<widget class="WComboBox" name="wComboBox">
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

WComboBoxPlugin::WComboBoxPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WComboBox"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WComboBoxPlugin::createWidget(QWidget* parent)
{
    return new WComboBox(parent);
}
