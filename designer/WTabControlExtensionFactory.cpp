#include "WTabControlExtensionFactory.h"

#include "WTabControl.h"
#include "WTabControlContainerExtension.h"

#include <QtDesigner/QDesignerContainerExtension>
#include <QtDesigner/QExtensionManager>

WTabControlExtensionFactory::WTabControlExtensionFactory(QExtensionManager* parent)
    : QExtensionFactory(parent)
{
}

QObject* WTabControlExtensionFactory::createExtension(QObject* object, const QString& iid,
                                                      QObject* parent) const
{
    auto* control = qobject_cast<WTabControl*>(object);
    if (!control || iid != Q_TYPEID(QDesignerContainerExtension))
        return nullptr;
    return new WTabControlContainerExtension(control, parent);
}
