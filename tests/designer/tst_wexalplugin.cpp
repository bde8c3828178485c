// The plugin as Designer loads it: the installed module through QPluginLoader, its metadata,
// the one collection and what every widget plugin tells Designer, its default XML and the
// widgets it makes.
#include <WBase.h>
#include <WButton.h>
#include <WTabPage.h>

#include <QDir>
#include <QJsonObject>
#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace {

struct PluginFacts
{
    const char* name;
    const char* group;
    bool container;
    bool icon;
    // The default geometry's size; none for the plugins with no geometry in their XML.
    QSize size;
    // Empty default XML, a bare widget element, or a whole ui document.
    enum Xml { Empty, Widget, Document } xml;
};

// Every widget the collection offers, in the order of Designer's widget box.
const PluginFacts plugins[] = {
    {"WPanel", "Wexal", true, true, QSize(300, 300), PluginFacts::Widget},
    {"WScrollPanel", "Wexal", true, true, QSize(300, 300), PluginFacts::Widget},
    {"WButton", "Wexal", false, true, QSize(80, 30), PluginFacts::Widget},
    {"WCheckBox", "Wexal", false, true, QSize(100, 16), PluginFacts::Widget},
    {"WSwitchButton", "Wexal", false, true, QSize(80, 30), PluginFacts::Widget},
    {"WComboBox", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WLabel", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WLineEdit", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WProgressBar", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WTrackBar", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WItemList", "Wexal", false, true, QSize(100, 100), PluginFacts::Widget},
    {"WTabPage", "Wexal", true, true, QSize(), PluginFacts::Empty},
    {"WTabControl", "Wexal", true, true, QSize(200, 200), PluginFacts::Document},
    {"WGridList", "Wexal", false, true, QSize(100, 30), PluginFacts::Widget},
    {"WTreeView", "Wexal", false, true, QSize(300, 300), PluginFacts::Widget},
    {"WHourMinutePicker", "WexalEx", false, true, QSize(), PluginFacts::Widget},
    {"WForm", "", true, true, QSize(), PluginFacts::Empty},
    {"WTest", "Wexal", false, false, QSize(100, 30), PluginFacts::Widget},
};

QString pluginFile()
{
    const QDir dir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR));
    return dir.filePath(QStringLiteral(WEXAL_PLUGIN_FILE_NAME));
}

// One property of a default XML: its name, the kind of value ("rect", "color", ...) and the
// value as Designer would read it.
struct XmlProperty
{
    QString name;
    QString kind;
    QVariant value;
};

struct XmlWidget
{
    QString className;
    QString objectName;
    QList<XmlProperty> properties;
    QList<XmlWidget> children;
};

QVariant readValue(QXmlStreamReader& xml, const QString& kind)
{
    if (kind == QLatin1String("number"))
        return xml.readElementText().toInt();
    if (kind == QLatin1String("string"))
        return xml.readElementText();
    QMap<QString, int> parts;
    const QString alpha = xml.attributes().value(QLatin1String("alpha")).toString();
    while (xml.readNextStartElement())
        parts[xml.name().toString()] = xml.readElementText().toInt();
    if (kind == QLatin1String("rect"))
        return QRect(parts.value(QStringLiteral("x"), -1), parts.value(QStringLiteral("y"), -1),
                     parts.value(QStringLiteral("width")), parts.value(QStringLiteral("height")));
    if (kind == QLatin1String("size"))
        return QSize(parts.value(QStringLiteral("width")), parts.value(QStringLiteral("height")));
    if (kind == QLatin1String("color"))
        return QColor(parts.value(QStringLiteral("red")), parts.value(QStringLiteral("green")),
                      parts.value(QStringLiteral("blue")), alpha.isEmpty() ? 255 : alpha.toInt());
    return QVariant();
}

