#pragma once

#include <QList>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The collection Designer loads: every widget the library offers in Designer's widget box, in
// the order of the box. Making it switches the process into Designer mode, so that composite
// widgets created from then on hand their internal children's mouse input to the form editor.
class WexalPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit WexalPlugin(QObject* parent = nullptr);
    ~WexalPlugin() override;

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    // Children of the collection, deleted with it.
    QList<QDesignerCustomWidgetInterface*> widgets;
};
