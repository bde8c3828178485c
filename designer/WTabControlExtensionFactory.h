#pragma once

#include <QtDesigner/QExtensionFactory>

class QExtensionManager;

// Hands Designer a container extension for every WTabControl it asks about.
class WTabControlExtensionFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit WTabControlExtensionFactory(QExtensionManager* parent = nullptr);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
