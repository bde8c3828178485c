#include "WScrollPanelExtensionFactory.h"

#include "WScrollPanel.h"
#include "WScrollPanelContainerExtension.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionManager>

WScrollPanelExtensionFactory::WScrollPanelExtensionFactory(QExtensionManager* parent)
    : QExtensionFactory(parent)
{
}

QObject* WScrollPanelExtensionFactory::createExtension(QObject* object, const QString& iid,
                                                       QObject* parent) const
{
    auto* panel = qobject_cast<WScrollPanel*>(object);
    if (!panel || iid != Q_TYPEID(QDesignerContainerExtension))
        return nullptr;
    return new WScrollPanelContainerExtension(panel, parent);
}
