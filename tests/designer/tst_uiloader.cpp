// The form saved from Designer, loaded at run time by QUiLoader, which makes our widgets
// through the installed plugin: every value and page in place.
#include "SamplerForm.h"

#include <WBase.h>

#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class TestUiLoader : public QObject
{
    Q_OBJECT

private slots:
    // Every widget of the plugin's collection, offered by name. Loading the collection puts
    // the process into Designer mode, as in Designer.
    void pluginWidgetsOffered()
    {
        QUiLoader loader;
        const QStringList available = loader.availableWidgets();
        QVERIFY(WBase::IsDesignerMode());
        QPluginLoader plugin(QDir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR))
                                 .filePath(QStringLiteral(WEXAL_PLUGIN_FILE_NAME)));
        auto* collection =
            qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
        QVERIFY2(collection, qPrintable(plugin.errorString()));
        QVERIFY(!collection->customWidgets().isEmpty());
        for (QDesignerCustomWidgetInterface* w : collection->customWidgets())
            QVERIFY2(available.contains(w->name()), qPrintable(w->name()));
        std::unique_ptr<QWidget> made(loader.createWidget(QStringLiteral("WTabControl")));
        QCOMPARE(made->metaObject()->className(), "WTabControl");
    }

    void savedFormLoads()
    {
        QFile file(QStringLiteral(WEXAL_FORM_FILE));
        QVERIFY2(file.open(QIODevice::ReadOnly), "run tst_designerform first: it saves the form");
        QUiLoader loader;
        std::unique_ptr<QWidget> form(loader.load(&file));
        QVERIFY2(form, qPrintable(loader.errorString()));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_COMPARE(SamplerForm::Check(form.get()).join(QLatin1Char('\n')), QString());
    }
};

QTEST_MAIN(TestUiLoader)
#include "tst_uiloader.moc"
