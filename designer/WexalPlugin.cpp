#include "WexalPlugin.h"

#include "WBase.h"
#include "WButtonPlugin.h"
#include "WCheckBoxPlugin.h"
#include "WComboBoxPlugin.h"
#include "WFormPlugin.h"
#include "WGridListPlugin.h"
#include "WHourMinutePickerPlugin.h"
#include "WItemListPlugin.h"
#include "WLabelPlugin.h"
#include "WLineEditPlugin.h"
#include "WPanelPlugin.h"
#include "WProgressBarPlugin.h"
#include "WScrollPanelPlugin.h"
#include "WSwitchButtonPlugin.h"
#include "WTabControlPlugin.h"
#include "WTabPagePlugin.h"
#include "WTestPlugin.h"
#include "WTrackBarPlugin.h"
#include "WTreeViewPlugin.h"

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
