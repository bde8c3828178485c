#pragma once

#include <QtDesigner/QExtensionFactory>

class QExtensionManager;

// Hands Designer a container extension for every WScrollPanel it asks about.
class WScrollPanelExtensionFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit WScrollPanelExtensionFactory(QExtensionManager* parent = nullptr);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
