#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// What every widget plugin of the collection has in common: Designer asks each for the same
// handful of constant facts (name, group, header, icon, default XML, whether it holds children)
// and for new widgets. A plugin passes its facts to this base and makes its widget in
// createWidget; plugins with a container extension register it in InitializeOnce.
class WWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ~WWidgetPlugin() override;

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;

    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

protected:
    // The icon is the collection's own unless the plugin has none (withIcon false).
    WWidgetPlugin(const QString& name, const QString& group, bool container, const QString& xml,
                  bool withIcon, QObject* parent);

    // Runs until it succeeds, on initialize: Designer calls initialize once per plugin and form
    // editor, but a second call must not register anything twice. A plugin that needs the form
    // editor returns false without one, so that a later call with a real editor still counts.
    virtual bool InitializeOnce(QDesignerFormEditorInterface* core);

    // Designer's XML for a new widget of className at (0, 0) with the given size, named after
    // the class with its first letter in lower case. extra holds further property and child
    // elements, each line indented by one space as the geometry property is.
    static QString WidgetXml(const QString& className, int width, int height,
                             const char* extra = "");

private:
    const QString widgetName;
    const QString widgetGroup;
    const bool container;
    const QString xml;
    const bool withIcon;
    bool initialized = false;
};
