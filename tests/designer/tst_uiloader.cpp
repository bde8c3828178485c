// The form saved from Designer, loaded at run time by QUiLoader, which makes our widgets
// through the installed plugin: every value and page in place.
#include "SamplerForm.h"

#include <WBase.h>

#include <QFile>
#include <QUiLoader>
#include <QtTest>

class TestUiLoader : public QObject
{
    Q_OBJECT

private slots:
    void pluginWidgetsOffered();
    void savedFormLoads();
};

void TestUiLoader::pluginWidgetsOffered()
{
    QUiLoader loader;
    const QStringList available = loader.availableWidgets();
    for (const char* name :
         {"WPanel", "WScrollPanel", "WButton", "WCheckBox", "WSwitchButton", "WComboBox", "WLabel",
          "WLineEdit", "WProgressBar", "WTrackBar", "WItemList", "WTabPage", "WTabControl",
          "WGridList", "WTreeView", "WHourMinutePicker", "WForm", "WTest"})
        QVERIFY2(available.contains(QLatin1String(name)), name);
    // Loading the collection puts the process into Designer mode, as in Designer.
    QVERIFY(WBase::IsDesignerMode());
    std::unique_ptr<QWidget> made(loader.createWidget(QStringLiteral("WTabControl")));
    QCOMPARE(made->metaObject()->className(), "WTabControl");
}

void TestUiLoader::savedFormLoads()
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

QTEST_MAIN(TestUiLoader)
#include "tst_uiloader.moc"
