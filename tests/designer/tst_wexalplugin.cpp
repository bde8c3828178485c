// The plugin as Designer loads it: the installed module through QPluginLoader, its metadata,
// the one collection, what every widget plugin tells Designer and the widgets it makes. Its
// default XML is read by Designer's own core (tst_designerform).
#include <WBase.h>
#include <WButton.h>
#include <WTabPage.h>

#include <QDir>
#include <QJsonObject>
#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace {

// Every widget the collection offers, in the order of Designer's widget box, and those of them
// that take the widgets dropped on them. Everything else Designer is told is read from the
// plugin and checked where Designer uses it (tst_designerform).
const QStringList classes{"WPanel",        "WScrollPanel", "WButton",   "WCheckBox",
                          "WSwitchButton", "WComboBox",    "WLabel",    "WLineEdit",
                          "WProgressBar",  "WTrackBar",    "WItemList", "WTabPage",
                          "WTabControl",   "WGridList",    "WTreeView", "WHourMinutePicker",
                          "WForm",         "WTest"};
const QStringList containers{"WPanel", "WScrollPanel", "WTabPage", "WTabControl", "WForm"};

QString pluginFile()
{
    const QDir dir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR));
    return dir.filePath(QStringLiteral(WEXAL_PLUGIN_FILE_NAME));
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

    // What Designer looks the module up by, and one collection however often it asks.
    void metadata()
    {
        const QJsonObject meta = loader.metaData();
        QCOMPARE(meta.value(QLatin1String("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        QCOMPARE(meta.value(QLatin1String("className")).toString(), QStringLiteral("WexalPlugin"));
        QCOMPARE(loader.instance()->qt_metacast("QDesignerCustomWidgetCollectionInterface"),
                 static_cast<void*>(collectionInterface));
        QCOMPARE(loader.instance(), loader.instance());
    }

    void collection()
    {
        const QList<QDesignerCustomWidgetInterface*> widgets = collectionInterface->customWidgets();
        QStringList names;
        for (QDesignerCustomWidgetInterface* w : widgets)
            names << w->name();
        QCOMPARE(names, classes);
        // The widget plugins are the collection's children, in the list's order.
        const QList<QObject*> children = loader.instance()->children();
        QCOMPARE(children.size(), widgets.size());
        for (int i = 0; i < widgets.size(); ++i) {
            QDesignerCustomWidgetInterface* w = widgets.at(i);
            QCOMPARE(w->isContainer(), containers.contains(w->name()));
            QCOMPARE(w->includeFile(), w->name() + QStringLiteral(".h"));
            QCOMPARE(w->isInitialized(), false);
            // Every widget but the test one has its icon in the box.
            const QIcon icon = w->icon();
            QCOMPARE(icon.isNull(), w->name() == QLatin1String("WTest"));
            if (!icon.isNull())
                QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));
            QCOMPARE(qobject_cast<QDesignerCustomWidgetInterface*>(children.at(i)), w);
        }
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
            classes.size());
    }

private:
    QPluginLoader loader;
    QDesignerCustomWidgetCollectionInterface* collectionInterface = nullptr;
};

QTEST_MAIN(TestWexalPlugin)
#include "tst_wexalplugin.moc"
