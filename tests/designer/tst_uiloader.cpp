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
    // The collection, loaded through QPluginLoader as QUiLoader loads it. Loading it puts the
    // process into Designer mode, as in Designer. Without a form editor there is nowhere to
    // register an extension: the two container plugins wait for a real one, the others have nothing
    // to wait for. (That QUiLoader makes every widget of ours is the saved form's test: it holds
    // them all.)
    void pluginWithoutEditor()
    {
        QPluginLoader plugin(QDir(QStringLiteral(WEXAL_DESIGNER_PLUGIN_DIR))
                                 .filePath(QStringLiteral(WEXAL_PLUGIN_FILE_NAME)));
        auto* collection =
            qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
        QVERIFY2(collection, qPrintable(plugin.errorString()));
        QVERIFY(WBase::IsDesignerMode());
        QVERIFY(!collection->customWidgets().isEmpty());
        for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
            w->initialize(nullptr);
            const bool registers = w->name() == QLatin1String("WScrollPanel") ||
                                   w->name() == QLatin1String("WTabControl");
            QCOMPARE(w->isInitialized(), !registers);
        }
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
