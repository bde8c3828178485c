// A form as Designer writes it, against the library as installed: compiled by uic, and loaded
// at run time by QUiLoader, which must find the Designer plugin in Qt's own plugin folder with
// no QT_PLUGIN_PATH (where the packages put it). Prints what is wrong and fails.
#include "ui_ConsumerForm.h"

#include <WButton.h>
#include <WCheckBox.h>
#include <WLabel.h>
#include <WPanel.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <cstdio>
#include <memory>

namespace {

QStringList problems;

void Expect(bool ok, const QString& what)
{
    if (!ok)
        problems << what;
}

// What ConsumerForm.ui sets, held by whichever way the form was made. A form QUiLoader built
// without the plugin has plain QWidgets in these places, which the casts catch.
void CheckForm(QWidget* form, const QString& how)
{
    auto* panel = qobject_cast<WPanel*>(form->findChild<QWidget*>(QStringLiteral("panel")));
    auto* label = qobject_cast<WLabel*>(form->findChild<QWidget*>(QStringLiteral("label")));
    auto* check = qobject_cast<WCheckBox*>(form->findChild<QWidget*>(QStringLiteral("check")));
    auto* button = qobject_cast<WButton*>(form->findChild<QWidget*>(QStringLiteral("button")));
    if (!panel || !label || !check || !button) {
        problems << how + QStringLiteral(": the form's widgets are not the library's classes");
        return;
    }
    Expect(panel->Radius() == 6, how + QStringLiteral(": panel Radius"));
    Expect(panel->BackColor() == QColor(18, 52, 86), how + QStringLiteral(": panel BackColor"));
    Expect(label->parentWidget() == panel, how + QStringLiteral(": label not inside the panel"));
    Expect(label->Text() == QStringLiteral("Installed from a package"),
           how + QStringLiteral(": label Text"));
    Expect(check->Checked(), how + QStringLiteral(": check box not checked"));
    Expect(button->BorderWidth() == 3, how + QStringLiteral(": button BorderWidth"));
    Expect(button->geometry() == QRect(10, 70, 80, 30), how + QStringLiteral(": button geometry"));
    Expect(!form->grab().isNull(), how + QStringLiteral(": the form did not paint"));
}

QString QtPluginsFolder()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::PluginsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::PluginsPath);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The point is that Qt finds the plugin by itself.
    qunsetenv("QT_PLUGIN_PATH");
    QApplication app(argc, argv);

    // First the compiled form: loading the plugin puts the process in Designer mode.
    {
        QWidget form;
        Ui::ConsumerForm ui;
        ui.setupUi(&form);
        form.show();
        QCoreApplication::processEvents();
        CheckForm(&form, QStringLiteral("uic"));
    }

    // The plugin where Designer looks, and what it offers.
    const QString pluginFile =
        QtPluginsFolder() + QStringLiteral("/designer/") + QStringLiteral(WEXAL_PLUGIN_FILE_NAME);
    QPluginLoader plugin(pluginFile);
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
    if (!collection) {
        problems << QStringLiteral("Designer plugin %1 does not load: %2")
                        .arg(pluginFile, plugin.errorString());
    } else {
        QStringList names;
        for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
            names << widget->name();
        for (const char* name : {"WPanel", "WLabel", "WCheckBox", "WButton"})
            Expect(names.contains(QLatin1String(name)),
                   QStringLiteral("the plugin offers no %1").arg(QLatin1String(name)));
    }

    QUiLoader loader;
    Expect(loader.availableWidgets().contains(QStringLiteral("WLabel")),
           QStringLiteral("QUiLoader does not know WLabel"));
    QFile file(QStringLiteral(WEXAL_CONSUMER_FORM_FILE));
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("cannot read %1").arg(file.fileName());
    } else {
        std::unique_ptr<QWidget> form(loader.load(&file));
        if (!form) {
            problems << QStringLiteral("QUiLoader: ") + loader.errorString();
        } else {
            form->show();
            QCoreApplication::processEvents();
            CheckForm(form.get(), QStringLiteral("QUiLoader"));
        }
    }

    for (const QString& problem : problems)
        std::fprintf(stderr, "consumer form: %s\n", qPrintable(problem));
    if (!problems.isEmpty())
        return 1;
    std::printf("consumer form: compiled by uic and loaded through %s\n", qPrintable(pluginFile));
    return 0;
}