// Reads the widget element the reader stands on, with its properties and child widgets.
XmlWidget readWidget(QXmlStreamReader& xml)
{
    XmlWidget w;
    w.className = xml.attributes().value(QLatin1String("class")).toString();
    w.objectName = xml.attributes().value(QLatin1String("name")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("property")) {
            XmlProperty p;
            p.name = xml.attributes().value(QLatin1String("name")).toString();
            if (xml.readNextStartElement()) {
                p.kind = xml.name().toString();
                p.value = readValue(xml, p.kind);
            }
            w.properties.append(p);
            xml.skipCurrentElement();
        } else if (xml.name() == QLatin1String("widget")) {
            w.children.append(readWidget(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    return w;
}

} // namespace

class TestWexalPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Nothing of the library runs in Designer mode until the collection exists.
        QVERIFY(!WBase::IsDesignerMode());
        loader.setFileName(pluginFile());
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        QObject* instance = loader.instance();
        QVERIFY(instance);
        collectionInterface = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
        QVERIFY(collectionInterface);
        // The module and this test share one library, so the flag the collection set is seen here.
        QVERIFY(WBase::IsDesignerMode());
    }

    void metadata()
    {
        const QJsonObject meta = loader.metaData();
        QCOMPARE(meta.value(QLatin1String("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        QCOMPARE(meta.value(QLatin1String("className")).toString(), QStringLiteral("WexalPlugin"));
        // Written by moc: the Qt version built against, whose patch level Qt 5's moc leaves out.
        QCOMPARE(meta.value(QLatin1String("version")).toInt(), QT_VERSION & 0xffff00);
        QCOMPARE(meta.value(QLatin1String("debug")).toBool(), false);
        QVERIFY(meta.value(QLatin1String("MetaData")).toObject().isEmpty());

        QObject* instance = loader.instance();
        QCOMPARE(instance->metaObject()->className(), "WexalPlugin");
        QCOMPARE(instance->qt_metacast("WexalPlugin"), static_cast<void*>(instance));
        for (const char* iid : {"QDesignerCustomWidgetCollectionInterface",
                                "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"})
            QCOMPARE(instance->qt_metacast(iid), static_cast<void*>(collectionInterface));
        QCOMPARE(instance->qt_metacast("QDesignerCustomWidgetInterface"), nullptr);
        // Asked again, the loader hands out the same collection.
        QCOMPARE(loader.instance(), instance);
    }

    void collection()
    {
        const QList<QDesignerCustomWidgetInterface*> widgets = collectionInterface->customWidgets();
        QCOMPARE(widgets.size(), int(std::size(plugins)));
        // The widget plugins are the collection's children, in the list's order.
        const QList<QObject*> children = loader.instance()->children();
        QCOMPARE(children.size(), widgets.size());
        for (int i = 0; i < widgets.size(); ++i) {
            const PluginFacts& facts = plugins[i];
            QDesignerCustomWidgetInterface* w = widgets.at(i);
            const QString name = QLatin1String(facts.name);
            QCOMPARE(w->name(), name);
            QCOMPARE(w->group(), QLatin1String(facts.group));
            QCOMPARE(w->isContainer(), facts.container);
            QCOMPARE(w->includeFile(), name + QStringLiteral(".h"));
            QCOMPARE(w->toolTip(), QString());
            QCOMPARE(w->whatsThis(), QString());
            QCOMPARE(w->codeTemplate(), QString());
            QCOMPARE(w->isInitialized(), false);
            const QIcon icon = w->icon();
            QCOMPARE(icon.isNull(), !facts.icon);
            if (facts.icon)
                QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));

            QObject* object = children.at(i);
            QCOMPARE(object->metaObject()->className(),
                     qPrintable(name + QStringLiteral("Plugin")));
            QCOMPARE(qobject_cast<QDesignerCustomWidgetInterface*>(object), w);
            QCOMPARE(object->qt_metacast(qPrintable(name + QStringLiteral("Plugin"))),
                     static_cast<void*>(object));
            for (const char* iid : {"QDesignerCustomWidgetInterface",
                                    "org.qt-project.QDesignerCustomWidgetInterface"})
                QCOMPARE(object->qt_metacast(iid), static_cast<void*>(w));
        }
    }

    void defaultXml_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(plugins)); ++i)
            QTest::newRow(plugins[i].name) << i;
    }

    void defaultXml()
    {
        QFETCH(int, index);
        const PluginFacts& facts = plugins[index];
        QDesignerCustomWidgetInterface* plugin = find(QLatin1String(facts.name));
        QVERIFY(plugin);
        const QString text = plugin->domXml();
        if (facts.xml == PluginFacts::Empty) {
            QCOMPARE(text, QString());
            return;
        }
        QVERIFY(text.endsWith(QLatin1Char('\n')));

        QXmlStreamReader xml(text);
        QVERIFY(xml.readNextStartElement());
        if (facts.xml == PluginFacts::Document) {
            QCOMPARE(xml.name(), QLatin1String("ui"));
            QVERIFY(xml.readNextStartElement());
        }
        QCOMPARE(xml.name(), QLatin1String("widget"));
        const XmlWidget w = readWidget(xml);
        if (facts.xml == PluginFacts::Document) {
            while (xml.readNextStartElement())
                xml.skipCurrentElement();
        }
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

        const QString name = QLatin1String(facts.name);
        QCOMPARE(w.className, name);
        QCOMPARE(w.objectName, name.left(1).toLower() + name.mid(1));
        if (facts.size.isValid()) {
            QVERIFY(!w.properties.isEmpty());
            QCOMPARE(w.properties.first().name, QStringLiteral("geometry"));
            QCOMPARE(w.properties.first().value.toRect(), QRect(QPoint(0, 0), facts.size));
        } else {
            QVERIFY(w.properties.isEmpty());
        }
        // Every default names a property the widget has, with a value of the property's type: a
        // misspelt name or a colour given to a size would be dropped by Designer without a word.
        QWidget parent;
        std::unique_ptr<QWidget> made(plugin->createWidget(&parent));
        for (const XmlProperty& p : w.properties) {
            const int i = made->metaObject()->indexOfProperty(qPrintable(p.name));
            QVERIFY2(i >= 0, qPrintable(p.name));
            const QMetaProperty property = made->metaObject()->property(i);
            QVERIFY(property.isWritable());
            QVERIFY2(p.value.isValid(), qPrintable(p.kind));
            QCOMPARE(property.userType(), p.value.userType());
        }
    }

    void tabControlDocument()
    {
        QDesignerCustomWidgetInterface* plugin = find(QStringLiteral("WTabControl"));
        QVERIFY(plugin);
        QXmlStreamReader xml(plugin->domXml());
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("ui"));
        QCOMPARE(xml.attributes().value(QLatin1String("language")), QLatin1String("c++"));
        QVERIFY(xml.readNextStartElement());
        const XmlWidget control = readWidget(xml);
        QCOMPARE(control.properties.size(), 2);
        QCOMPARE(control.properties.at(1).name, QStringLiteral("TabBarSize"));
        QCOMPARE(control.properties.at(1).value.toSize(), QSize(50, 20));
        QCOMPARE(control.children.size(), 2);
        for (const XmlWidget& page : control.children) {
            QCOMPARE(page.className, QStringLiteral("WTabPage"));
            QCOMPARE(page.objectName, QStringLiteral("page"));
            QVERIFY(page.properties.isEmpty() && page.children.isEmpty());
        }
        // Then how generated code adds pages to the control.
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("customwidgets"));
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("customwidget"));
        QMap<QString, QString> entries;
        while (xml.readNextStartElement())
            entries[xml.name().toString()] = xml.readElementText();
        const QMap<QString, QString> expected{
            {QStringLiteral("class"), QStringLiteral("WTabControl")},
            {QStringLiteral("extends"), QStringLiteral("QWidget")},
            {QStringLiteral("addpagemethod"), QStringLiteral("AddPage")}};
        QCOMPARE(entries, expected);
    }

    void createWidget()
    {
        const QList<QDesignerCustomWidgetInterface*> widgets = collectionInterface->customWidgets();
        QWidget parent;
        for (QDesignerCustomWidgetInterface* plugin : widgets) {
            QWidget* w = plugin->createWidget(&parent);
            QVERIFY(w);
            QCOMPARE(w->metaObject()->className(), qPrintable(plugin->name()));
            QCOMPARE(w->parentWidget(), &parent);
            QVERIFY(qobject_cast<WBase*>(w));
        }
        // A page made for Designer comes with its tab, marked passive so that the form editor
        // hands clicks on it to the page.
        auto* page = parent.findChild<WTabPage*>();
        QVERIFY(page && page->TabButton());
        QVERIFY(page->TabButton()->objectName().startsWith(QLatin1String("__qt__passive_")));
        // Made without a parent, a widget stands alone.
        std::unique_ptr<QWidget> alone(widgets.first()->createWidget(nullptr));
        QVERIFY(alone && !alone->parentWidget());
    }

    void initializeWithoutEditor()
    {
        // Without a form editor there is nowhere to register an extension: the two container
        // plugins wait for a real one, the others have nothing to wait for.
        for (QDesignerCustomWidgetInterface* plugin : collectionInterface->customWidgets()) {
            plugin->initialize(nullptr);
            const bool registers = plugin->name() == QLatin1String("WScrollPanel") ||
                                   plugin->name() == QLatin1String("WTabControl");
            QCOMPARE(plugin->isInitialized(), !registers);
        }
    }

    void instanceMadeAgain()
    {
        QPointer<QObject> first = loader.instance();
        delete first.data();
        QVERIFY(!first);
        QObject* second = loader.instance();
        QVERIFY(second);
        QCOMPARE(second->metaObject()->className(), "WexalPlugin");
        QCOMPARE(
            qobject_cast<QDesignerCustomWidgetCollectionInterface*>(second)->customWidgets().size(),
            int(std::size(plugins)));
    }

private:
    QDesignerCustomWidgetInterface* find(const QString& name) const
    {
        for (QDesignerCustomWidgetInterface* w : collectionInterface->customWidgets())
            if (w->name() == name)
                return w;
        return nullptr;
    }

    QPluginLoader loader;
    QDesignerCustomWidgetCollectionInterface* collectionInterface = nullptr;
};

QTEST_MAIN(TestWexalPlugin)
#include "tst_wexalplugin.moc"
