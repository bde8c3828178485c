#pragma once

#include <QIcon>
#include <QObject>
#include <QSize>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// What every widget plugin of the collection has in common: Designer asks each for the same
// handful of constant facts (name, group, header, icon, default XML, whether it holds children)
// and for new widgets. A plugin passes its facts, with the function that makes its widget, to
// this base; plugins with a container extension register it in InitializeOnce.
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
    QWidget* createWidget(QWidget* parent) override;

    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;

protected:
    enum Trait : unsigned { Leaf = 0, Container = 1, WithoutIcon = 2 };

    struct Facts
    {
        // The widget's class.
        const char* name;
        // Its group in the widget box; none keeps it out of the box.
        const char* group;
        // Trait values or-ed together; the icon is the collection's own unless WithoutIcon.
        unsigned traits;
        // With a size, the default XML is a widget of that size at (0, 0), named after the class
        // with its first letter in lower case, and xml holds its further property and child
        // elements, each line indented by one space as the geometry property is. Without one,
        // xml is the whole default XML, or null for none.
        QSize size;
        const char* xml;
        QWidget* (*make)(QWidget* parent);
    };

    WWidgetPlugin(const Facts& facts, QObject* parent);

    // Runs until it succeeds, on initialize: Designer calls initialize once per plugin and form
    // editor, but a second call must not register anything twice. A plugin that needs the form
    // editor returns false without one, so that a later call with a real editor still counts.
    virtual bool InitializeOnce(QDesignerFormEditorInterface* core);

private:
    const QString widgetName;
    const QString widgetGroup;
    const bool container;
    const QString xml;
    const bool withIcon;
    QWidget* (*const make)(QWidget* parent);
    bool initialized = false;
};
