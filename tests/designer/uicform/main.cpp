// Runs the form uic generated from what Designer saved, offscreen, and checks that every value
// set in Designer and every page arrived; prints what did not and fails.
// Usage: wexal_uicform [--screenshot FILE]
#include "SamplerForm.h"
#include "ui_WexalForm.h"

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The form's main widget is a WForm: outside Designer a window of its own, inside its
    // shadow window.
    WForm form;
    Ui::Form ui;
    ui.setupUi(&form);
    form.show();
    // Let the posted layout events and the polishing (which hands the scroll panel its
    // content) run, as they do before the first paint.
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();

    QStringList problems = SamplerForm::Check(&form);
    // The members uic made are the widgets the check found.
    if (SamplerForm::Find(&form, "page_3") != ui.page_3 || ui.wTabControl->Page(2) != ui.page_3)
        problems << QStringLiteral("ui.page_3 is not the control's third page");
    if (ui.wScrollPanel->ScrollWidget() != ui.ScrollArea)
        problems << QStringLiteral("ui.ScrollArea is not the scroll panel's content");
    // (That outside Designer nothing is marked for the form editor is the tab page's unit test.)
    if (form.parentWidget() == nullptr || !form.window()->isVisible())
        problems << QStringLiteral("the form is not shown inside its shadow window");

    const QStringList args = QCoreApplication::arguments();
    const int shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot > 0 && shot + 1 < args.size() && !form.grab().save(args.at(shot + 1)))
        problems << QStringLiteral("could not write the screenshot");

    for (const QString& p : problems)
        std::fprintf(stderr, "uicform: %s\n", qPrintable(p));
    if (!problems.isEmpty())
        return 1;
    std::printf("uicform: the form uic compiled holds every value and page set in Designer\n");
    return 0;
}
