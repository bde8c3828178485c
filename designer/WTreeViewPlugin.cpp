#include "WTreeViewPlugin.h"

#include "WTreeView.h"

namespace {

// What Designer puts on a form for a new WTreeView.
const char defaultXml[] = R"(<widget class="WTreeView" name="wTreeView">
 <property name="geometry">
  <rect>
   <x>0</x>
   <y>0</y>
   <width>300</width>
   <height>300</height>
  </rect>
 </property>
</widget>
)";

} // namespace

WTreeViewPlugin::WTreeViewPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTreeView"), QStringLiteral("Wexal"), false,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WTreeViewPlugin::createWidget(QWidget* parent)
{
    return new WTreeView(parent);
}
