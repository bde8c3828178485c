#include "WTabControlPlugin.h"

#include "WTabControl.h"
#include "WTabControlExtensionFactory.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

namespace {

// A whole ui document rather than a bare widget: only there can the default say how generated
// code adds pages (AddPage). Both pages may share a name; Designer makes names unique.
const char defaultXml[] = R"(<ui language="c++">
 <widget class="WTabControl" name="wTabControl">
  <property name="geometry">
   <rect>
    <x>0</x>
    <y>0</y>
    <width>200</width>
    <height>200</height>
   </rect>
  </property>
  <property name="TabBarSize">
   <size>
    <width>50</width>
    <height>20</height>
   </size>
  </property>
  <widget class="WTabPage" name="page"/>
  <widget class="WTabPage" name="page"/>
 </widget>
 <customwidgets>
  <customwidget>
   <class>WTabControl</class>
   <extends>QWidget</extends>
   <addpagemethod>AddPage</addpagemethod>
  </customwidget>
 </customwidgets>
</ui>
)";

} // namespace

WTabControlPlugin::WTabControlPlugin(QObject* parent)
    : WWidgetPlugin(QStringLiteral("WTabControl"), QStringLiteral("Wexal"), true,
                    QString::fromLatin1(defaultXml), true, parent)
{
}

QWidget* WTabControlPlugin::createWidget(QWidget* parent)
{
    auto* control = new WTabControl(parent);
    connect(control, &WTabControl::SelectedPageChanged, this,
            &WTabControlPlugin::SelectedPageChanged);
    return control;
}

bool WTabControlPlugin::InitializeOnce(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core ? core->extensionManager() : nullptr;
    if (!manager)
        return false;
    manager->registerExtensions(new WTabControlExtensionFactory(manager),
                                Q_TYPEID(QDesignerContainerExtension));
    return true;
}

void WTabControlPlugin::SelectedPageChanged(int)
{
    auto* control = qobject_cast<WTabControl*>(sender());
    if (!control)
        return;
    if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control))
        form->emitSelectionChanged();
}
