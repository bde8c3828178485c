#include "WScrollPanelPlugin.h"

#include "WScrollPanel.h"
#include "WScrollPanelExtensionFactory.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace {

// What Designer puts on a form for a new WScrollPanel: the panel and the content panel it
// scrolls, which the scroll panel adopts as its scroll widget.
const char extraXml[] = R"( <property name="ScrollAreaSize">
  <size>
   <width>500</width>
   <height>500</height>
  </size>
 </property>
 <property name="BackColor">
  <color alpha="0">
   <red>0</red>
   <green>0</green>
   <blue>0</blue>
  </color>
 </property>
 <property name="SliderRadius">
  <number>5</number>
 </property>
 <property name="SliderColor">
  <color>
   <red>230</red>
   <green>230</green>
   <blue>230</blue>
  </color>
 </property>
 <widget class="WPanel" name="ScrollArea">
  <property name="BackColor">
   <color alpha="30">
    <red>0</red>
    <green>0</green>
    <blue>0</blue>
   </color>
  </property>
 </widget>
)";

} // namespace

WScrollPanelPlugin::WScrollPanelPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WScrollPanel"), QStringLiteral("Wexal"), true,
                    WidgetXml(QStringLiteral("WScrollPanel"), 300, 300, extraXml), true, parent)
{
}

QWidget* WScrollPanelPlugin::createWidget(QWidget* parent)
{
    return new WScrollPanel(parent);
}

bool WScrollPanelPlugin::InitializeOnce(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core ? core->extensionManager() : nullptr;
    if (!manager)
        return false;
    manager->registerExtensions(new WScrollPanelExtensionFactory(manager),
                                Q_TYPEID(QDesignerContainerExtension));
    return true;
}
