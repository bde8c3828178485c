#include "WexalPlugin.h"

#include "WBase.h"
#include "WWidgetPlugins.h"

WexalPlugin::WexalPlugin(QObject* parent) : QObject(parent)
{
    WBase::SetDesignerMode(true);
    // The order of the widget box.
    widgets = {new WPanelPlugin(this),        new WScrollPanelPlugin(this),
               new WButtonPlugin(this),       new WCheckBoxPlugin(this),
               new WSwitchButtonPlugin(this), new WComboBoxPlugin(this),
               new WLabelPlugin(this),        new WLineEditPlugin(this),
               new WProgressBarPlugin(this),  new WTrackBarPlugin(this),
               new WItemListPlugin(this),     new WTabPagePlugin(this),
               new WTabControlPlugin(this),   new WGridListPlugin(this),
               new WTreeViewPlugin(this),     new WHourMinutePickerPlugin(this),
               new WFormPlugin(this),         new WTestPlugin(this)};
}

WexalPlugin::~WexalPlugin() = default;

QList<QDesignerCustomWidgetInterface*> WexalPlugin::customWidgets() const
{
    return widgets;
}
