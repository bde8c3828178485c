#include "WWidgetPlugins.h"

#include "WButton.h"
#include "WCheckBox.h"
#include "WComboBox.h"
#include "WForm.h"
#include "WGridList.h"
#include "WHourMinutePicker.h"
#include "WItemList.h"
#include "WLabel.h"
#include "WLineEdit.h"
#include "WPanel.h"
#include "WProgressBar.h"
#include "WScrollPanel.h"
#include "WScrollPanelExtensionFactory.h"
#include "WSwitchButton.h"
#include "WTabControl.h"
#include "WTabControlExtensionFactory.h"
#include "WTabPage.h"
#include "WTest.h"
#include "WTrackBar.h"
#include "WTreeView.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

namespace {

// The defaults Designer gives a new WPanel beyond its geometry.
const char panelXml[] = R"( <property name="BackColor">
  <color alpha="30">
   <red>0</red>
   <green>0</green>
   <blue>0</blue>
  </color>
 </property>
)";

// What Designer puts on a form for a new WScrollPanel besides its geometry: the panel's defaults
// and the content panel it scrolls, which the scroll panel adopts as its scroll widget.
const char scrollPanelXml[] = R"( <property name="ScrollAreaSize">
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

// The defaults Designer gives a new WButton beyond its geometry.
const char buttonXml[] = R"( <property name="Radius">
  <number>8</number>
 </property>
 <property name="BackColor">
  <color>
   <red>245</red>
   <green>245</green>
   <blue>245</blue>
  </color>
 </property>
)";

// The defaults Designer gives a new WCheckBox beyond its geometry.
const char checkBoxXml[] = R"( <property name="ForeColor">
  <color>
   <red>80</red>
   <green>80</green>
   <blue>80</blue>
  </color>
 </property>
 <property name="Text">
  <string>WCheckBox</string>
 </property>
)";

// The defaults Designer gives a new WSwitchButton beyond its geometry.
const char switchButtonXml[] = R"( <property name="BackColor">
  <color>
   <red>245</red>
   <green>245</green>
   <blue>245</blue>
  </color>
 </property>
)";

// A whole ui document rather than a bare widget: only there can the default say how generated
// code adds pages (AddPage). Both pages may share a name; Designer makes names unique.
const char tabControlXml[] = R"(<ui language="c++">
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

// What Designer puts on a form for a new WHourMinutePicker.
const char hourMinutePickerXml[] = R"(<widget class="WHourMinutePicker" name="wHourMinutePicker">
</widget>
)";

template <class Widget> QWidget* Make(QWidget* parent)
{
    return new Widget(parent);
}

// A page made in Designer always has its tab, so that it can be shown in a tab control.
template <> QWidget* Make<WTabPage>(QWidget* parent)
{
    return new WTabPage(parent, true);
}

// Without a form editor there is no extension manager to register with yet: false, so that
// InitializeOnce runs again when Designer comes with one.
template <class Factory> bool RegisterContainerExtensions(QDesignerFormEditorInterface* core)
{
    QExtensionManager* manager = core ? core->extensionManager() : nullptr;
    if (!manager)
        return false;
    manager->registerExtensions(new Factory(manager), Q_TYPEID(QDesignerContainerExtension));
    return true;
}

} // namespace

// Every plugin's facts, in the order of the widget box (see WWidgetPlugin::Facts). The tab page
// has no default XML: pages come with the tab control, whose default holds two, and through the
// control's container extension. The form has neither group nor default XML, so the widget box
// leaves it out; Designer's New Form dialog lists it among the custom containers. The test
// widget, a placeholder, comes without the collection's icon.
#define W_WIDGET_PLUGIN(Widget, Group, Traits, Size, Xml)                                          \
    Widget##Plugin::Widget##Plugin(QObject* parent)                                                \
        : WWidgetPlugin({#Widget, Group, Traits, Size, Xml, Make<Widget>}, parent)                 \
    {                                                                                              \
    }

W_WIDGET_PLUGIN(WPanel, "Wexal", Container, QSize(300, 300), panelXml)
W_WIDGET_PLUGIN(WScrollPanel, "Wexal", Container, QSize(300, 300), scrollPanelXml)
W_WIDGET_PLUGIN(WButton, "Wexal", Leaf, QSize(80, 30), buttonXml)
W_WIDGET_PLUGIN(WCheckBox, "Wexal", Leaf, QSize(100, 16), checkBoxXml)
W_WIDGET_PLUGIN(WSwitchButton, "Wexal", Leaf, QSize(80, 30), switchButtonXml)
W_WIDGET_PLUGIN(WComboBox, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WLabel, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WLineEdit, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WProgressBar, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WTrackBar, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WItemList, "Wexal", Leaf, QSize(100, 100), nullptr)
W_WIDGET_PLUGIN(WTabPage, "Wexal", Container, QSize(), nullptr)
W_WIDGET_PLUGIN(WTabControl, "Wexal", Container, QSize(), tabControlXml)
W_WIDGET_PLUGIN(WGridList, "Wexal", Leaf, QSize(100, 30), nullptr)
W_WIDGET_PLUGIN(WTreeView, "Wexal", Leaf, QSize(300, 300), nullptr)
W_WIDGET_PLUGIN(WHourMinutePicker, "WexalEx", Leaf, QSize(), hourMinutePickerXml)
W_WIDGET_PLUGIN(WForm, nullptr, Container, QSize(), nullptr)
W_WIDGET_PLUGIN(WTest, "Wexal", Leaf | WithoutIcon, QSize(100, 30), nullptr)

#undef W_WIDGET_PLUGIN

bool WScrollPanelPlugin::InitializeOnce(QDesignerFormEditorInterface* core)
{
    return RegisterContainerExtensions<WScrollPanelExtensionFactory>(core);
}

QWidget* WTabControlPlugin::createWidget(QWidget* parent)
{
    QWidget* control = WWidgetPlugin::createWidget(parent);
    connect(static_cast<WTabControl*>(control), &WTabControl::SelectedPageChanged, this,
            &WTabControlPlugin::SelectedPageChanged);
    return control;
}

bool WTabControlPlugin::InitializeOnce(QDesignerFormEditorInterface* core)
{
    return RegisterContainerExtensions<WTabControlExtensionFactory>(core);
}

void WTabControlPlugin::SelectedPageChanged(int)
{
    auto* control = qobject_cast<WTabControl*>(sender());
    if (!control)
        return;
    if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control))
        form->emitSelectionChanged();
}
